#include "model/file/designrows.h"

#include <cmath>

namespace model::rows {

int cockpitRecords(double cockpitCount)
{
    if (cockpitCount != std::floor(cockpitCount) || cockpitCount < 0 || cockpitCount > kMaxCockpits) return -1;
    return int(cockpitCount);
}

}  // namespace model::rows
