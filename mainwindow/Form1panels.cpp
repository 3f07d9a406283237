// Plans > Preview Panels.

#include "mainwindow/Form1.h"

#include "model/hull/design.h"
#include "panels/frmPanels.h"

namespace mainwindow {

void Form1::PreviewPanels_Click()
{
    if (!model::currentDesign().DesignLoaded) return;
    if (!panelPreview_) {
        panelPreview_ = std::make_shared<panels::frmPanels>();
        panelPreview_->openOrderForm = [this] { purchaseFullSize(); };
    }
    panelPreview_->showPreview();
}

}  // namespace mainwindow
