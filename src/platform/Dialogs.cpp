#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace folionix::platform {

namespace {

void showBox(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void showInformation(const QString &text)
{
    showBox(QMessageBox::Information, QCoreApplication::translate("folionix", "Information"), text);
}

QString withFullStop(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void reportError(const QString &message)
{
    showBox(QMessageBox::Critical, applicationTitle(), withFullStop(message));
}

void reportError(const std::exception &error)
{
    try {
        reportError(QString::fromUtf8(error.what()));
    } catch (...) {
        // A report that fails itself has nowhere left to go.
    }
}

QString applicationTitleFor(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}

} // namespace folionix::platform
