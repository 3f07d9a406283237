#pragma once

namespace platform {

// Lets pending events run (repaints, timers, network) but no user input, so
// no click lands in the middle of the handler that yields.
void doEvents();

}  // namespace platform
