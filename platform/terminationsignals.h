#pragma once
// Ends the program's event loop when the session or the terminal ends it
// (SIGTERM, SIGINT, SIGHUP), so the windows are destroyed in order and the
// order's private files go with them instead of staying on disk; and keeps a
// write past the file-size limit from ending the program.

namespace platform {

// Call once, after the application object exists.
void quitOnTerminationSignals();

// The program's start-up handling of signals: the termination signals as
// above, and SIGXFSZ ignored, so a write past the file-size limit fails with
// EFBIG and the save reports it instead of the process ending with the work
// unsaved. Call once, after the application object exists.
void setUpProgramSignals();

}  // namespace platform
