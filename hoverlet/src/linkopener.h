#pragma once

#include <QString>

namespace hoverlet {

// Hands a web (http, https, or "www." without a scheme) or mail (mailto) address to the desktop
// through QDesktopServices::openUrl, which does not wait. Anything else - local files, programs,
// other schemes, malformed text - is not handed on, so a stored layout cannot make a link start
// a program. Returns whether the address was handed on.
bool openLink(const QString &address);

} // namespace hoverlet
