#include "platform/Widgets.h"

#include "platform/SystemColors.h"

#include <QPalette>
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

void setBackgroundColor(QWidget *widget, quint32 storedColor)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, paintColor(storedColor));
    widget->setPalette(palette);
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
