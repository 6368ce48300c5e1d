#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace folionix::platform {

namespace {

OpenHandler &openHandler()
{
    static OpenHandler handler;
    return handler;
}

} // namespace

bool hasUrlScheme(const QString &text)
{
    // Two letters at least, so "C:\Books\a.pdf" stays a file name.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

QString resolveTarget(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QString();
    if (hasUrlScheme(name) || !QFileInfo(name).isRelative())
        return name;
    const QString inCurrent = QDir::current().absoluteFilePath(name);
    if (QFileInfo::exists(inCurrent))
        return inCurrent;
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
    return QFileInfo::exists(besideProgram) ? besideProgram : inCurrent;
}

void openDocument(const QString &name)
{
    const QString target = resolveTarget(name);
    if (target.isEmpty())
        return;
    if (openHandler()) {
        openHandler()(target);
        return;
    }
    const QUrl url =
        hasUrlScheme(target) ? QUrl(target, QUrl::TolerantMode) : QUrl::fromLocalFile(target);
    QDesktopServices::openUrl(url);
}

void setOpenHandler(OpenHandler handler)
{
    openHandler() = std::move(handler);
}

} // namespace folionix::platform
