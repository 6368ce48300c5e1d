#include "settings/IniDocument.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTest>

using folionix::IniDocument;
using folionix::test::testData;

// The INI text layer: fixture files in, expected files out.
class TestIniDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readRules_data();
    void readRules();
    void exampleFile();
    void writes_data();
    void writes();
    void valueForms_data();
    void valueForms();
    void noValueInjectsLines();
    void arbitraryBytesRoundTrip();
};

void TestIniDocument::readRules_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");

    const QString s = QStringLiteral("UserFormSettings");
    QTest::newRow("blanks around key and value") << s << "FormCaption" << true << "Tales from the Lighthouse";
    QTest::newRow("key case ignored") << s << "LabelCaption" << true << "Write to the author";
    QTest::newRow("section case ignored") << "userformsettings" << "formcaption" << true << "Tales from the Lighthouse";
    QTest::newRow("; comment") << s << "Button1" << false << "";
    QTest::newRow("# comment") << s << "Button2" << false << "";
    QTest::newRow("= inside value") << s << "Button3" << true << "a=b=c";
    QTest::newRow("empty value is a value") << s << "Button4" << true << "";
    QTest::newRow("quoted blanks kept") << s << "Button5" << true << "  padded  ";
    QTest::newRow("escaped quotes") << s << "Button6" << true << "He said \"hi\"";
    QTest::newRow("backslashes literal") << s << "Manuscript1" << true << "C:\\Books\\new\\tale.pdf";
    QTest::newRow("quoted Windows path") << s << "Manuscript2" << true << "C:\\Books\\tale.pdf";
    QTest::newRow("unclosed quote literal") << s << "Manuscript3" << true << "\"unclosed";
    QTest::newRow("trailing quote literal") << s << "Manuscript4" << true << "ends with quote\"";
    QTest::newRow("empty quotes") << s << "Manuscript5" << true << "";
    QTest::newRow("tabs trimmed") << s << "Manuscript6" << true << "tabbed";
    QTest::newRow("first key wins") << s << "FontSize" << true << "8";
    QTest::newRow("key before any section") << s << "Global" << false << "";
    QTest::newRow("line without =") << s << "not a key line" << false << "";
    QTest::newRow("other section, blanks in header") << "Other" << "InfoButtonText" << true << "from other";
    QTest::newRow("first section wins") << s << "InfoButtonText" << false << "";
    QTest::newRow("missing section") << "Nowhere" << "FormCaption" << false << "";
}

void TestIniDocument::readRules()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(bool, present);
    QFETCH(QString, expected);
    const IniDocument doc = IniDocument::fromBytes(testData(QStringLiteral("ini/read-rules.ini")));
    const auto value = doc.value(section, key);
    QCOMPARE(value.has_value(), present);
    if (present)
        QCOMPARE(*value, expected);
}

void TestIniDocument::exampleFile()
{
    const IniDocument doc = IniDocument::fromBytes(testData(QStringLiteral("example.ini")));
    const QString s = QStringLiteral("UserFormSettings");
    QCOMPARE(doc.value(s, u"Button1"), QStringLiteral("The Keeper's Daughter"));
    QCOMPARE(doc.value(s, u"Button4"), QString(""));
    QCOMPARE(doc.value(s, u"Manuscript3"), QStringLiteral("LastLight.rtf"));
    QCOMPARE(doc.value(s, u"InfoButtonText"),
             QStringLiteral("Three short novels. Each button opens one in the program that your "
                            "computer uses for its type of file."));
    QCOMPARE(doc.value(s, u"FormColor"), QStringLiteral("$00E6F5FF"));
    QCOMPARE(doc.value(s, u"FontName"), QStringLiteral("Bookman Old Style"));
    QCOMPARE(doc.value(s, u"FontStrikeout"), QStringLiteral("0"));
    // Nothing changes a file that is written back unchanged.
    QCOMPARE(doc.toBytes(), testData(QStringLiteral("example.ini")));
}

void TestIniDocument::writes_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("replace in place, other lines kept") << "replace" << "FormCaption" << "New caption";
    QTest::newRow("append after last line of section") << "append" << "FontSize" << "10";
    QTest::newRow("new section at end, missing newline") << "newsection" << "FormCaption" << "X";
    QTest::newRow("CRLF kept for new lines") << "crlf" << "B" << "2";
    QTest::newRow("CR-only line ends") << "crlast" << "C" << "3";
    QTest::newRow("mixed line ends: no lines merge") << "mixed" << "K" << "v";
    QTest::newRow("byte-order mark kept") << "bom" << "A" << QString::fromUtf8("été");
    QTest::newRow("Windows-1252 converted") << "cp1252" << "Button2" << "x";
    QTest::newRow("case kept, value replaced") << "case" << "FormCaption" << "b";
    QTest::newRow("first of duplicates replaced") << "duplicates" << "A" << "9";
    QTest::newRow("line breaks quoted") << "multiline" << "InfoButtonText"
                                        << "Line one\r\n[Evil]\r\nFormColor=clBlack";
    QTest::newRow("empty file, empty value") << "empty" << "Button4" << "";
}

void TestIniDocument::writes()
{
    QFETCH(QString, fixture);
    QFETCH(QString, key);
    QFETCH(QString, value);
    IniDocument doc = IniDocument::fromBytes(testData(QStringLiteral("ini/%1.in.ini").arg(fixture)));
    doc.setValue(u"UserFormSettings", key, value);
    QCOMPARE(doc.toBytes(), testData(QStringLiteral("ini/%1.out.ini").arg(fixture)));
    QCOMPARE(IniDocument::fromBytes(doc.toBytes()).value(u"UserFormSettings", key), value);
}

void TestIniDocument::valueForms_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain") << "Fog Bell" << "Fog Bell";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("Windows path") << "C:\\Books\\tale.pdf" << "C:\\Books\\tale.pdf";
    QTest::newRow("= ; [ inside") << "a=b; [c]" << "a=b; [c]";
    QTest::newRow("starts with ;") << "; not a comment" << "; not a comment";
    QTest::newRow("inner quotes") << "say \"hi\" now" << "say \"hi\" now";
    QTest::newRow("lone quote") << "\"" << "\"";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ærø – ünïcødé 📚") << QString::fromUtf8("Ærø – ünïcødé 📚");
    QTest::newRow("leading and trailing blanks") << "  x  " << "\"  x  \"";
    QTest::newRow("tab") << "a\tb" << "\"a\\tb\"";
    QTest::newRow("CRLF") << "one\r\ntwo" << "\"one\\r\\ntwo\"";
    QTest::newRow("surrounding quotes") << "\"quoted\"" << "\"\\\"quoted\\\"\"";
    QTest::newRow("backslash in quoted value") << " C:\\x" << "\" C:\\\\x\"";
    QTest::newRow("control characters") << QString(QChar(0)) + QChar(0x1F) + QChar(0x7F)
                                       << "\"\\x00\\x1f\\x7f\"";
    QTest::newRow("quote pair only") << "\"\"" << "\"\\\"\\\"\"";
}

void TestIniDocument::valueForms()
{
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QCOMPARE(IniDocument::encodeValue(value), stored);
    QCOMPARE(IniDocument::decodeValue(stored), value);
}

void TestIniDocument::noValueInjectsLines()
{
    IniDocument doc = IniDocument::fromBytes("[UserFormSettings]\nFormColor=clCream\n");
    doc.setValue(u"UserFormSettings", u"Button1", u"x\n[UserFormSettings]\nFormColor=clBlack\rFontBold=1");
    const IniDocument reread = IniDocument::fromBytes(doc.toBytes());
    QCOMPARE(reread.value(u"UserFormSettings", u"FormColor"), QStringLiteral("clCream"));
    QCOMPARE(reread.value(u"UserFormSettings", u"FontBold"), std::nullopt);
    QCOMPARE(doc.toBytes().count('\n'), 3);
}

// Any bytes parse, and a value written into them reads back exactly while the rest keeps its
// bytes up to the changed line.
void TestIniDocument::arbitraryBytesRoundTrip()
{
    QRandomGenerator random(20261211);
    const QByteArray alphabet("[]=;#\" \t\r\n\\abcKey\x00\xff\xc3\xa9", 22);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes(random.bounded(200), Qt::Uninitialized);
        for (char &c : bytes)
            c = alphabet[random.bounded(alphabet.size())];
        IniDocument doc = IniDocument::fromBytes(bytes);
        QString value;
        for (int i = random.bounded(12); i > 0; --i)
            value += QChar(char16_t(random.bounded(1, 0x2FF)));
        doc.setValue(u"Sec", u"Key", value);
        const QByteArray written = doc.toBytes();
        const IniDocument reread = IniDocument::fromBytes(written);
        QCOMPARE(reread.value(u"Sec", u"Key"), value);
        QCOMPARE(reread.toBytes(), written);
    }
}

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
