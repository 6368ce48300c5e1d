#pragma once

#include <QString>

#include <exception>
#include <stdexcept>
#include <utility>

namespace folionix::platform {

// The program's one message box: caption "Information", information icon, the text as plain
// text, one OK that Enter and Esc both close. Modal; returns when closed.
void showInformation(const QString &text);

// The report for a failure that escaped a handler: the message with a full stop added when its
// last character sorts after ".", under the application title, with the error icon.
void reportError(const std::exception &error);
void reportError(const QString &message);

// The executable's file name cut at its first full stop, everything after the first character
// in lower case ("Reader.setup.exe" gives "Reader").
QString applicationTitle();
QString applicationTitleFor(const QString &executablePath);
QString withFullStop(const QString &message);

// Runs an event handler so that no exception leaves it: a failure ends the handler where it
// happened and goes to reportError.
template<typename Handler> void guarded(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &error) {
        reportError(error);
    } catch (...) {
        reportError(std::runtime_error("Unknown error"));
    }
}

// The same as a slot: connect(button, &QPushButton::clicked, this, guardedSlot([this] { … })).
template<typename Handler> auto guardedSlot(Handler handler)
{
    return [handler] { guarded(handler); };
}

} // namespace folionix::platform
