// The Plans menu's order items and the one way into the order form.

#include "mainwindow/Form1.h"

#include "model/hull/design.h"
#include "ordering/frmPurchase.h"
#include "ordering/placement.h"
#include "platform/transfer.h"
#include "platform/windowplacement.h"

namespace mainwindow {

ordering::frmPurchase& Form1::purchase()
{
    if (!purchase_) {
        transfer_ = std::make_unique<platform::NetworkTransfer>();
        purchase_ = std::make_unique<ordering::frmPurchase>(messages_, *transfer_);
    }
    return *purchase_;
}

void Form1::showPurchase(QWidget& opener)
{
    ordering::frmPurchase& form = purchase();
    // A window that hid itself to open the form hands it to the main window.
    if (!form.isVisible()) platform::setOwner(form, opener.isVisible() ? opener : *this);
    form.show();
    form.raise();
    form.activateWindow();
}

void Form1::purchaseFullSize(QWidget& opener)
{
    if (purchase().OrderType == 0) purchase().OrderType = ordering::kFullSizePlans;
    showPurchase(opener);
}

void Form1::BuyPlans_Click()
{
    purchase().OrderType = ordering::kFullSizePlans;
    if (model::currentDesign().DesignLoaded) showPurchase(*this);
}

void Form1::BuyModel_Click()
{
    purchase().OrderType = ordering::kScaleModelPlans;
    if (model::currentDesign().DesignLoaded) showPurchase(*this);
}

}  // namespace mainwindow
