#pragma once
// Saves design files through QSaveFile: the text goes to a temporary file
// beside the target, is checked, synced to disk and then takes the target's
// name, and the folder is synced; a failure anywhere leaves the old file whole.

#include "model/file/filesaver.h"

namespace platform {

class QtFileSaver : public model::FileSaver {
public:
    // Also refuses a file the user made read-only, which would otherwise be
    // replaced whenever the folder is writable (always so for root). A
    // replaced file keeps its permissions.
    bool save(const std::string& path, std::string_view text) override;
};

}  // namespace platform
