#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Shortcuts.h"
#include "platform/SystemColors.h"
#include "platform/Translations.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <QTemporaryDir>
#include <QTest>

using namespace folionix;
using test::MessageBoxWatcher;

// The desktop layer: shortcuts, titles, message boxes, the shell hand-over, system colours.
class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedShortcuts_data();
    void storedShortcuts();
    void applicationTitle_data();
    void applicationTitle();
    void fullStop_data();
    void fullStop();
    void informationBox();
    void guardTurnsExceptionsIntoReports();
    void urlSchemes_data();
    void urlSchemes();
    void relativeNamesFallBackToProgramFolder();
    void blankNamesHandNothingOver();
    void systemColorsFollowPalette();
    void germanTranslation();
};

void TestPlatform::storedShortcuts_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QKeySequence>("expected");
    QTest::newRow("Ctrl+Alt+W") << 49239 << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_W);
    QTest::newRow("F1") << 112 << QKeySequence(Qt::Key_F1);
    QTest::newRow("Shift+F12") << (0x2000 | 0x7B) << QKeySequence(Qt::SHIFT | Qt::Key_F12);
    QTest::newRow("Ctrl+S") << (0x4000 | 'S') << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Alt+5") << (0x8000 | '5') << QKeySequence(Qt::ALT | Qt::Key_5);
    QTest::newRow("Delete") << 0x2E << QKeySequence(Qt::Key_Delete);
    QTest::newRow("none") << 0 << QKeySequence();
    QTest::newRow("unknown key") << (0x4000 | 0xE5) << QKeySequence();
}

void TestPlatform::storedShortcuts()
{
    QFETCH(int, stored);
    QFETCH(QKeySequence, expected);
    QCOMPARE(platform::shortcutFromStored(quint16(stored)), expected);
}

void TestPlatform::applicationTitle_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "/opt/folionix/folionix" << "folionix";
    QTest::newRow("extension") << "/books/Reader.exe" << "Reader";
    QTest::newRow("first full stop") << "/books/READER.setup.exe" << "Reader";
    QTest::newRow("dotted folder") << "/books.old/MyBooks" << "Mybooks";
}

void TestPlatform::applicationTitle()
{
    QFETCH(QString, executable);
    QFETCH(QString, title);
    QCOMPARE(platform::applicationTitleFor(executable), title);
}

void TestPlatform::fullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "'red' is not a valid integer value" << "'red' is not a valid integer value.";
    QTest::newRow("path") << "Unable to write to /x/Reader.INI" << "Unable to write to /x/Reader.INI.";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("quote sorts before") << "Bad 'x'" << "Bad 'x'";
    QTest::newRow("bracket sorts before") << "(x)" << "(x)";
    QTest::newRow("slash sorts after") << "a/" << "a/.";
    QTest::newRow("empty") << "" << "";
}

void TestPlatform::fullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(platform::withFullStop(message), shown);
}

void TestPlatform::informationBox()
{
    MessageBoxWatcher watcher;
    platform::showInformation(QStringLiteral("<b>Tom & Jerry</b>"));
    QCOMPARE(watcher.boxes.size(), 1);
    const auto &box = watcher.boxes.first();
    QCOMPARE(box.title, QStringLiteral("Information"));
    QCOMPARE(box.text, QStringLiteral("<b>Tom & Jerry</b>"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.okIsDefaultAndEscape);
}

void TestPlatform::guardTurnsExceptionsIntoReports()
{
    MessageBoxWatcher watcher;
    bool after = false;
    platform::guarded([&] {
        throw std::runtime_error("'red' is not a valid integer value");
        after = true;
    });
    platform::guarded([] { throw 42; });
    QVERIFY(!after);
    QCOMPARE(watcher.texts(), QStringList({"'red' is not a valid integer value.", "Unknown error."}));
    QCOMPARE(watcher.boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(watcher.boxes.first().title, platform::applicationTitle());
    QCOMPARE(watcher.boxes.first().title, QStringLiteral("tst_platform"));
}

void TestPlatform::urlSchemes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scheme");
    QTest::newRow("https") << "https://example.org/books" << true;
    QTest::newRow("mailto") << "mailto:author@example.org" << true;
    QTest::newRow("file URL") << "file:///tmp/x.pdf" << true;
    QTest::newRow("plain address") << "author@example.org" << false;
    QTest::newRow("drive letter") << "C:\\Books\\a.pdf" << false;
    QTest::newRow("relative name") << "Fog Bell.pdf" << false;
    QTest::newRow("drive letter, forward slashes") << "C:/Books/a.pdf" << false;
}

void TestPlatform::urlSchemes()
{
    QFETCH(QString, text);
    QFETCH(bool, scheme);
    QCOMPARE(platform::hasUrlScheme(text), scheme);
}

void TestPlatform::relativeNamesFallBackToProgramFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString besideProgram = QStringLiteral("tst_platform beside program.txt");
    QFile(programDir.filePath(besideProgram)).open(QIODevice::WriteOnly);
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    QFile(QDir(current.path()).filePath(QStringLiteral("here.txt"))).open(QIODevice::WriteOnly);
    QFile(QDir(current.path()).filePath(besideProgram)).remove();

    QCOMPARE(platform::resolveTarget(QStringLiteral("here.txt")), QDir(current.path()).filePath("here.txt"));
    QCOMPARE(platform::resolveTarget(besideProgram), programDir.filePath(besideProgram));
    QCOMPARE(platform::resolveTarget(QStringLiteral("nowhere.pdf")), QDir(current.path()).filePath("nowhere.pdf"));
    QCOMPARE(platform::resolveTarget(QStringLiteral("/abs/path.pdf")), QStringLiteral("/abs/path.pdf"));
    QCOMPARE(platform::resolveTarget(QStringLiteral("https://example.org")), QStringLiteral("https://example.org"));

    QDir::setCurrent(previous);
    QFile::remove(programDir.filePath(besideProgram));
}

void TestPlatform::blankNamesHandNothingOver()
{
    QStringList handed;
    platform::setOpenHandler([&](const QString &target) { handed << target; });
    platform::openDocument(QString());
    platform::openDocument(QStringLiteral(" \t "));
    platform::openDocument(QStringLiteral("/tmp/-rf; $(reboot) \"x\".pdf"));
    platform::setOpenHandler({});
    QCOMPARE(handed, QStringList{QStringLiteral("/tmp/-rf; $(reboot) \"x\".pdf")});
}

void TestPlatform::systemColorsFollowPalette()
{
    const QPalette saved = QGuiApplication::palette();
    QPalette fixed = saved;
    fixed.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    fixed.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    QGuiApplication::setPalette(fixed);
    QCOMPARE(platform::paintColor(0x8000000F), QColor(0xF0, 0xF0, 0xF0)); // clBtnFace
    QCOMPARE(platform::paintColor(0x80000005), QColor(0x20, 0x20, 0x20)); // clWindow
    for (int index = 0; index <= 30; ++index)
        QVERIFY(platform::systemColor(index).isValid());
    QGuiApplication::setPalette(saved);

    QCOMPARE(platform::paintColor(0x00E6F5FF), QColor(255, 245, 230));
    QCOMPARE(platform::storedColor(QColor(255, 245, 230)), 0x00E6F5FFu);
    QCOMPARE(platform::paintColor(0x1FFFFFFF), QColor(255, 255, 255)); // clNone: its low bytes
}

void TestPlatform::germanTranslation()
{
    QVERIFY(!platform::installTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    QVERIFY(platform::installTranslations(QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(QCoreApplication::translate("FolionixConst", "No manuscript names have been assigned."),
             QStringLiteral("Es wurden keine Manuskriptnamen vergeben."));
    QCOMPARE(QCoreApplication::translate("folionix", "Unable to write to %1").arg("x"),
             QStringLiteral("In x kann nicht geschrieben werden"));
    // Qt's own dialogs speak German too where Qt's translations are installed.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
