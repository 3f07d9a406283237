#pragma once
// The panel preview: every bulkhead outline and every developed panel drawn
// full size on one cutting sheet. Each activation lays the window out,
// develops the panels from the current design and redraws, so the sheet
// always follows the design.

#include "panels/cuttingsheet.h"
#include "panels/development.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace platform {
class PictureBox;
}
namespace model {
class MessageBox;
}

namespace panels {

class frmPanels : public QWidget {
    Q_OBJECT
public:
    // Errors of the development are reported through `messages`.
    explicit frmPanels(model::MessageBox& messages, QWidget* parent = nullptr);

    // Shows the window modeless and brings it up to date: its activation
    // does, or this where the platform activates nothing (no window manager).
    void showPreview();
    void Form_Activate();
    void drawpanels();

    // Shows the order form; until one is connected the order button only
    // hides the preview.
    std::function<void()> openOrderForm;

    const CuttingSheet& sheet() const { return sheet_; }
    const DevelopedPanels& developedPanels() const { return panels_; }

    platform::PictureBox* PanelView = nullptr;
    QPushButton* Command1 = nullptr;  // "Purchase Full Size Plans"
    QPushButton* Command2 = nullptr;  // "Cancel"

protected:
    bool event(QEvent* e) override;

private:
    void Form_Load();
    void layOutWindow();
    void layOutControls(QSize inner);
    void Command1_Click();
    void Command2_Click();
    // Runs a handler; an error of the development puts the design back,
    // closes the preview and is reported, never thrown.
    void guarded(const std::function<void()>& handler);

    model::MessageBox& messages_;

    CuttingSheet sheet_;
    DevelopedPanels panels_;
    // Activation yields to pending events, which may activate the window again.
    bool activating_ = false;
    int activations_ = 0;
};

}  // namespace panels
