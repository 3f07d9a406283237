#include "platform/qtfiledialogs.h"

#include <QFileDialog>

namespace platform {

namespace {

constexpr std::string_view kAllFilesPattern = "*.*";
constexpr const char* kAnyName = "*";
constexpr QChar kPatternSeparator = u';';

QString withoutTrailingPatterns(const QString& description)
{
    const qsizetype open = description.lastIndexOf(u'(');
    if (!description.endsWith(u')') || open < 0) return description;
    return description.left(open).trimmed();
}

QStringList patternsOf(const std::string& pattern)
{
    QStringList patterns;
    for (const QString& p : QString::fromStdString(pattern).split(kPatternSeparator, Qt::SkipEmptyParts)) {
        const QString one = p.trimmed() == QLatin1StringView(kAllFilesPattern) ? QString(kAnyName) : p.trimmed();
        if (!patterns.contains(one)) patterns << one;
        if (!patterns.contains(one.toLower())) patterns << one.toLower();
    }
    return patterns;
}

void configureCommon(QFileDialog& dialog, const model::FileDialogOptions& options)
{
    const QStringList filters = nameFilters(options.filter);
    dialog.setNameFilters(filters);
    if (options.filterIndex >= 1 && options.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[options.filterIndex - 1]);
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExt));
    if (!options.initialDir.empty()) dialog.setDirectory(QString::fromStdString(options.initialDir));
    if (!options.title.empty()) dialog.setWindowTitle(QString::fromStdString(options.title));
    if (!options.fileName.empty()) dialog.selectFile(QString::fromStdString(options.fileName));
}

std::optional<std::string> chosenPath(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

QStringList nameFilters(std::string_view filter)
{
    QStringList filters;
    for (const model::FilterPair& pair : model::filterPairs(filter)) {
        const QString description = withoutTrailingPatterns(QString::fromStdString(pair.description));
        filters << QStringLiteral("%1 (%2)").arg(description, patternsOf(pair.pattern).join(u' '));
    }
    return filters;
}

void configureOpenDialog(QFileDialog& dialog, const model::FileDialogOptions& options)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    configureCommon(dialog, options);
}

void configureSaveDialog(QFileDialog& dialog, const model::FileDialogOptions& options)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    configureCommon(dialog, options);
}

std::optional<std::string> QtFileDialogs::ShowOpen(const model::FileDialogOptions& options)
{
    QFileDialog dialog(owner_);
    configureOpenDialog(dialog, options);
    return chosenPath(dialog);
}

std::optional<std::string> QtFileDialogs::ShowSave(const model::FileDialogOptions& options)
{
    QFileDialog dialog(owner_);
    configureSaveDialog(dialog, options);
    return chosenPath(dialog);
}

}  // namespace platform
