#include "launcher/FolionixMain.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    folionix::platform::installTranslations(QLocale::system());
    folionix::TfFolionixMain window;
    window.show();
    return app.exec();
}
