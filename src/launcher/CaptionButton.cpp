#include "launcher/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace folionix {

QString plainCaption(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

QString fittedCaption(const QString &caption, const QFontMetrics &metrics, int width)
{
    QString line = caption;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(u'\n', u' ')
        .replace(u'\r', u' ');
    return metrics.elidedText(line, Qt::ElideRight, width, Qt::TextShowMnemonic);
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int iconRoom = option.icon.isNull() ? 0 : option.iconSize.width() + 4;
    option.text = fittedCaption(text(), fontMetrics(), contents.width() - iconRoom - 4);
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace folionix
