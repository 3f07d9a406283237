#pragma once
// Starting programs of the desktop, behind an interface a test can replace.

#include <string>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address in the desktop's default browser; false when no
    // browser could be started.
    virtual bool openWebAddress(const std::string& address) = 0;
};

class DesktopShell : public Shell {
public:
    bool openWebAddress(const std::string& address) override;
};

}  // namespace platform
