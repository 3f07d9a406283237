#pragma once
// The preferences window: the number of stations, the distance between
// stitches and the stitch mark length. "Ok" stores them and rebuilds the
// design; "Cancel" only hides the window.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace model {
class MessageBox;
}

namespace dialogs {

class MainWindowOps;

class frmPreferences : public QWidget {
    Q_OBJECT
public:
    explicit frmPreferences(QWidget* parent = nullptr);

    QLineEdit* txtNumberofSections = nullptr;
    QLineEdit* txtStitchLength = nullptr;
    QLineEdit* txtStitchMarkLength = nullptr;
    QPushButton* Command1 = nullptr;  // "Ok"
    QPushButton* Command2 = nullptr;  // "Cancel"

    // The main window whose operations "Ok" runs, where messages go and the
    // section editor's box that shows the current station.
    void connectTo(MainWindowOps* main, model::MessageBox* messages, QLineEdit* stationBox);

    // Both fill the boxes from the design.
    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();

protected:
    bool event(QEvent* e) override;

private:
    // Stores the boxes' values and goes back to station 0; false, storing
    // nothing, when one was refused.
    bool storeValues();

    MainWindowOps* main_ = nullptr;
    model::MessageBox* messages_ = nullptr;
    QLineEdit* stationBox_ = nullptr;
};

}  // namespace dialogs
