#pragma once

#include <QString>

#include <functional>

namespace folionix::platform {

// What a name becomes before it reaches the desktop: an address with a scheme stays as it is,
// an absolute path stays, and a relative name is looked for in the current directory and then
// in the executable's folder. Blank names give an empty target.
QString resolveTarget(const QString &name);

// Hands a document name or address to the desktop's "open", never through a command line.
// A blank name hands over nothing; failures of the desktop are not reported.
void openDocument(const QString &name);

// Replaces the desktop hand-over (tests record the exact target); an empty function restores it.
using OpenHandler = std::function<void(const QString &target)>;
void setOpenHandler(OpenHandler handler);

// True when the text starts with a URL scheme such as "https:" or "mailto:" (not a drive letter).
bool hasUrlScheme(const QString &text);

} // namespace folionix::platform
