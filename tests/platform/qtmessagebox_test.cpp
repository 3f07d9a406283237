#include "platform/qtmessagebox.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

using model::MessageAnswer;
using model::MessageButtons;

TEST(QtMessageBox, ShowsTheTextUnderTheProgramsNameAndAnswersWithThePressedButton)
{
    testsupport::testApp();
    platform::QtMessageBox messages(nullptr);
    // Pressed NoButton: the box is closed, which is its escape button.
    const struct { QMessageBox::StandardButton pressed; MessageButtons buttons; MessageAnswer answer; } cases[] = {
        {QMessageBox::Yes, MessageButtons::YesNoCancel, MessageAnswer::Yes},
        {QMessageBox::No, MessageButtons::YesNoCancel, MessageAnswer::No},
        {QMessageBox::Cancel, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {QMessageBox::NoButton, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {QMessageBox::Ok, MessageButtons::Ok, MessageAnswer::Ok},
        {QMessageBox::NoButton, MessageButtons::Ok, MessageAnswer::Ok},
    };
    for (const auto& c : cases) {
        testsupport::whenModalShows<QMessageBox>([pressed = c.pressed](QMessageBox& box) {
            EXPECT_EQ(std::tuple(box.windowTitle(), box.text(), box.icon()),
                      std::tuple(QString("Quillock"), QString("Failed to save to the file: ''"), QMessageBox::Warning));
            if (pressed == QMessageBox::NoButton) return void(box.close());
            ASSERT_NE(box.button(pressed), nullptr);
            box.button(pressed)->click();
        });
        EXPECT_EQ(messages.ask("Failed to save to the file: ''", c.buttons, model::MessageIcon::Exclamation), c.answer)
            << int(c.pressed);
    }
}

// A box, titled or not, belongs to the window the user works in (the wizard
// over the disabled main window, the order form), else to its owner.
TEST(QtMessageBox, BelongsToTheActiveWindowElseToItsOwnerAndMayHaveATitleOfItsOwn)
{
    testsupport::testApp();
    QWidget owner, wizard;
    platform::QtMessageBox messages(&owner);
    owner.show();
    wizard.show();
    for (QWidget* active : {&wizard, static_cast<QWidget*>(nullptr)}) {
        if (!active) {
            wizard.hide();
            owner.hide();
        }
        QWidget* expected = active ? active : &owner;
        for (const QString title : {"Quillock", "Invalid Card"}) {
            // A closed box hands the activation on; the user is back in `active`.
            if (active) QApplication::setActiveWindow(active);
            testsupport::whenModalShows<QMessageBox>([expected, title](QMessageBox& box) {
                EXPECT_EQ(std::pair(box.parentWidget(), box.windowTitle()), std::pair(expected, title));
                box.close();
            });
            if (title == "Quillock")
                messages.show("Please enter width in inches");
            else
                messages.showTitled("The Visa number entered, 4, is invalid.", "Invalid Card",
                                    model::MessageIcon::Exclamation);
        }
    }
}
