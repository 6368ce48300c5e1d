#pragma once

#include "settings/SettingsFile.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace folionix::test {

// Answers every modal message box that opens while it lives, from inside the box's own event
// loop, and records what the box said. Tests assert on the record afterwards.
class MessageBoxWatcher : public QObject {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttonCount;
        bool okIsDefaultAndEscape;
    };

    MessageBoxWatcher()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    QList<Box> boxes;
    // Runs while a box is open, before it is closed (to look at the window behind it).
    std::function<void(QMessageBox *)> whileOpen;
    // Runs once for each other modal window (a dialog, the settings editor); it must close it.
    std::function<void(QWidget *)> onOtherModal;

    QStringList texts() const
    {
        QStringList out;
        for (const Box &box : boxes)
            out << box.text;
        return out;
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (onOtherModal && modal != m_lastOther) {
                m_lastOther = modal;
                onOtherModal(modal);
            }
            return;
        }
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        boxes.append({box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()),
                      ok && box->defaultButton() == ok && box->escapeButton() == ok});
        if (whileOpen)
            whileOpen(box);
        box->done(QMessageBox::Ok);
    }

    QTimer m_timer;
    QPointer<QWidget> m_lastOther;
};

// Qt's offscreen platform warns each time a window's size limits change; those lines would bury
// real warnings. Call from initTestCase(), after Qt Test has installed its own handler.
inline void silenceOffscreenSizeHintWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(QLatin1String("does not support propagateSizeHints")))
            previous(type, context, message);
    });
}

// The settings file of the running test program, written for one test and removed after it.
inline void writeSettingsFile(const QByteArray &bytes)
{
    QFile file(SettingsFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test settings file");
}

inline void removeSettingsFile()
{
    QFile::remove(SettingsFilePath());
}

inline QByteArray readSettingsFile()
{
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray testData(const QString &name)
{
    QFile file(QStringLiteral(FOLIONIX_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

} // namespace folionix::test
