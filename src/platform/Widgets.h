#pragma once

#include <QIcon>
#include <QPalette>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace folionix::platform {

// A button glyph: an XPM image of 2N x N pixels, the normal picture left and the disabled right.
// Glyphs are compiled in as XPM arrays: reading them needs no image-format plugin lookup,
// which would cost more at start-up than everything else the window draws.
QIcon glyphIcon(const char *const xpm[]);

// The window's background colour, as the stored colour value paints; children that keep a
// background of their own (panels, edit boxes, buttons) are not touched. Edit boxes take theirs
// with the Base role.
void setBackgroundColor(QWidget *widget, quint32 storedColor,
                        QPalette::ColorRole role = QPalette::Window);

// A title bar with the system menu, minimise and close, and no maximise.
void useMinimisableTitleBar(QWidget *window);

// An item of a menu that never opens, whose stored shortcut works anywhere in the window.
QAction *addHiddenShortcut(QMenu *menu, QWidget *window, const QString &objectName,
                           const QString &caption, quint16 storedShortcut);

// The colour of every text the widget and its children draw with the inherited font.
void setTextColor(QWidget *widget, quint32 storedColor);

} // namespace folionix::platform
