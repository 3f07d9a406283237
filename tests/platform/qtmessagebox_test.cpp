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
    const struct {
        QMessageBox::StandardButton pressed;  // NoButton: the box is closed, which is its escape button
        MessageButtons buttons;
        MessageAnswer answer;
    } cases[] = {
        {QMessageBox::Yes, MessageButtons::YesNoCancel, MessageAnswer::Yes},
        {QMessageBox::No, MessageButtons::YesNoCancel, MessageAnswer::No},
        {QMessageBox::Cancel, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {QMessageBox::NoButton, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
        {QMessageBox::Ok, MessageButtons::Ok, MessageAnswer::Ok},
        {QMessageBox::NoButton, MessageButtons::Ok, MessageAnswer::Ok},
    };
    for (const auto& c : cases) {
        testsupport::whenModalShows<QMessageBox>([pressed = c.pressed](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Quillock");
            EXPECT_EQ(box.text(), "Failed to save to the file: ''");
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            if (pressed == QMessageBox::NoButton) return void(box.close());
            ASSERT_NE(box.button(pressed), nullptr);
            box.button(pressed)->click();
        });
        EXPECT_EQ(messages.ask("Failed to save to the file: ''", c.buttons, model::MessageIcon::Exclamation), c.answer)
            << int(c.pressed);
    }
}

TEST(QtMessageBox, ATitleOfItsOwnReplacesTheProgramsName)
{
    testsupport::testApp();
    platform::QtMessageBox messages(nullptr);
    QString title;
    testsupport::whenModalShows<QMessageBox>([&title](QMessageBox& box) {
        title = box.windowTitle();
        box.accept();
    });
    messages.showTitled("The Visa number entered, 4, is invalid.", "Invalid Card", model::MessageIcon::Exclamation);
    EXPECT_EQ(title, "Invalid Card");
}
