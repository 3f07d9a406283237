#include "platform/qtfiledialogs.h"
#include "tests/support/modal.h"
#include "tests/support/testapp.h"

#include <QFileDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

constexpr const char* kFilter = "QLK Files (*.QLK)|*.QLK|All Files (*.*)|*.*";

TEST(QtFileDialogs, OffersBothCasesOfTheExtensionAndEveryFile)
{
    EXPECT_EQ(platform::nameFilters(kFilter), (QStringList{"QLK Files (*.QLK *.qlk)", "All Files (*)"}));
    EXPECT_EQ(platform::nameFilters("Pictures|*.PNG;*.jpg"), (QStringList{"Pictures (*.PNG *.png *.jpg)"}));
    EXPECT_EQ(platform::nameFilters("Drive C: files|*.c"), (QStringList{"Drive C: files (*.c)"}));
    EXPECT_TRUE(platform::nameFilters("").isEmpty());
}

TEST(QtFileDialogs, ConfiguresTheDialogsAndReturnsTheChosenPathOrNothingOnCancel)
{
    testsupport::testApp();
    QTemporaryDir folder;
    const QString existing = folder.filePath("boat.qlk");
    std::ofstream(existing.toStdString()) << "x";
    model::FileDialogOptions options;
    options.filter = kFilter;
    options.defaultExt = "QLK";
    options.fileMustExist = true;
    options.filterIndex = 2;
    options.fileName = existing.toStdString();
    QFileDialog open;
    platform::configureOpenDialog(open, options);
    // The suffix is added to a typed name without an extension.
    EXPECT_EQ(std::tuple(open.acceptMode(), open.fileMode(), open.selectedNameFilter(), open.defaultSuffix()),
              std::tuple(QFileDialog::AcceptOpen, QFileDialog::ExistingFile, QString("All Files (*)"), QString("QLK")));

    platform::QtFileDialogs dialogs(nullptr);
    // QFileDialog::accept is protected; through QDialog it is the same override.
    testsupport::whenModalShows<QFileDialog>([](QDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(dialogs.ShowOpen(options), existing.toStdString());
    testsupport::whenModalShows<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(dialogs.ShowOpen(options), std::nullopt);

    options.filterIndex = 1;
    for (const bool prompt : {true, false}) {
        options.overwritePrompt = prompt;
        QFileDialog save;
        platform::configureSaveDialog(save, options);
        EXPECT_EQ(std::tuple(save.acceptMode(), save.testOption(QFileDialog::DontConfirmOverwrite), save.selectedNameFilter()),
                  std::tuple(QFileDialog::AcceptSave, !prompt, QString("QLK Files (*.QLK *.qlk)")));
    }
}
