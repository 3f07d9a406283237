#include "model/document/document.h"

#include "model/file/designcheck.h"
#include "model/file/designreader.h"
#include "model/file/designwriter.h"
#include "model/file/textfile.h"

#include <exception>

namespace model {

namespace {

constexpr const char* kCaptionSeparator = " - ";
constexpr const char* kDesignFilter = "QLK Files (*.QLK)|*.QLK|All Files (*.*)|*.*";
constexpr const char* kDesignExtension = "QLK";
constexpr const char* kOpenCancelledMessage = "File failed to open...";
constexpr const char* kCorruptFileMessage = "Error opening file - File is corrupt";
constexpr const char* kSaveFailedMessage = "Failed to save to the file: '";
constexpr const char* kSaveFailedMessageEnd = "'";
constexpr const char* kSaveWorkQuestion = "Do you wish to save your work?";

FileDialogOptions designFileOptions(std::string fileName)
{
    FileDialogOptions options;
    options.fileName = std::move(fileName);
    options.filter = kDesignFilter;
    options.filterIndex = 1;
    options.defaultExt = kDesignExtension;
    return options;
}

DocumentResult result(DocumentOutcome outcome, const Design& design)
{
    return {outcome, windowCaption(design)};
}

// The whole file as a checked design, or nothing.
std::optional<Design> loadDesignFile(const std::string& path, const DesignCheck& check)
{
    const std::optional<std::string> text = readTextFile(path, kMaxDesignFileBytes);
    if (!text) return std::nullopt;
    DesignRead read = readDesignText(*text);
    if (!read.design) return std::nullopt;
    read.design->DesignLoaded = true;
    try {
        if (check) check(*read.design);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return std::move(read.design);
}

DocumentResult writeDocument(Design& design, const std::string& path, MessageBox& messages, FileSaver& files)
{
    if (!files.save(path, writeDesignText(design))) {
        // Even a design never changed since the wizard made it is not on disk:
        // the exit prompt must offer to save it.
        design.DesignChanged = true;
        messages.show(kSaveFailedMessage + path + kSaveFailedMessageEnd, MessageIcon::Exclamation);
        return result(DocumentOutcome::Failed, design);
    }
    design.FileName = path;
    design.DesignChanged = false;
    return result(DocumentOutcome::Done, design);
}

}  // namespace

std::string windowCaption(const Design& design)
{
    std::string caption = kProgramName;
    if (!design.FileName.empty()) caption += kCaptionSeparator + design.FileName;
    return caption;
}

std::string newDocument(Design& design)
{
    design.CockpitCount = 1;
    design.DesignChanged = false;
    design.CurveStep = kDefaultCurveStep;
    design.FileName.clear();
    design.CurrentStation = 0;
    design.BulkheadCount = 0;
    design.Bulkheads.assign(1, Section{});
    design.BulkheadHandles.assign(1, Point2{});
    design.BulkheadDrawOrigin.assign(1, Point2{});
    return windowCaption(design);
}

DocumentResult openDocument(Design& design, FileDialogs& dialogs, MessageBox& messages, const DesignCheck& check)
{
    FileDialogOptions options = designFileOptions(design.FileName);
    options.fileMustExist = true;
    const std::optional<std::string> path = dialogs.ShowOpen(options);
    if (!path) {
        messages.show(kOpenCancelledMessage);
        return result(DocumentOutcome::Cancelled, design);
    }
    std::optional<Design> fresh = loadDesignFile(*path, check);
    if (!fresh) {
        messages.show(kCorruptFileMessage);
        return result(DocumentOutcome::Failed, design);
    }
    // A preference of the running program, not part of the file.
    fresh->StitchMarkLength = design.StitchMarkLength;
    fresh->FileName = *path;
    fresh->DesignChanged = false;
    fresh->CurrentStation = 0;
    fresh->CurveStep = kDefaultCurveStep;
    design = std::move(*fresh);
    return result(DocumentOutcome::Done, design);
}

DocumentResult saveDocument(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files)
{
    if (!design.DesignLoaded) return result(DocumentOutcome::NoDesign, design);
    if (design.FileName.empty()) return saveDocumentAs(design, dialogs, messages, files);
    return writeDocument(design, design.FileName, messages, files);
}

DocumentResult saveDocumentAs(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files)
{
    if (!design.DesignLoaded) return result(DocumentOutcome::NoDesign, design);
    FileDialogOptions options = designFileOptions({});
    options.overwritePrompt = true;
    const std::optional<std::string> path = dialogs.ShowSave(options);
    if (!path) {
        // The dialog gives no name on a cancel, so the message ends in ''.
        messages.show(std::string(kSaveFailedMessage) + kSaveFailedMessageEnd, MessageIcon::Exclamation);
        return result(DocumentOutcome::Cancelled, design);
    }
    return writeDocument(design, *path, messages, files);
}

bool confirmEnd(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files)
{
    if (!design.DesignChanged) return true;
    switch (messages.ask(kSaveWorkQuestion, MessageButtons::YesNoCancel, MessageIcon::None)) {
    case MessageAnswer::No: return true;
    case MessageAnswer::Yes: return saveDocument(design, dialogs, messages, files).done();
    default: return false;
    }
}

}  // namespace model
