#include "launcher/LinkLabel.h"

#include "launcher/CaptionButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace folionix {

void LinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     fittedCaption(text(), fontMetrics(), contentsRect().width()));
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

} // namespace folionix
