#pragma once
// Writing a whole design file as an interface: the program saves through
// Qt's QSaveFile (platform/), Qt-free tests and tools through
// writeFileAtomically.

#include <string>
#include <string_view>

namespace model {

class FileSaver {
public:
    virtual ~FileSaver() = default;
    // Creates the file or replaces it as a whole with `text`. False when it
    // cannot; the old file is then as it was.
    virtual bool save(const std::string& path, std::string_view text) = 0;
};

}  // namespace model
