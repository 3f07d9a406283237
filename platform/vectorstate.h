#pragma once

namespace platform {

// Some library code leaves the upper halves of the AVX registers in use;
// until they are cleared every SSE instruction of ours pays for it (the
// hydrostatics run at half speed after a repaint). Call before heavy
// floating-point work that follows Qt code. Does nothing without AVX.
void clearUpperVectorState();

}  // namespace platform
