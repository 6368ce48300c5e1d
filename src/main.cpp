#include "launcher/FolionixMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    folionix::TfFolionixMain window;
    window.show();
    return app.exec();
}
