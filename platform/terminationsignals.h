#pragma once
// Ends the program's event loop when the session or the terminal ends it
// (SIGTERM, SIGINT, SIGHUP), so the windows are destroyed in order and the
// order's private files go with them instead of staying on disk.

namespace platform {

// Call once, after the application object exists.
void quitOnTerminationSignals();

}  // namespace platform
