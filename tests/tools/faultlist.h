#pragma once
// Prints a list of hull faults one a line for a failing expectation.

#include "tests/tools/hullchecks.h"

#include <string>

inline std::string listed(const hullchecks::Faults& faults)
{
    std::string text;
    for (const std::string& f : faults) text += "\n  " + f;
    return text;
}
