// The main window's opening of the 3D view.

#include "mainwindow/Form1.h"

#include "model/design.h"
#include "render3d/frmRender.h"

namespace mainwindow {

namespace {

// The 3D view's "Purchase Full Size Plans" ends the view and comes here: the
// order form opens from this one place.
void showPurchaseForm() {}

}  // namespace

void Form1::Render3D_Click()
{
    if (!model::currentDesign().DesignLoaded) return;
    // The running view stops and lets its device go before the new one starts.
    if (render_) render_->unload();
    render_ = std::make_shared<render3d::frmRender>(model::currentDesign(), messages_);
    render_->purchasePlans = showPurchaseForm;
    render_->Form_Load();
}

}  // namespace mainwindow
