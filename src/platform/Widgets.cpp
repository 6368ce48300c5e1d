#include "platform/Widgets.h"

#include "platform/Shortcuts.h"
#include "platform/SystemColors.h"

#include <QAction>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

namespace folionix::platform {

QIcon glyphIcon(const char *const xpm[])
{
    const QPixmap glyph(xpm);
    const int side = glyph.height();
    QIcon icon;
    icon.addPixmap(glyph.copy(0, 0, side, side), QIcon::Normal);
    icon.addPixmap(glyph.copy(side, 0, side, side), QIcon::Disabled);
    return icon;
}

void setBackgroundColor(QWidget *widget, quint32 storedColor, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, paintColor(storedColor));
    widget->setPalette(palette);
}

void useMinimisableTitleBar(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

QAction *addHiddenShortcut(QMenu *menu, QWidget *window, const QString &objectName,
                           const QString &caption, quint16 storedShortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setShortcut(shortcutFromStored(storedShortcut));
    window->addAction(action);
    return action;
}

void setTextColor(QWidget *widget, quint32 storedColor)
{
    const QColor color = paintColor(storedColor);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace folionix::platform
