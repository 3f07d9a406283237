// The Plans menu's order items and the one way into the order form.

#include "mainwindow/Form1.h"

#include "model/hull/design.h"
#include "ordering/frmPurchase.h"
#include "ordering/placement.h"
#include "platform/transfer.h"

namespace mainwindow {

ordering::frmPurchase& Form1::purchase()
{
    if (!purchase_) {
        transfer_ = std::make_unique<platform::NetworkTransfer>();
        purchase_ = std::make_unique<ordering::frmPurchase>(messages_, *transfer_);
    }
    return *purchase_;
}

void Form1::showPurchase()
{
    ordering::frmPurchase& form = purchase();
    form.show();
    form.raise();
    form.activateWindow();
}

void Form1::purchaseFullSize()
{
    if (purchase().OrderType == 0) purchase().OrderType = ordering::kFullSizePlans;
    showPurchase();
}

void Form1::BuyPlans_Click()
{
    purchase().OrderType = ordering::kFullSizePlans;
    if (model::currentDesign().DesignLoaded) showPurchase();
}

void Form1::BuyModel_Click()
{
    purchase().OrderType = ordering::kScaleModelPlans;
    if (model::currentDesign().DesignLoaded) showPurchase();
}

}  // namespace mainwindow
