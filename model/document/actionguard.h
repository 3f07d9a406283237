#pragma once
// A user's action either completes or leaves the open design and its results
// as they were: an error raised by a computation stops here, never in the
// event loop (which would end the program and lose unsaved work).

#include "model/hull/floaterror.h"

#include <functional>

namespace model {

// Runs `action` on the open design. If it raises FloatError, the design and
// the hydrostatics' results are put back as they were before it, then
// `report` is called with the error (a message, a redraw of the old state).
// Returns whether the action completed.
bool runRestoringOnError(const std::function<void()>& action, const std::function<void(const FloatError&)>& report);

}  // namespace model
