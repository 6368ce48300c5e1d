#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

class QWidget;

namespace folionix::platform {

// Keeps a top-level window at an outer size (frame and title bar included) and within outer
// size limits. Qt sizes the client area, and an X11 window manager tells the frame size only
// after mapping; until then no frame is assumed, and once it is known the client area is
// corrected (and a pending centring repeated) so the outer size is the one asked for.
class OuterGeometry : public QObject {
    Q_OBJECT
public:
    explicit OuterGeometry(QWidget *window);

    QSize size() const;
    void resize(QSize outer);
    void setLimits(QSize minimum, QSize maximum);
    // Centres the frame on the window's screen; repeated once if the frame is not known yet.
    void centreOnScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void syncFrame();
    void placeFrame(QPoint frameTopLeft);
    void applyLimits();
    QSize frameSize() const
    {
        return {m_frame.left() + m_frame.right(), m_frame.top() + m_frame.bottom()};
    }

    QWidget *m_window;
    QMargins m_frame;
    QSize m_minimum;
    QSize m_maximum;
    bool m_centrePending = false;
};

} // namespace folionix::platform
