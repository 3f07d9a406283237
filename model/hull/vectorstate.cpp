#include "model/hull/vectorstate.h"

namespace model {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Compiled for AVX on its own, so the rest of the program still runs on
// processors without it.
__attribute__((target("avx"))) void zeroUpper() { __builtin_ia32_vzeroupper(); }

}  // namespace

void clearUpperVectorState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) zeroUpper();
}

#else

void clearUpperVectorState() {}

#endif

}  // namespace model
