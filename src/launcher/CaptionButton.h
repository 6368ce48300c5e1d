#pragma once

#include <QPushButton>

namespace folionix {

// A push button whose caption, when it does not fit, is cut at the end with an ellipsis (not
// clipped on both sides) and always drawn on one line.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The caption as the reader sees it: "&" access keys removed, "&&" as one "&".
QString plainCaption(const QString &caption);

// The caption as one line that fits the width, with "&" access keys kept intact.
QString fittedCaption(const QString &caption, const QFontMetrics &metrics, int width);

} // namespace folionix
