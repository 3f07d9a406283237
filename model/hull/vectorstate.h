#pragma once

namespace model {

// Library code (Qt's among it) can leave the upper halves of the AVX
// registers in use; until they are cleared every SSE instruction of ours pays
// for it, and the hydrostatics run several times slower after a repaint.
// Every heavy entry into the model calls this first, so no caller has to
// remember it. Does nothing on processors without AVX.
void clearUpperVectorState();

}  // namespace model
