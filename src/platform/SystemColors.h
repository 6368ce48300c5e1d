#pragma once

#include <QColor>

namespace folionix::platform {

// The desktop's colour for a Windows system-colour index (0 to 30), taken from the running
// style's palette; unknown indexes give the window background.
QColor systemColor(int index);

// What a stored colour value paints as: 0x00BBGGRR is plain RGB, a value with the top bit set
// is the system colour of its low byte, the "default" value is the window background, and any
// other value paints its low three bytes.
QColor paintColor(quint32 value);

// The stored form of an RGB colour (alpha is dropped).
quint32 storedColor(const QColor &color);

} // namespace folionix::platform
