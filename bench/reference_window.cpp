// The floor: a bare Qt Widgets window of the launcher's size and colour with one button, placed
// where the launcher's client area goes.
//   reference_window [x y [font-family point-size]]   (the font makes a second, fairer floor)
#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(255, 245, 230));
    window.setPalette(palette);
    window.setWindowTitle(QStringLiteral("Reference"));
    QPushButton button(QStringLiteral("Button"), &window);
    button.setGeometry(49, 18, 280, 25);
    const int x = argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 448;
    const int y = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 427;
    window.setGeometry(x, y, 384, 185);
    if (argc > 4) {
        QFont font(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]).toInt());
        font.setBold(true);
        window.setFont(font);
    }
    window.show();
    return app.exec();
}
