#pragma once

#include <QKeySequence>

namespace folionix::platform {

// A stored shortcut: the Windows virtual-key code in the low byte, plus 0x2000 for Shift,
// 0x4000 for Ctrl and 0x8000 for Alt (49239 is Ctrl+Alt+W, 112 is F1). A key without a Qt
// counterpart gives an empty sequence.
QKeySequence shortcutFromStored(quint16 value);

} // namespace folionix::platform
