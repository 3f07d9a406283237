#pragma once
// The open and save dialogs of the program: Qt's file dialog behind the
// model's FileDialogs interface.

#include "model/document/filedialogs.h"

#include <QStringList>

#include <string_view>

class QFileDialog;
class QWidget;

namespace platform {

// Qt name filters for a "|"-separated filter. Each pattern is offered in
// lower case too, since file names here are case-sensitive, and "*.*" becomes
// "*" so files without an extension are listed as well.
QStringList nameFilters(std::string_view filter);

void configureOpenDialog(QFileDialog& dialog, const model::FileDialogOptions& options);
void configureSaveDialog(QFileDialog& dialog, const model::FileDialogOptions& options);

class QtFileDialogs : public model::FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}
    // The window the boxes belong to, once it exists.
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::optional<std::string> ShowOpen(const model::FileDialogOptions& options) override;
    std::optional<std::string> ShowSave(const model::FileDialogOptions& options) override;

private:
    QWidget* owner_;
};

}  // namespace platform
