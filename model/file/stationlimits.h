#pragma once
// The stations a design may have: the preferences window sets any count in
// this range, and Open refuses a file with more.

namespace model {

inline constexpr int kFewestStations = 10;
inline constexpr int kMostStations = 100;

}  // namespace model
