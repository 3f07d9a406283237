#pragma once
// The resistance-curve window: frictional, residual and total resistance in
// pounds against speed in knots, drawn once each time the window is loaded,
// from the hydrostatics of that moment.

#include <QWidget>

class QLabel;

namespace platform {
class PictureBox;
}

namespace dialogs {

class frmFriction : public QWidget {
    Q_OBJECT
public:
    explicit frmFriction(QWidget* parent = nullptr);

    platform::PictureBox* picFriction = nullptr;
    QLabel* Label1 = nullptr;  // "Residual"
    QLabel* Label2 = nullptr;  // "Frictional"
    QLabel* Label3 = nullptr;  // "Total"

    // Draws the graph of the current design; nothing without one.
    void Form_Load();
    // Loads the window when it is not open; an open one comes forward as it is.
    void showLoaded();

private:
    QLabel* legendEntry(const char* name, const char* caption, unsigned color, int top);
};

}  // namespace dialogs
