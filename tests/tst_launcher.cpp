#include "launcher/CaptionButton.h"
#include "launcher/FolionixMain.h"
#include "launcher/FolionixUtils.h"
#include "platform/Shell.h"
#include "platform/SystemColors.h"
#include "settings/SettingsKeys.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace folionix;
using test::MessageBoxWatcher;
using test::writeSettingsFile;

namespace {

QByteArray settings(const QByteArray &lines)
{
    return "[UserFormSettings]\n" + lines;
}

} // namespace

// The launcher window: declared layout, applying the settings file, and the reader's actions.
class TestLauncher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::silenceOffscreenSizeHintWarnings(); }
    void init();
    void cleanup();

    void declaredStateWithoutSettingsFile();
    void tabOrderPutsInfoSecond();
    void hiddenShortcutsNeverShow();
    void sizeLimits();

    void layoutTable_data();
    void layoutTable();
    void manuscriptCount_data();
    void manuscriptCount();
    void captionSelectorOutOfRange();
    void brightness_data();
    void brightness();
    void contrastOnDesktopColours();
    void exampleFileApplied();
    void absentButtonKeyGivesEmptyCaption();
    void badColourStopsApplying_data();
    void badColourStopsApplying();
    void fontStylesAccumulate();
    void fontEdgeValues_data();
    void fontEdgeValues();
    void laterApplyKeepsTopLeft();
    void longCaptionsEndInEllipsis_data();
    void longCaptionsEndInEllipsis();
    void awkwardCaptionsRender();
    void screenReadersHearCaptionsAndPurpose();

    void manuscriptButtonsOpenTheirOwnKey_data();
    void manuscriptButtonsOpenTheirOwnKey();
    void manuscriptClickWithoutFileOrName();
    void manuscriptNamesReachDesktopIntact_data();
    void manuscriptNamesReachDesktopIntact();
    void manuscriptReadAtClickTime();
    void linkTarget_data();
    void linkTarget();
    void infoShowsAuthorText_data();
    void infoShowsAuthorText();
    void f1OpensHelpWhateverHasFocus_data();
    void f1OpensHelpWhateverHasFocus();

private:
    TfFolionixMain *showLauncher();
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(name); }
    QLabel *label() const { return m_window->findChild<QLabel *>("lblemailAuthor"); }
    QList<int> visibleButtons() const;

    std::unique_ptr<TfFolionixMain> m_window;
    std::unique_ptr<MessageBoxWatcher> m_boxes;
    QStringList m_opened;
};

void TestLauncher::init()
{
    test::removeSettingsFile();
    m_boxes = std::make_unique<MessageBoxWatcher>();
    m_opened.clear();
    platform::setOpenHandler([this](const QString &target) { m_opened << target; });
}

void TestLauncher::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    platform::setOpenHandler({});
    test::removeSettingsFile();
}

TfFolionixMain *TestLauncher::showLauncher()
{
    m_window = std::make_unique<TfFolionixMain>();
    m_window->show();
    return m_window.get();
}

QList<int> TestLauncher::visibleButtons() const
{
    QList<int> shown;
    for (int n = 1; n <= 6; ++n) {
        if (!m_window->manuscriptButton(n)->isHidden())
            shown << n;
    }
    return shown;
}

void TestLauncher::declaredStateWithoutSettingsFile()
{
    TfFolionixMain *w = showLauncher();
    QCOMPARE(fFolionixMain, w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Replace this"));
    QCOMPARE(label()->text(), QStringLiteral("Replace this"));
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(w->manuscriptButton(n)->text(), QStringLiteral("Replace%1").arg(n));
    QCOMPARE(visibleButtons(), QList<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(button("btnInfo")->text(), QStringLiteral("Info"));
    QVERIFY(!button("btnInfo")->icon().isNull());
    QCOMPARE(w->frameGeometry().size(), QSize(386, 343));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 251, 240));
    QCOMPARE(w->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(w->font().pointSize(), 8);
    QCOMPARE(w->manuscriptButton(3)->font(), w->font());
    QVERIFY(label()->font().bold() && label()->font().underline());
    QCOMPARE(label()->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(label()->geometry(), QRect(8, 277, 281, 13));
    QCOMPARE(button("btnInfo")->geometry(), QRect(290, 270, 75, 25));
    QCOMPARE(w->manuscriptButton(4)->geometry(), QRect(49, 145, 280, 25));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QRect screen = w->screen()->geometry();
    QCOMPARE(w->pos(), QPoint((screen.width() - 386) / 2, (screen.height() - 343) / 2));
    QVERIFY(m_boxes->boxes.isEmpty());
}

void TestLauncher::tabOrderPutsInfoSecond()
{
    TfFolionixMain *w = showLauncher();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), button("btnManuscript1"));
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"btnManuscript1", "btnInfo", "btnManuscript2", "btnManuscript3",
                                 "btnManuscript4", "btnManuscript5", "btnManuscript6"}));
    QCOMPARE(QApplication::focusWidget(), button("btnManuscript1"));
}

void TestLauncher::hiddenShortcutsNeverShow()
{
    TfFolionixMain *w = showLauncher();
    QStringList shortcuts;
    for (const QAction *action : w->actions())
        shortcuts << action->objectName() + '=' + action->shortcut().toString();
    QCOMPARE(shortcuts, QStringList({"mniOpenSettings=Ctrl+Alt+W", "pumniHelp=F1"}));

    for (QWidget *target : {static_cast<QWidget *>(w), static_cast<QWidget *>(button("btnManuscript2")),
                            static_cast<QWidget *>(label())}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }
    QVERIFY(!w->findChild<QMenu *>("pum")->isVisible());
    for (const QWidget *child : w->findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<const QAbstractButton *>(child))
            QVERIFY(b->text() != "openSettings" && b->text() != "help");
    }
}

void TestLauncher::sizeLimits()
{
    TfFolionixMain *w = showLauncher();
    // Limits hold for the outer size, whatever frame the platform reports.
    const QSize frame = w->frameGeometry().size() - w->size();
    QCOMPARE(w->minimumSize() + frame, QSize(386, 114));
    QCOMPARE(w->maximumSize() + frame, QSize(386, 343));
    w->resize(200, 50);
    QCOMPARE(w->frameGeometry().size(), QSize(386, 114));
    w->resize(600, 900);
    QCOMPARE(w->frameGeometry().size(), QSize(386, 343));
}

void TestLauncher::layoutTable_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("labelTop");
    QTest::addColumn<int>("infoTop");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("message");

    // Rows other than 1..6 keep the previous geometry, here the three-button layout.
    QTest::newRow("0") << 0 << 210 << 144 << 137 << QList<int>{} << "No manuscript names have been assigned.";
    QTest::newRow("1") << 1 << 114 << 56 << 49 << QList<int>{1} << "";
    QTest::newRow("2") << 2 << 162 << 100 << 93 << QList<int>{1, 2} << "";
    QTest::newRow("3") << 3 << 210 << 144 << 137 << QList<int>{1, 2, 3} << "";
    QTest::newRow("4") << 4 << 258 << 192 << 185 << QList<int>{1, 2, 3, 4} << "";
    QTest::newRow("5") << 5 << 306 << 240 << 233 << QList<int>{1, 2, 3, 4, 5} << "";
    QTest::newRow("6") << 6 << 343 << 277 << 270 << QList<int>{1, 2, 3, 4, 5, 6} << "";
    QTest::newRow("7") << 7 << 210 << 144 << 137 << QList<int>{1, 2, 3, 4, 5, 6}
                       << "Number of buttons in SetButtons() case statement (7) out of range.";
    QTest::newRow("-1") << -1 << 210 << 144 << 137 << QList<int>{}
                        << "Number of buttons in SetButtons() case statement (-1) out of range.";
}

void TestLauncher::layoutTable()
{
    QFETCH(int, count);
    QFETCH(int, height);
    QFETCH(int, labelTop);
    QFETCH(int, infoTop);
    QFETCH(QList<int>, shown);
    QFETCH(QString, message);

    writeSettingsFile(settings("Manuscript3=c.pdf\nButton1=One\nButton2=Two\nButton6=Six\n"));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->outerHeight(), 210);
    m_boxes->boxes.clear();

    w->SetButtons(count);
    QCOMPARE(w->outerHeight(), height);
    QCOMPARE(label()->y(), labelTop);
    QCOMPARE(button("btnInfo")->y(), infoTop);
    QCOMPARE(visibleButtons(), shown);
    QCOMPARE(m_boxes->texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (shown.contains(6))
        QCOMPARE(w->manuscriptButton(6)->text(), QStringLiteral("Six"));
    if (shown.contains(1))
        QCOMPARE(w->manuscriptButton(1)->text(), QStringLiteral("One"));
}

void TestLauncher::manuscriptCount_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("count");
    QTest::newRow("no file") << false << QByteArray() << 6;
    QTest::newRow("no section") << true << QByteArray("[Other]\nManuscript2=x\n") << 0;
    QTest::newRow("all absent") << true << settings("") << 0;
    QTest::newRow("empty and blank")
        << true << settings("Manuscript1=\nManuscript2=   \nManuscript3=\t\nManuscript4=\" \t \"\n") << 0;
    QTest::newRow("only Manuscript4") << true << settings("Manuscript4=d.pdf\n") << 4;
    QTest::newRow("gap below highest") << true << settings("Manuscript1=a\nManuscript6=f\n") << 6;
}

void TestLauncher::manuscriptCount()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, lines);
    QFETCH(int, count);
    if (fileExists)
        writeSettingsFile(lines);
    QCOMPARE(GetManuscriptCount(), count);
}

void TestLauncher::captionSelectorOutOfRange()
{
    writeSettingsFile(settings("Button1=One\n"));
    QCOMPARE(GetManuscriptCaption(1), QStringLiteral("One"));
    QCOMPARE(GetManuscriptCaption(0), QString());
    QCOMPARE(GetManuscriptCaption(7), QString());
    QCOMPARE(m_boxes->texts(), QStringList(2, "Bogus selector in GetManuscriptCaption() case statement"));
    QCOMPARE(m_boxes->boxes.first().title, QStringLiteral("Information"));
}

void TestLauncher::brightness_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<quint32>("contrast");
    QTest::newRow("white") << 0x00FFFFFFu << 255 << clBlack;
    QTest::newRow("black") << 0x00000000u << 0 << clWhite;
    QTest::newRow("red") << 0x000000FFu << 76 << clWhite;
    QTest::newRow("green") << 0x0000FF00u << 150 << clBlack;
    QTest::newRow("blue") << 0x00FF0000u << 27 << clWhite;
    QTest::newRow("clGray, 128") << 0x00808080u << 128 << clBlack;
    QTest::newRow("grey 127") << 0x007F7F7Fu << 127 << clWhite;
    QTest::newRow("clCream") << 0x00F0FBFFu << 251 << clBlack;
    QTest::newRow("top byte ignored") << 0x12FFFFFFu << 255 << clBlack;
}

void TestLauncher::brightness()
{
    QFETCH(quint32, color);
    QFETCH(int, brightness);
    QFETCH(quint32, contrast);
    QCOMPARE(GetColorBrightness(color), brightness);
    if ((color >> 24) == 0)
        QCOMPARE(GetContrastingColor(color), contrast);
}

// Desktop colours are weighed as the reader sees them, not by their raw index bytes.
void TestLauncher::contrastOnDesktopColours()
{
    const QPalette saved = QGuiApplication::palette();
    QPalette fixed = saved;
    fixed.setColor(QPalette::Button, QColor(0xF0, 0xF0, 0xF0));
    fixed.setColor(QPalette::Base, QColor(0x10, 0x10, 0x30));
    QGuiApplication::setPalette(fixed);
    QVERIFY(GetColorBrightness(clBtnFace) <= 9);
    QCOMPARE(GetContrastingColor(clBtnFace), clBlack);
    QCOMPARE(GetContrastingColor(clWindow), clWhite);

    writeSettingsFile(settings("Manuscript1=a\nFormColor=clBtnFace\n"));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0xF0, 0xF0, 0xF0));
    QCOMPARE(label()->palette().color(QPalette::WindowText), QColor(Qt::black));
    QGuiApplication::setPalette(saved);
}

void TestLauncher::exampleFileApplied()
{
    writeSettingsFile(test::testData(QStringLiteral("example.ini")));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->windowTitle(), QStringLiteral("Tales from the Lighthouse"));
    QCOMPARE(label()->text(), QStringLiteral("Write to the author"));
    QCOMPARE(visibleButtons(), QList<int>({1, 2, 3}));
    QCOMPARE(w->manuscriptButton(1)->text(), QStringLiteral("The Keeper's Daughter"));
    QCOMPARE(w->manuscriptButton(3)->text(), QStringLiteral("Last Light"));
    QCOMPARE(w->outerHeight(), 210);
    QCOMPARE(label()->y(), 144);
    QCOMPARE(button("btnInfo")->y(), 137);
    QCOMPARE(w->formColor(), 0x00E6F5FFu);
    QCOMPARE(w->palette().color(QPalette::Window), QColor(255, 245, 230));
    QCOMPARE(w->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    QCOMPARE(w->font().family(), QStringLiteral("Bookman Old Style"));
    QCOMPARE(w->font().pointSize(), 10);
    QVERIFY(w->font().bold() && !w->font().italic() && !w->font().underline() && !w->font().strikeOut());
    QCOMPARE(w->manuscriptButton(2)->font(), w->font());
    QCOMPARE(label()->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(label()->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(m_boxes->boxes.isEmpty());
}

void TestLauncher::absentButtonKeyGivesEmptyCaption()
{
    writeSettingsFile(settings("Manuscript2=b.pdf\nButton1=One\n"));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->manuscriptButton(1)->text(), QStringLiteral("One"));
    QCOMPARE(w->manuscriptButton(2)->text(), QString());
    // Hidden buttons keep their declared captions.
    QCOMPARE(w->manuscriptButton(3)->text(), QStringLiteral("Replace3"));
}

void TestLauncher::badColourStopsApplying_data()
{
    QTest::addColumn<QByteArray>("colours");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QColor>("window");
    QTest::newRow("empty FormColor") << QByteArray("FormColor=\nFontColor=clRed\n")
                                     << "'' is not a valid integer value." << QColor(255, 251, 240);
    QTest::newRow("bad FontColor after good FormColor") << QByteArray("FormColor=clNavy\nFontColor=red\n")
                                                        << "'red' is not a valid integer value." << QColor(0, 0, 128);
}

void TestLauncher::badColourStopsApplying()
{
    QFETCH(QByteArray, colours);
    QFETCH(QString, message);
    QFETCH(QColor, window);
    writeSettingsFile(settings("FormCaption=Mine\nLabelCaption=Write\nButton1=One\nManuscript1=a.pdf\n"
                               "FontName=Courier\nFontBold=1\n" + colours));
    TfFolionixMain *w = showLauncher();

    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(m_boxes->boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(m_boxes->boxes.first().title, QStringLiteral("tst_launcher"));
    // Applied before the bad key:
    QCOMPARE(w->windowTitle(), QStringLiteral("Mine"));
    QCOMPARE(label()->text(), QStringLiteral("Write"));
    QCOMPARE(w->manuscriptButton(1)->text(), QStringLiteral("One"));
    QCOMPARE(w->palette().color(QPalette::Window), window);
    // Not applied from the bad key on: font, buttons, height, label colour.
    QCOMPARE(w->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(!w->font().bold());
    QCOMPARE(w->palette().color(QPalette::ButtonText), platform::systemColor(8));
    QCOMPARE(visibleButtons(), QList<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(w->outerHeight(), 343);
    QCOMPARE(label()->palette().color(QPalette::WindowText), QColor(Qt::black));
    // The window still opens, centred.
    QVERIFY(w->isVisible());
    const QRect screen = w->screen()->geometry();
    QCOMPARE(w->pos(), QPoint((screen.width() - 386) / 2, (screen.height() - 343) / 2));
}

void TestLauncher::fontStylesAccumulate()
{
    writeSettingsFile(settings("Manuscript1=a\nFontBold=1\nFontStrikeout=1\n"));
    TfFolionixMain *w = showLauncher();
    QVERIFY(w->font().bold() && w->font().strikeOut() && !w->font().italic());
    writeSettingsFile(settings("Manuscript1=a\nFontBold=0\nFontStrikeout=0\nFontItalics=1\n"));
    w->SetUserProperties();
    QVERIFY(w->font().bold() && w->font().strikeOut() && w->font().italic());
}

void TestLauncher::fontEdgeValues_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("size 0 keeps size") << QByteArray("FontSize=0\n") << "MS Sans Serif" << 8;
    QTest::newRow("negative size keeps size") << QByteArray("FontSize=-12\n") << "MS Sans Serif" << 8;
    QTest::newRow("huge size is bounded") << QByteArray("FontSize=2147483647\n") << "MS Sans Serif" << 144;
    QTest::newRow("text size keeps size") << QByteArray("FontSize=12pt\n") << "MS Sans Serif" << 8;
    QTest::newRow("empty face keeps face") << QByteArray("FontName=\nFontSize=12\n") << "MS Sans Serif" << 12;
    QTest::newRow("face cut to 31") << QByteArray("FontName=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n")
                                    << "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234" << 8;
}

void TestLauncher::fontEdgeValues()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QFont|QPainter|QTextLayout|[Ff]ont")));
    writeSettingsFile(settings("Manuscript1=a\n" + lines));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSize(), pointSize);
    QVERIFY(!w->grab().isNull());
}

void TestLauncher::laterApplyKeepsTopLeft()
{
    writeSettingsFile(settings("Manuscript6=f\n"));
    TfFolionixMain *w = showLauncher();
    w->move(40, 30);
    const QPoint topLeft = w->pos();
    writeSettingsFile(settings("Manuscript2=b\n"));
    w->SetUserProperties();
    QCOMPARE(w->outerHeight(), 162);
    QCOMPARE(w->pos(), topLeft);
}

void TestLauncher::longCaptionsEndInEllipsis_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "Fog Bell" << "Fog Bell";
    QTest::newRow("access keys kept") << "Tom && &Jerry" << "Tom && &Jerry";
    QTest::newRow("line breaks become blanks") << "Fog\r\nBell\nTwo" << "Fog Bell Two";
    QTest::newRow("too long") << QString(200, u'W') << "";
}

void TestLauncher::longCaptionsEndInEllipsis()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 8));
    const QString fitted = fittedCaption(caption, metrics, 200);
    if (shown.isEmpty()) {
        QVERIFY(fitted.startsWith(QStringLiteral("WWW")));
        QVERIFY(fitted.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(fitted) <= 200);
    } else {
        QCOMPARE(fitted, shown);
    }
}

void TestLauncher::awkwardCaptionsRender()
{
    const QByteArray longText(20000, 'W');
    writeSettingsFile(settings("FormCaption=\"Line\\nbreak [*] & more\"\nLabelCaption=\"Two\\nlines && " + longText +
                               "\"\nButton1=\"&Tom && Jerry\\r\\nsecond line " + longText + "\"\nManuscript1=a\n"));
    TfFolionixMain *w = showLauncher();
    QCOMPARE(w->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Line\nbreak  & more"));
    QVERIFY(w->manuscriptButton(1)->text().startsWith(QStringLiteral("&Tom && Jerry\r\nsecond line")));
    QVERIFY(!w->grab().isNull());
}

void TestLauncher::screenReadersHearCaptionsAndPurpose()
{
    writeSettingsFile(settings("Button1=Tom && &Jerry\nManuscript1=a\nLabelCaption=&Write to me\n"));
    TfFolionixMain *w = showLauncher();
    QAccessibleInterface *first = QAccessible::queryAccessibleInterface(w->manuscriptButton(1));
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("Tom & Jerry"));
    QVERIFY(first->text(QAccessible::Description).contains(QStringLiteral("manuscript 1")));
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label());
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Write to me"));
    QVERIFY(!link->text(QAccessible::Description).isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(button("btnInfo"))->text(QAccessible::Description).isEmpty());
    QCOMPARE(plainCaption(QStringLiteral("a && b &c &")), QStringLiteral("a & b c &"));
}

void TestLauncher::manuscriptButtonsOpenTheirOwnKey_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 6; ++n)
        QTest::newRow(qPrintable(QStringLiteral("button %1").arg(n))) << n;
}

void TestLauncher::manuscriptButtonsOpenTheirOwnKey()
{
    QFETCH(int, number);
    QByteArray lines;
    for (int n = 1; n <= 6; ++n)
        lines += QStringLiteral("Button%1=Doc %2\nManuscript%1=/books/doc%1.pdf\n").arg(n).arg(7 - n).toUtf8();
    writeSettingsFile(settings(lines));
    TfFolionixMain *w = showLauncher();
    QTest::mouseClick(w->manuscriptButton(number), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{QStringLiteral("/books/doc%1.pdf").arg(number)});
}

void TestLauncher::manuscriptClickWithoutFileOrName()
{
    TfFolionixMain *w = showLauncher();
    QTest::mouseClick(w->manuscriptButton(1), Qt::LeftButton);
    QVERIFY(m_opened.isEmpty());
    // A button shown below a higher manuscript but without a name of its own hands nothing over.
    writeSettingsFile(settings("Manuscript2=\nManuscript3=c.pdf\n"));
    w->SetUserProperties();
    QTest::mouseClick(w->manuscriptButton(2), Qt::LeftButton);
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_boxes->boxes.isEmpty());
}

void TestLauncher::manuscriptNamesReachDesktopIntact_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << "/books/The Keeper's Daughter.pdf";
    QTest::newRow("leading dash") << "/books/-rf --help.pdf";
    QTest::newRow("quotes and shell syntax") << "/books/\"a\"; $(reboot) `id` |x.pdf";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/books/Ærø – 日本語.pdf");
    QTest::newRow("web address") << "https://example.org/books/tale.pdf";
}

void TestLauncher::manuscriptNamesReachDesktopIntact()
{
    QFETCH(QString, name);
    TSettingsFile(SettingsFilePath()).WriteText(SettingsSection, QStringLiteral("Manuscript1"), name);
    TfFolionixMain *w = showLauncher();
    QTest::mouseClick(w->manuscriptButton(1), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{name});
}

void TestLauncher::manuscriptReadAtClickTime()
{
    // A name that lies only beside the program is found there, whatever the current directory.
    const QString programDir = QCoreApplication::applicationDirPath();
    QFile(programDir + QStringLiteral("/tst_launcher_first.pdf")).open(QIODevice::WriteOnly);
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    writeSettingsFile(settings("Manuscript1=tst_launcher_first.pdf\n"));
    TfFolionixMain *w = showLauncher();
    QTest::mouseClick(w->manuscriptButton(1), Qt::LeftButton);
    writeSettingsFile(settings("Manuscript1=/books/second.pdf\n"));
    QTest::mouseClick(w->manuscriptButton(1), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList({programDir + "/tst_launcher_first.pdf", "/books/second.pdf"}));

    QDir::setCurrent(previous);
    QFile::remove(programDir + QStringLiteral("/tst_launcher_first.pdf"));
}

void TestLauncher::linkTarget_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("target");
    QTest::newRow("plain address") << true << "author@example.org" << "mailto:author@example.org";
    QTest::newRow("spaces kept") << true << "Ann Author <ann@example.org>" << "mailto:Ann Author <ann@example.org>";
    QTest::newRow("https") << true << "https://example.org/books" << "https://example.org/books";
    QTest::newRow("http") << true << "http://example.org" << "http://example.org";
    QTest::newRow("mailto") << true << "mailto:ann@example.org?subject=Tales" << "mailto:ann@example.org?subject=Tales";
    QTest::newRow("empty") << true << "" << "mailto:";
    QTest::newRow("no file") << false << "" << "mailto:";
}

void TestLauncher::linkTarget()
{
    QFETCH(bool, fileExists);
    QFETCH(QString, address);
    QFETCH(QString, target);
    if (fileExists)
        TSettingsFile(SettingsFilePath()).WriteText(SettingsSection, QStringLiteral("EmailOrURL"), address);
    showLauncher();
    QTest::mouseClick(label(), Qt::LeftButton, {}, QPoint(140, 6));
    QCOMPARE(m_opened, QStringList{target});
}

void TestLauncher::infoShowsAuthorText_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << true << "Three short novels." << "Three short novels.";
    QTest::newRow("ampersands") << true << "Tom && Jerry & friends" << "Tom & Jerry & friends";
    QTest::newRow("lines and markup") << true << "<b>One</b>\r\nTwo" << "<b>One</b>\r\nTwo";
    QTest::newRow("no file") << false << "" << "";
}

void TestLauncher::infoShowsAuthorText()
{
    QFETCH(bool, fileExists);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    if (fileExists)
        TSettingsFile(SettingsFilePath()).WriteText(SettingsSection, QStringLiteral("InfoButtonText"), stored);
    showLauncher();
    m_boxes->boxes.clear();
    QTest::mouseClick(button("btnInfo"), Qt::LeftButton);
    QCOMPARE(m_boxes->texts(), QStringList{shown});
    QCOMPARE(m_boxes->boxes.first().title, QStringLiteral("Information"));
    QCOMPARE(m_boxes->boxes.first().icon, QMessageBox::Information);
    QVERIFY(m_boxes->boxes.first().okIsDefaultAndEscape);
}

void TestLauncher::f1OpensHelpWhateverHasFocus_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("first button") << "btnManuscript1";
    QTest::newRow("Info") << "btnInfo";
    QTest::newRow("last button") << "btnManuscript6";
}

void TestLauncher::f1OpensHelpWhateverHasFocus()
{
    QFETCH(QString, focus);
    TfFolionixMain *w = showLauncher();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    button(qPrintable(focus))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(m_opened, QStringList{platform::resolveTarget(QStringLiteral("FolionixHelp.rtf"))});
    QVERIFY(m_opened.first().endsWith(QStringLiteral("/FolionixHelp.rtf")));
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
