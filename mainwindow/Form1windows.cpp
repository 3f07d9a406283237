// The menu commands that open other windows or the maker's web site.

#include "mainwindow/Form1.h"

#include "dialogs/frmFriction.h"
#include "dialogs/frmPreferences.h"
#include "mainwindow/frmAbout.h"
#include "model/document/messagebox.h"
#include "model/hull/design.h"
#include "platform/windowplacement.h"

namespace mainwindow {

namespace {

// A stand-in until the maker names its site.
constexpr const char* kMakerWebAddress = "https://www.brackenfold.example/";
constexpr const char* kNoBrowserMessage = "Could not start the web browser.";

bool designLoaded() { return model::currentDesign().DesignLoaded; }

void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

dialogs::frmPreferences& Form1::preferences()
{
    if (!preferences_) {
        preferences_ = std::make_unique<dialogs::frmPreferences>();
        preferences_->connectTo(this, &messages_, Text1);
        platform::setOwner(*preferences_, *this);
    }
    return *preferences_;
}

dialogs::frmFriction& Form1::friction()
{
    if (!friction_) {
        friction_ = std::make_unique<dialogs::frmFriction>();
        platform::setOwner(*friction_, *this);
    }
    return *friction_;
}

frmAbout& Form1::about()
{
    if (!about_) {
        about_ = std::make_unique<frmAbout>();
        platform::setOwner(*about_, *this);
    }
    return *about_;
}

void Form1::preferences_Click()
{
    if (designLoaded()) bringForward(preferences());
}

void Form1::ViewDragCurves_Click()
{
    if (!designLoaded()) return;
    GetCalculations();
    friction().showLoaded();
}

void Form1::About_Click() { about().showModeless(); }

void Form1::HWB_Click()
{
    if (!shell->openWebAddress(kMakerWebAddress)) messages_.show(kNoBrowserMessage, model::MessageIcon::Exclamation);
}

}  // namespace mainwindow
