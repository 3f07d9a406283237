#pragma once
// The document operations behind File > New, Open, Save and Save As. They
// change the design, its file name and flags; the main window's handlers run
// them and then rebuild, redraw and set the caption they return.

#include "model/document/filedialogs.h"
#include "model/document/messagebox.h"
#include "model/document/programname.h"
#include "model/file/filesaver.h"
#include "model/hull/design.h"
#include "model/hull/sections.h"

#include <cstdint>
#include <functional>
#include <string>

namespace model {

enum class DocumentOutcome {
    Done,       // the operation went through
    NoDesign,   // nothing to save: no design exists
    Cancelled,  // the user cancelled the dialog
    Failed,     // the file could not be read or written; the user was told
};

struct DocumentResult {
    DocumentOutcome outcome;
    std::string caption;  // the main window's caption after the operation

    bool done() const { return outcome == DocumentOutcome::Done; }
};

// Run on a freshly read design before it replaces the open one; an exception
// makes the file count as corrupt. The default rebuilds the sections; an
// empty check accepts every design the reader accepts.
using DesignCheck = std::function<void(Design&)>;

// "Quillock", or "Quillock - " and the file's full path.
std::string windowCaption(const Design& design);

// Resets the document for the new-design wizard: no file name, no unsaved
// changes, one cockpit, no bulkheads, station 0. The old design stays loaded
// until the wizard replaces it. Returns the caption.
std::string newDocument(Design& design);

// Asks for a file and reads it into a fresh design, which replaces `design`
// only when the whole file was sound and `check` passed. On a cancel or a bad
// file `design` — file name and flags included — is left exactly as it was.
DocumentResult openDocument(Design& design, FileDialogs& dialogs, MessageBox& messages,
                            const DesignCheck& check = DesignCheck(makesections));

// Writes the design to its file, or asks for a name first when it has none.
// Anything but Done means nothing was saved, so an exit prompt must not end
// the program. A write that fails marks the design changed, whatever it was;
// a cancel or no design leaves DesignChanged as it was.
DocumentResult saveDocument(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files);

// Asks for a name and writes the design there.
DocumentResult saveDocumentAs(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files);

// The prompt before the program ends (Exit, closing the main window): while
// the design has unsaved changes asks whether to save, and saves on Yes.
// True when the program may end: nothing unsaved, No, or a save that went
// through. False on Cancel and whenever the save did not happen.
bool confirmEnd(Design& design, FileDialogs& dialogs, MessageBox& messages, FileSaver& files);

}  // namespace model
