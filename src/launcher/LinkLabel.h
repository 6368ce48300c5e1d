#pragma once

#include <QLabel>

namespace folionix {

// A transparent one-line label that reports clicks. Its text follows the access-key rule of
// buttons ("&" marks the next character, "&&" shows one "&"); a text too long for the box is
// cut at the end with an ellipsis.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace folionix
