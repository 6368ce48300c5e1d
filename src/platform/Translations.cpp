#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace folionix::platform {

bool installTranslations(const QLocale &locale)
{
    auto load = [&](const QString &name, const QStringList &folders) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        for (const QString &folder : folders) {
            if (translator->load(locale, name, QStringLiteral("_"), folder)) {
                QCoreApplication::installTranslator(translator.release());
                return true;
            }
        }
        return false;
    };
    load(QStringLiteral("qtbase"),
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return load(QStringLiteral("folionix"), {QStringLiteral(":/i18n")});
}

} // namespace folionix::platform
