// Plans > Preview Panels.

#include "mainwindow/Form1.h"

#include "model/hull/design.h"
#include "panels/frmPanels.h"
#include "platform/windowplacement.h"

namespace mainwindow {

void Form1::PreviewPanels_Click()
{
    if (!model::currentDesign().DesignLoaded) return;
    if (!panelPreview_) {
        panelPreview_ = std::make_shared<panels::frmPanels>(messages_);
        panels::frmPanels& preview = *panelPreview_;
        preview.openOrderForm = [this, &preview] { purchaseFullSize(preview); };
        platform::setOwner(preview, *this);
    }
    panelPreview_->showPreview();
}

}  // namespace mainwindow
