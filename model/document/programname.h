#pragma once

namespace model {

// The program's name, in window captions and message box titles.
inline constexpr const char* kProgramName = "Quillock";

}  // namespace model
