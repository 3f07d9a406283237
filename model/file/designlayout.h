#pragma once
// Which rows a design text holds. The design file, its older versions and the
// starting-design templates share one row order and differ only in the rows
// they leave out.

namespace model {

struct RowLayout {
    bool versionRow = true;    // first row: the format version
    bool panelEndRows = true;  // per panel its two end points
    bool isHullRows = true;    // per panel its deck/hull flag
    int paddlerRows = 2;       // one row stands for both paddlers
    bool distanceRow = true;   // distance between the cockpits
    bool bulkheadRows = true;  // bulkhead count and positions
};

// Version 1.2.0, the only one written.
inline constexpr RowLayout kCurrentLayout{};
// Versions 1.0.0 and 1.0.1: no panel ends and no deck/hull flags.
inline constexpr RowLayout kOldLayout{true, false, false, 2, true, true};

// How many paddler-weight rows a template holds.
enum class PaddlerRows { One = 1, Two = 2 };

constexpr RowLayout templateLayout(PaddlerRows paddlers)
{
    return {false, true, false, int(paddlers), false, false};
}

}  // namespace model
