#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace folionix::platform {

// A button glyph: an XPM image of 2N x N pixels, the normal picture left and the disabled right.
// Glyphs are compiled in as XPM arrays: reading them needs no image-format plugin lookup,
// which would cost more at start-up than everything else the window draws.
QIcon glyphIcon(const char *const xpm[]);

// The window's background colour, as the stored colour value paints; children that keep a
// background of their own (panels, edit boxes, buttons) are not touched.
void setBackgroundColor(QWidget *widget, quint32 storedColor);

// The colour of every text the widget and its children draw with the inherited font.
void setTextColor(QWidget *widget, quint32 storedColor);

} // namespace folionix::platform
