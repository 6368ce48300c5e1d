#include "platform/OuterGeometry.h"

#include "platform/FrameExtents.h"

#include <QWindow>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace folionix::platform {

OuterGeometry::OuterGeometry(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

QSize OuterGeometry::size() const
{
    return m_window->size() + frameSize();
}

void OuterGeometry::resize(QSize outer)
{
    m_window->resize(outer - frameSize());
}

void OuterGeometry::setLimits(QSize minimum, QSize maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    applyLimits();
}

void OuterGeometry::applyLimits()
{
    if (m_minimum.isValid())
        m_window->setMinimumSize(m_minimum - frameSize());
    if (m_maximum.isValid())
        m_window->setMaximumSize(m_maximum - frameSize());
}

void OuterGeometry::centreOnScreen()
{
    // Before the first mapping, ask for the frame so the window appears at its size at once.
    if (m_frame.isNull() && !m_window->isVisible()) {
        const QMargins expected = expectedFrameMargins(m_window->windowHandle());
        if (!expected.isNull()) {
            const QSize outer = size();
            m_frame = expected;
            applyLimits();
            resize(outer);
        }
    }
    const QScreen *screen =
        m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect available = screen->availableGeometry();
    const QSize outer = size();
    // A window taller or wider than the screen keeps its title bar on it.
    const QPoint frameTopLeft(qMax(area.x() + (area.width() - outer.width()) / 2, available.x()),
                              qMax(area.y() + (area.height() - outer.height()) / 2, available.y()));
    placeFrame(frameTopLeft);
    m_centrePending = m_frame.isNull();
}

// The client goes inside the frame's top-left; the window manager keeps the client where it is
// asked to be and draws the frame around it.
void OuterGeometry::placeFrame(QPoint frameTopLeft)
{
    m_window->setGeometry(
        QRect(frameTopLeft + QPoint(m_frame.left(), m_frame.top()), m_window->size()));
}

bool OuterGeometry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
        case QEvent::WindowActivate:
            syncFrame();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OuterGeometry::syncFrame()
{
    const QWindow *window = m_window->windowHandle();
    const QMargins frame = window ? window->frameMargins() : QMargins();
    if (frame == m_frame)
        return;
    const QSize outer = size();
    const QPoint frameTopLeft =
        m_window->geometry().topLeft() - QPoint(m_frame.left(), m_frame.top());
    m_frame = frame;
    applyLimits();
    resize(outer);
    if (m_centrePending)
        centreOnScreen();
    else
        placeFrame(frameTopLeft);
}

} // namespace folionix::platform
