// A second program that uses the settings file, for the fault tests:
//   settings_writer keys <path> <prefix> <count>   writes keys <prefix>1 .. <prefix><count>
//   settings_writer loop <path> <size>             rewrites a large value forever, one line per save
//   settings_writer hold <path>                    takes the save lock and keeps it until killed
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QLockFile>

#include <cstdio>

using namespace folionix;

namespace {

const QString Section = QStringLiteral("UserFormSettings");

// "<n>:" then filler then ":<n>": a value whose two ends must always agree.
QString payload(int n, int size)
{
    return QStringLiteral("%1:%2:%1").arg(n).arg(QString(size, QChar(u'a' + n % 26)));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString mode = args[1];
    const QString path = args[2];
    try {
        if (mode == QLatin1String("keys") && args.size() == 5) {
            TSettingsFile ini(path);
            for (int i = 1; i <= args[4].toInt(); ++i)
                ini.WriteText(Section, args[3] + QString::number(i), QString::number(i));
            return 0;
        }
        if (mode == QLatin1String("loop") && args.size() == 4) {
            TSettingsFile ini(path);
            for (int n = 0;; ++n) {
                ini.WriteText(Section, QStringLiteral("Payload"), payload(n, args[3].toInt()));
                std::printf("%d\n", n);
                std::fflush(stdout);
            }
        }
        if (mode == QLatin1String("hold")) {
            QLockFile lock(path + QLatin1String(".lock"));
            if (!lock.tryLock(0))
                return 3;
            std::printf("locked\n");
            std::fflush(stdout);
            std::getchar();
            return 0;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 2;
}
