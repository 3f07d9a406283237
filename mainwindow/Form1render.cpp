// The main window's opening of the 3D view.

#include "mainwindow/Form1.h"

#include "model/hull/design.h"
#include "render3d/frmRender.h"

namespace mainwindow {

void Form1::Render3D_Click()
{
    if (!model::currentDesign().DesignLoaded) return;
    // The running view stops and lets its device go before the new one starts.
    if (render_) render_->unload();
    // A window of its own, not owned by this one: an owned window is kept above
    // its owner, over the menus. Held here, it still goes with this window and
    // with the next opening.
    render_ = std::make_shared<render3d::frmRender>(model::currentDesign(), messages_);
    // "Purchase Full Size Plans" ends the view, then opens the order form.
    render3d::frmRender& view = *render_;
    render_->purchasePlans = [this, &view] { purchaseFullSize(view); };
    render_->Form_Load();
}

}  // namespace mainwindow
