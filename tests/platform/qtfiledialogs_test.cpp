#include "platform/qtfiledialogs.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr const char* kFilter = "QLK Files (*.QLK)|*.QLK|All Files (*.*)|*.*";

model::FileDialogOptions designOptions()
{
    model::FileDialogOptions options;
    options.filter = kFilter;
    options.defaultExt = "QLK";
    return options;
}

// QFileDialog::accept is protected; through QDialog it is the same override.
void accept(QDialog& dialog) { dialog.accept(); }

}  // namespace

TEST(QtFileDialogs, OffersBothCasesOfTheExtensionAndEveryFile)
{
    EXPECT_EQ(platform::nameFilters(kFilter), (QStringList{"QLK Files (*.QLK *.qlk)", "All Files (*)"}));
    EXPECT_EQ(platform::nameFilters("Pictures|*.PNG;*.jpg"), (QStringList{"Pictures (*.PNG *.png *.jpg)"}));
}

TEST(QtFileDialogs, ConfiguresTheOpenDialog)
{
    testsupport::testApp();
    model::FileDialogOptions options = designOptions();
    options.fileMustExist = true;
    options.filterIndex = 2;
    QFileDialog dialog;
    platform::configureOpenDialog(dialog, options);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.defaultSuffix(), "QLK");
    EXPECT_EQ(dialog.selectedNameFilter(), "All Files (*)");
}

TEST(QtFileDialogs, ConfiguresTheSaveDialog)
{
    testsupport::testApp();
    model::FileDialogOptions options = designOptions();
    options.overwritePrompt = true;
    QFileDialog dialog;
    platform::configureSaveDialog(dialog, options);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog.selectedNameFilter(), "QLK Files (*.QLK *.qlk)");
    options.overwritePrompt = false;
    platform::configureSaveDialog(dialog, options);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(QtFileDialogs, ReturnsTheChosenPathOrNothingOnCancel)
{
    testsupport::testApp();
    QTemporaryDir folder;
    const QString existing = folder.filePath("boat.qlk");
    std::ofstream(existing.toStdString()) << "x";
    platform::QtFileDialogs dialogs(nullptr);

    model::FileDialogOptions open = designOptions();
    open.fileMustExist = true;
    open.fileName = existing.toStdString();
    testsupport::whenModalShows<QFileDialog>([](QFileDialog& dialog) { accept(dialog); });
    EXPECT_EQ(dialogs.ShowOpen(open), existing.toStdString());

    testsupport::whenModalShows<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(dialogs.ShowOpen(open), std::nullopt);

    // A typed name without an extension gets the default one.
    model::FileDialogOptions save = designOptions();
    save.initialDir = folder.path().toStdString();
    testsupport::whenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(folder.filePath("newboat"));
        accept(dialog);
    });
    EXPECT_EQ(dialogs.ShowSave(save), folder.filePath("newboat.QLK").toStdString());
}
