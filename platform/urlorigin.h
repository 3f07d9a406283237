#pragma once
// Where an address leads, as web clients compare it: scheme, host and port,
// a port left out being its scheme's default.

#include <QUrl>

namespace platform {

// The port `url` names, else its scheme's default (-1 for a scheme without one).
int portOf(const QUrl& url);

// Whether `a` and `b` share scheme, host and port.
bool sameOrigin(const QUrl& a, const QUrl& b);

}  // namespace platform
