#pragma once

#include <QMargins>

class QWindow;

namespace folionix::platform {

// The frame the window manager will put around a window that is not mapped yet, where the
// desktop can say so beforehand (X11 window managers answer _NET_REQUEST_FRAME_EXTENTS);
// null margins where it cannot.
QMargins expectedFrameMargins(QWindow *window);

} // namespace folionix::platform
