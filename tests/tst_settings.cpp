#include "settings/Colors.h"
#include "settings/SettingsFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace folionix;

namespace {

const QString Section = QStringLiteral("UserFormSettings");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The settings core: the integer rule, colours, the path rule and the accessor on real files.
class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();

    void integerRule_data();
    void integerRule();
    void numbersAndFlags_data();
    void numbersAndFlags();
    void colorIdentifiers_data();
    void colorIdentifiers();
    void colorToText_data();
    void colorToText();
    void textToColorFailures_data();
    void textToColorFailures();
    void colorRoundTrip();
    void settingsPath_data();
    void settingsPath();

    void missingFileGivesDefaultsAndFirstWriteCreatesIt();
    void exampleFileReadsAsShown();
    void savingTwiceKeepsOneLinePerKey();
    void awkwardValuesRoundTrip_data();
    void awkwardValuesRoundTrip();
    void refusedWrites_data();
    void refusedWrites();
    void folderAtSettingsPathReadsDefaults();
    void hostileFilesGiveDefaults_data();
    void hostileFilesGiveDefaults();
    void writeKeepsPermissionsAndFollowsLinks();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestSettings::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("%1.INI").arg(QTest::currentTestFunction()));
    QFile::remove(m_path);
}

void TestSettings::integerRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    for (const char *twelve : {"12", "+12", "012", "0x0C", "0X0C", "$0C", "x0C", "X0c", "  12", "$00000000000C"})
        QTest::newRow(twelve) << twelve << true << 12;
    QTest::newRow("-3") << "-3" << true << -3;
    QTest::newRow("-0") << "-0" << true << 0;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("many leading zeros") << QString(1000, u'0') + "7" << true << 7;
    QTest::newRow("$FFFFFFFF") << "$FFFFFFFF" << true << -1;
    QTest::newRow("$80000005") << "$80000005" << true << int(0x80000005);
    QTest::newRow("0xffffffff") << "0xffffffff" << true << -1;

    for (const char *bad : {"12pt", "2147483648", "-2147483649", "99999999999999999999", "-$5", "+0x5",
                            "$123456789", "$", "x", "0x", "-", "+", "", "   ", "12 ", "\t12", "1 2",
                            "1e3", "0x-1", "--1", "$ 1", "12\n"})
        QTest::newRow(qPrintable(QStringLiteral("bad '%1'").arg(bad))) << bad << false << 0;
    QTest::newRow("full-width digits") << QString::fromUtf8("１２") << false << 0;
}

void TestSettings::integerRule()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = ParseInteger(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestSettings::numbersAndFlags_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("flag");

    // 77 and true are the defaults passed; they come back when the text is no integer.
    QTest::newRow("1") << "1" << 1 << true;
    QTest::newRow("2") << "2" << 2 << true;
    QTest::newRow("-1") << "-1" << -1 << true;
    QTest::newRow("0") << "0" << 0 << false;
    QTest::newRow("true") << "true" << 77 << true;
    QTest::newRow("yes") << "yes" << 77 << true;
    QTest::newRow("empty") << "" << 77 << true;
    QTest::newRow("12pt") << "12pt" << 77 << true;
}

void TestSettings::numbersAndFlags()
{
    QFETCH(QString, stored);
    QFETCH(int, number);
    QFETCH(bool, flag);
    TSettingsFile ini(m_path);
    ini.WriteText(Section, QStringLiteral("Value"), stored);
    const TSettingsFile reader(m_path);
    QCOMPARE(reader.ReadNumber(Section, QStringLiteral("Value"), 77), number);
    QCOMPARE(reader.ReadFlag(Section, QStringLiteral("Value"), true), flag);
    QCOMPARE(reader.ReadFlag(Section, QStringLiteral("Value"), false), number != 0 && number != 77);
}

void TestSettings::colorIdentifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("value");
    for (const auto &entry : ColorIdentifiers)
        QTest::newRow(entry.name) << QString::fromLatin1(entry.name) << entry.value;
}

void TestSettings::colorIdentifiers()
{
    QFETCH(QString, name);
    QFETCH(quint32, value);
    QCOMPARE(ColorToText(value), name);
    QCOMPARE(TextToColor(name), value);
    QCOMPARE(TextToColor(name.toUpper()), value);
    QCOMPARE(TextToColor(name.toLower()), value);
    QCOMPARE(TextToColor(ColorToText(value)), value);

    // The table reads the same both ways: no name and no value twice.
    int sameName = 0, sameValue = 0;
    for (const auto &entry : ColorIdentifiers) {
        sameName += QString::fromLatin1(entry.name).compare(name, Qt::CaseInsensitive) == 0;
        sameValue += entry.value == value;
    }
    QCOMPARE(sameName, 1);
    QCOMPARE(sameValue, 1);
}

void TestSettings::colorToText_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QString>("text");
    QTest::newRow("cream") << 0x00F0FBFFu << "clCream";
    QTest::newRow("button face") << 0x8000000Fu << "clBtnFace";
    QTest::newRow("RGB without name") << 0x00E6F5FFu << "$00E6F5FF";
    QTest::newRow("system colour 25") << 0x80000019u << "$80000019";
    QTest::newRow("small value keeps zeros") << 0x00000001u << "$00000001";
    QTest::newRow("hex letters upper case") << 0x00abcdefu << "$00ABCDEF";
}

void TestSettings::colorToText()
{
    QFETCH(quint32, color);
    QFETCH(QString, text);
    QCOMPARE(ColorToText(color), text);
    QCOMPARE(TextToColor(text), color);
}

void TestSettings::textToColorFailures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<quint32>("color");
    QTest::newRow("$FF") << "$FF" << true << 0xFFu;
    QTest::newRow("255") << "255" << true << 0xFFu;
    QTest::newRow("0xFF") << "0xFF" << true << 0xFFu;
    QTest::newRow("0x00FF0000") << "0x00FF0000" << true << 0x00FF0000u;
    QTest::newRow("-1") << "-1" << true << 0xFFFFFFFFu;
    QTest::newRow("red") << "red" << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("$123456789") << "$123456789" << false << 0u;
    QTest::newRow("blank before name") << " clRed" << false << 0u;
    QTest::newRow("blank after name") << "clRed " << false << 0u;
    QTest::newRow("non-ASCII case fold") << QString::fromUtf8("clſilver") << false << 0u;
}

void TestSettings::textToColorFailures()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(quint32, color);
    try {
        const TColor result = TextToColor(text);
        QVERIFY2(valid, "conversion should have failed");
        QCOMPARE(result, color);
    } catch (const EConvertError &error) {
        QVERIFY2(!valid, error.what());
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
}

void TestSettings::colorRoundTrip()
{
    QRandomGenerator random(42);
    for (int i = 0; i < 20000; ++i) {
        const TColor color = random.generate();
        QCOMPARE(TextToColor(ColorToText(color)), color);
    }
}

void TestSettings::settingsPath_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("settings");
    QTest::newRow("extension") << "/books/Reader.exe" << "/books/Reader.INI";
    QTest::newRow("two extensions") << "/books/Reader.setup.exe" << "/books/Reader.setup.INI";
    QTest::newRow("dot in folder only") << "/books.old/Reader" << "/books.old/Reader.INI";
    QTest::newRow("no extension") << "/opt/folionix/folionix" << "/opt/folionix/folionix.INI";
    QTest::newRow("trailing dot") << "/books/Reader." << "/books/Reader.INI";
    QTest::newRow("Windows extension") << "C:\\Books\\Reader.exe" << "C:\\Books\\Reader.INI";
    QTest::newRow("Windows dotted folder") << "C:\\Books.old\\Reader" << "C:\\Books.old\\Reader.INI";
}

void TestSettings::settingsPath()
{
    QFETCH(QString, executable);
    QFETCH(QString, settings);
    QCOMPARE(SettingsFilePathFor(executable), settings);
}

void TestSettings::missingFileGivesDefaultsAndFirstWriteCreatesIt()
{
    {
        const TSettingsFile ini(m_path);
        QCOMPARE(ini.ReadText(Section, QStringLiteral("FormCaption"), QStringLiteral("dflt")), QStringLiteral("dflt"));
        QCOMPARE(ini.ReadNumber(Section, QStringLiteral("FontSize"), 8), 8);
        QCOMPARE(ini.ReadFlag(Section, QStringLiteral("FontBold"), false), false);
    }
    QVERIFY(!QFile::exists(m_path));

    TSettingsFile ini(m_path);
    ini.WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("Tales"));
    QCOMPARE(readFile(m_path), QByteArray("[UserFormSettings]\nFormCaption=Tales\n"));
    QCOMPARE(ini.ReadText(Section, QStringLiteral("FormCaption"), QString()), QStringLiteral("Tales"));
    ini.WriteNumber(Section, QStringLiteral("FontSize"), -5);
    ini.WriteFlag(Section, QStringLiteral("FontBold"), true);
    ini.WriteFlag(Section, QStringLiteral("FontItalics"), false);
    QCOMPARE(readFile(m_path),
             QByteArray("[UserFormSettings]\nFormCaption=Tales\nFontSize=-5\nFontBold=1\nFontItalics=0\n"));
    // Neither the lock nor a temporary file is left behind.
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files.filter(QStringLiteral(".INI")).size(), files.size());
}

void TestSettings::exampleFileReadsAsShown()
{
    writeFile(m_path, test::testData(QStringLiteral("example.ini")));
    const TSettingsFile ini(m_path);
    QCOMPARE(ini.ReadText(Section, QStringLiteral("Button2"), QStringLiteral("x")), QStringLiteral("Fog Bell"));
    QCOMPARE(ini.ReadText(Section, QStringLiteral("Button5"), QStringLiteral("x")), QString(""));
    QCOMPARE(TextToColor(ini.ReadText(Section, QStringLiteral("FormColor"), QString())), 0x00E6F5FFu);
    QCOMPARE(TextToColor(ini.ReadText(Section, QStringLiteral("FontColor"), QString())), 0x00000080u);
    QCOMPARE(ini.ReadNumber(Section, QStringLiteral("FontSize"), 0), 10);
    QCOMPARE(ini.ReadFlag(Section, QStringLiteral("FontBold"), false), true);
    QCOMPARE(ini.ReadFlag(Section, QStringLiteral("FontItalics"), true), false);
    QCOMPARE(ini.ReadText(QStringLiteral("Other"), QStringLiteral("Button2"), QStringLiteral("x")), QStringLiteral("x"));
}

void TestSettings::savingTwiceKeepsOneLinePerKey()
{
    const QByteArray before = test::testData(QStringLiteral("example.ini"));
    writeFile(m_path, before);
    for (int round = 0; round < 2; ++round) {
        TSettingsFile ini(m_path);
        for (const char *key : {"FormCaption", "Button4", "FontSize"})
            ini.WriteText(Section, QString::fromLatin1(key), QStringLiteral("v%1").arg(round));
    }
    const QByteArray after = readFile(m_path);
    QCOMPARE(after.count('\n'), before.count('\n'));
    QCOMPARE(after, QByteArray(before).replace("FormCaption=Tales from the Lighthouse", "FormCaption=v1")
                        .replace("Button4=\n", "Button4=v1\n").replace("FontSize=10", "FontSize=v1"));
}

void TestSettings::awkwardValuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("line breaks") << "First line\r\nSecond line\nThird";
    QTest::newRow("outer blanks") << "  both ends  ";
    QTest::newRow("quotes") << "\"quoted\" and 'single'";
    QTest::newRow("backslashes") << "C:\\Books\\new\\tale.pdf";
    QTest::newRow("structure characters") << "[Section]\nKey=value ; comment # too";
    QTest::newRow("tabs") << "\tcol1\tcol2\t";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ça t'intéresse? Ωμέγα 日本語 📚");
    QTest::newRow("long, no limit") << QString(100000, u'x') + "end";
    QTest::newRow("lone backslash at end") << "ends with \\";
    QTest::newRow("control characters") << QString(QChar(1)) + "a" + QChar(0) + "b";
}

void TestSettings::awkwardValuesRoundTrip()
{
    QFETCH(QString, value);
    writeFile(m_path, test::testData(QStringLiteral("example.ini")));
    {
        TSettingsFile ini(m_path);
        ini.WriteText(Section, QStringLiteral("InfoButtonText"), value);
    }
    const TSettingsFile ini(m_path);
    QCOMPARE(ini.ReadText(Section, QStringLiteral("InfoButtonText"), QString()), value);
    QCOMPARE(ini.ReadText(Section, QStringLiteral("FormColor"), QString()), QStringLiteral("$00E6F5FF"));
}

void TestSettings::refusedWrites_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("path is a folder") << "path is a folder";
}

void TestSettings::refusedWrites()
{
    QFETCH(QString, situation);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Reader.INI"));
    const QByteArray before = test::testData(QStringLiteral("example.ini"));
    if (situation == "missing folder") {
        path = dir.filePath(QStringLiteral("gone/Reader.INI"));
    } else if (situation == "path is a folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Reader.INI")));
    } else {
        writeFile(path, before);
        if (situation == "read-only file")
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        else
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    }

    TSettingsFile ini(path);
    try {
        ini.WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("new"));
        QFAIL("the write should have been refused");
    } catch (const EIniFileException &error) {
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Unable to write to %1").arg(path));
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (situation.startsWith("read-only")) {
        QCOMPARE(readFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Reader.INI")});
    } else {
        QVERIFY(!QFileInfo(path).isFile());
    }
}

void TestSettings::folderAtSettingsPathReadsDefaults()
{
    QVERIFY(QDir().mkpath(m_path));
    const TSettingsFile ini(m_path);
    QCOMPARE(ini.ReadText(Section, QStringLiteral("FormCaption"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(!QFileInfo(m_path).isFile());
    QDir(m_path).removeRecursively();

#ifdef Q_OS_UNIX
    // A named pipe would block a reader that opened it; it is no settings file.
    QVERIFY(::mkfifo(QFile::encodeName(m_path).constData(), 0600) == 0);
    TSettingsFile pipe(m_path);
    QCOMPARE(pipe.ReadText(Section, QStringLiteral("FormCaption"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY_THROWS_EXCEPTION(EIniFileException, pipe.WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("x")));
    QFile::remove(m_path);
#endif
}

void TestSettings::hostileFilesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");
    QByteArray garbage(1 << 16, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &c : garbage)
        c = char(random.bounded(256));
    const QByteArray section("\n[UserFormSettings]\nFormCaption=found\n");
    QTest::newRow("empty") << QByteArray() << "default";
    QTest::newRow("NUL bytes") << QByteArray(1 << 16, '\0') << "default";
    QTest::newRow("NUL bytes, then the section") << QByteArray(1 << 16, '\0') + section << "found";
    QTest::newRow("binary garbage") << garbage << "default";
    QTest::newRow("garbage, then the section") << garbage + section << "found";
    QTest::newRow("1 MB line, then the section") << QByteArray(1 << 20, 'x') + section << "found";
    QTest::newRow("50 MB, the section last") << QByteArray(50 << 20, '=') + section << "found";
    QTest::newRow("100 000 sections")
        << QByteArray("[S]\nk=v\n").repeated(100000) + section << "found";
}

void TestSettings::hostileFilesGiveDefaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    writeFile(m_path, bytes);
    const TSettingsFile ini(m_path);
    QCOMPARE(ini.ReadText(Section, QStringLiteral("FormCaption"), QStringLiteral("default")), caption);
    QCOMPARE(ini.ReadNumber(Section, QStringLiteral("FontSize"), 8), 8);
    QFile::remove(m_path);
}

void TestSettings::writeKeepsPermissionsAndFollowsLinks()
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("shared.INI"));
    writeFile(target, "[UserFormSettings]\nFormCaption=old\n");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(target, permissions);
    QVERIFY(QFile::link(target, m_path));

    TSettingsFile ini(m_path);
    ini.WriteText(Section, QStringLiteral("FormCaption"), QStringLiteral("new"));
    QVERIFY(QFileInfo(m_path).isSymLink());
    QCOMPARE(readFile(target), QByteArray("[UserFormSettings]\nFormCaption=new\n"));
    QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), permissions);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
