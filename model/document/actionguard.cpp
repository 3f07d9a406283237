#include "model/document/actionguard.h"

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

#include <utility>

namespace model {

bool runRestoringOnError(const std::function<void()>& action, const std::function<void(const FloatError&)>& report)
{
    Design designBefore = currentDesign();
    Hydrostatics resultsBefore = currentHydrostatics();
    try {
        action();
        return true;
    } catch (const FloatError& e) {
        currentDesign() = std::move(designBefore);
        currentHydrostatics() = std::move(resultsBefore);
        if (report) report(e);
        return false;
    }
}

}  // namespace model
