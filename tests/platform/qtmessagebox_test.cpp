#include "platform/qtmessagebox.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

using model::MessageAnswer;
using model::MessageButtons;
using model::MessageIcon;

namespace {

void pressWhenShown(QMessageBox::StandardButton button)
{
    testsupport::whenModalShows<QMessageBox>([button](QMessageBox& box) {
        ASSERT_NE(box.button(button), nullptr);
        box.button(button)->click();
    });
}

}  // namespace

TEST(QtMessageBox, ShowsTheTextUnderTheProgramsName)
{
    testsupport::testApp();
    QMessageBox box;
    platform::configureMessageBox(box, "Failed to save to the file: ''", MessageButtons::Ok, MessageIcon::Exclamation);
    EXPECT_EQ(box.windowTitle(), "Quillock");
    EXPECT_EQ(box.text(), "Failed to save to the file: ''");
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
}

TEST(QtMessageBox, AnswersWithThePressedButton)
{
    testsupport::testApp();
    platform::QtMessageBox messages(nullptr);
    const std::pair<QMessageBox::StandardButton, MessageAnswer> presses[] = {
        {QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No},
        {QMessageBox::Cancel, MessageAnswer::Cancel}};
    for (const auto& [button, answer] : presses) {
        pressWhenShown(button);
        EXPECT_EQ(messages.ask("Do you wish to save your work?", MessageButtons::YesNoCancel, MessageIcon::None), answer);
    }
    pressWhenShown(QMessageBox::Ok);
    EXPECT_EQ(messages.ask("File failed to open...", MessageButtons::Ok, MessageIcon::None), MessageAnswer::Ok);
}

TEST(QtMessageBox, ClosingTheBoxCountsAsItsEscapeButton)
{
    EXPECT_EQ(platform::answerOf(QMessageBox::NoButton, MessageButtons::YesNoCancel), MessageAnswer::Cancel);
    EXPECT_EQ(platform::answerOf(QMessageBox::NoButton, MessageButtons::Ok), MessageAnswer::Ok);
}
