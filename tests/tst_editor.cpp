#include "launcher/FolionixMain.h"
#include "platform/Choosers.h"
#include "platform/Shell.h"
#include "platform/SystemColors.h"
#include "settings/FolionixCustomSettingsForm.h"
#include "settings/SettingsKeys.h"
#include "support/TestSupport.h"

#include <QColorDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace folionix;
using test::MessageBoxWatcher;
using test::readSettingsFile;
using test::writeSettingsFile;

namespace {

// What Assign writes over no settings file, on the editor's declared state.
const QByteArray DeclaredFile = "[UserFormSettings]\nFormCaption=\nLabelCaption=\nEmailOrURL=\n"
                                "Button1=\nButton2=\nButton3=\nButton4=\nButton5=\nButton6=\n"
                                "Manuscript1=\nManuscript2=\nManuscript3=\nManuscript4=\nManuscript5=\n"
                                "Manuscript6=\nInfoButtonText=\nFormColor=clBtnFace\nFontColor=clWindowText\n"
                                "FontName=Bookman Old Style\nFontSize=8\nFontBold=0\nFontItalics=0\n"
                                "FontUnderline=0\nFontStrikeout=0\n";

const QColor Lime(0, 255, 0);

} // namespace

// The settings editor: loading, saving, preview, keyboard, focus highlight and failures.
class TestEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::silenceOffscreenSizeHintWarnings(); }
    void init();
    void cleanup();

    void declaredStateAndFirstSave();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void missingKeysAndEmptyFontName();
    void styleFlags();
    void focusHighlightWalk();
    void keyboard_data();
    void keyboard();
    void accessKeysPressButtons();
    void memoTakesEnterAndLeavesOnTab();
    void refusedSaveKeepsEditorOpen();
    void badColourKeepsEveryText();
    void failingApplyKeepsEditorOpen();
    void assignUpdatesLauncherAtOnce();
    void previewTouchesOnlyWhatItShould();
    void cancelledDialogsChangeNothing();
    void realColourDialogIsWired();
    void shortcutOpensOneModalEditor();
    void f1OpensHelp();
    void hostileFilesOpenBothWindows_data();
    void hostileFilesOpenBothWindows();

private:
    TfCustomSettings *openEditor(bool activate = false);
    template<typename T = QWidget>
    T *control(const char *name) const { return m_editor->findChild<T *>(QLatin1String(name)); }
    QColor fieldColor(const char *name) const { return control(name)->palette().color(QPalette::Base); }
    void assign() { QTest::mouseClick(control<QPushButton>("btnAssignUserSettings"), Qt::LeftButton); }

    std::unique_ptr<TfCustomSettings> m_editor;
    std::unique_ptr<MessageBoxWatcher> m_boxes;
    int m_applied = 0;
    QStringList m_opened;
};

void TestEditor::init()
{
    test::removeSettingsFile();
    m_boxes = std::make_unique<MessageBoxWatcher>();
    m_applied = 0;
    m_opened.clear();
    platform::setOpenHandler([this](const QString &target) { m_opened << target; });
}

void TestEditor::cleanup()
{
    m_editor.reset();
    m_boxes.reset();
    platform::setOpenHandler({});
    platform::setColorChooser({});
    platform::setFontChooser({});
    QFile::setPermissions(SettingsFilePath(), QFile::ReadOwner | QFile::WriteOwner);
    test::removeSettingsFile();
}

TfCustomSettings *TestEditor::openEditor(bool activate)
{
    m_editor = std::make_unique<TfCustomSettings>([this] { ++m_applied; });
    m_editor->show();
    if (activate) {
        m_editor->activateWindow();
        if (!QTest::qWaitForWindowActive(m_editor.get()))
            qFatal("the editor did not become active");
    }
    return m_editor.get();
}

void TestEditor::declaredStateAndFirstSave()
{
    TfCustomSettings *editor = openEditor();
    QCOMPARE(editor->windowTitle(), QStringLiteral("Custom Settings"));
    for (const SettingKey &key : SettingKeys) {
        if (auto *edit = control<QLineEdit>(key.editorControl.data()))
            QVERIFY(edit->text().isEmpty());
    }
    QVERIFY(control<QPlainTextEdit>("mmoInfo")->toPlainText().isEmpty());
    QCOMPARE(editor->formColor(), clBtnFace);
    QCOMPARE(editor->palette().color(QPalette::Window), platform::systemColor(15));
    QCOMPARE(editor->font().family(), QStringLiteral("Bookman Old Style"));
    QCOMPARE(editor->font().pointSize(), 8);
    QCOMPARE(editor->fontColor(), clWindowText);
    QCOMPARE(editor->frameGeometry().size(), QSize(485, 640));

    assign();
    QCOMPARE(readSettingsFile(), DeclaredFile);
    QCOMPARE(m_applied, 1);
    QVERIFY(!editor->isVisible());
    QVERIFY(m_boxes->boxes.isEmpty());
}

void TestEditor::textsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("outer blanks") << "  Tales  ";
    QTest::newRow("quotes") << "\"The\" Keeper's \"Daughter\"";
    QTest::newRow("backslashes") << "C:\\Books\\new\\tale.pdf";
    QTest::newRow("structure") << "[UserFormSettings] a=b ; c # d";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Ærø – Œuvres complètes – 日本語");
    QTest::newRow("ampersands") << "Tom && Jerry & co";
    QTest::newRow("10 000 characters") << QString(9990, u'x') + "0123456789";
}

void TestEditor::textsRoundTrip()
{
    QFETCH(QString, text);
    const QString info = text + "\nsecond line\n\n  indented\tline  ";
    openEditor();
    for (const char *name : {"edtFormCaption", "edtMs2BtnCaption", "edtManuscript2FileName", "edtEmailAddressOrWebSite"})
        control<QLineEdit>(name)->setText(text);
    control<QPlainTextEdit>("mmoInfo")->setPlainText(info);
    assign();

    openEditor();
    for (const char *name : {"edtFormCaption", "edtMs2BtnCaption", "edtManuscript2FileName", "edtEmailAddressOrWebSite"})
        QCOMPARE(control<QLineEdit>(name)->text(), text);
    QCOMPARE(control<QPlainTextEdit>("mmoInfo")->toPlainText(), info);

    // The launcher gets the same texts.
    TfFolionixMain launcher;
    launcher.show();
    QCOMPARE(launcher.manuscriptButton(2)->text(), text);
    const TSettingsFile ini(SettingsFilePath());
    QCOMPARE(ini.ReadText(SettingsSection, QStringLiteral("InfoButtonText"), QString()), info);
    QCOMPARE(ini.ReadText(SettingsSection, QStringLiteral("FormCaption"), QString()), text);
}

void TestEditor::missingKeysAndEmptyFontName()
{
    writeSettingsFile("; kept\n[UserFormSettings]\nButton3=Third\nFontName=\nFontSize=11\n[Other]\nx=1\n");
    TfCustomSettings *editor = openEditor();
    QCOMPARE(control<QLineEdit>("edtMs3BtnCaption")->text(), QStringLiteral("Third"));
    QVERIFY(control<QLineEdit>("edtFormCaption")->text().isEmpty());
    QCOMPARE(editor->font().family(), QStringLiteral("Bookman Old Style"));
    QCOMPARE(editor->font().pointSize(), 11);
    QCOMPARE(editor->formColor(), clBtnFace);
    assign();
    const QByteArray saved = readSettingsFile();
    QVERIFY(saved.startsWith("; kept\n[UserFormSettings]\nButton3=Third\nFontName=Bookman Old Style\nFontSize=11\n"));
    QVERIFY(saved.endsWith("FontStrikeout=0\n[Other]\nx=1\n"));
    for (const SettingKey &key : SettingKeys)
        QCOMPARE(saved.count("\n" + QString(key.name).toLatin1() + "="), 1);
}

void TestEditor::styleFlags()
{
    writeSettingsFile("[UserFormSettings]\nFontBold=1\nFontItalics=0\nFontUnderline=no\n");
    TfCustomSettings *editor = openEditor();
    QVERIFY(editor->font().bold() && !editor->font().italic() && !editor->font().underline() &&
            !editor->font().strikeOut());

    platform::setFontChooser([](const platform::FontChoice &initial) {
        QFont font = initial.font;
        font.setBold(false);
        font.setItalic(true);
        font.setStrikeOut(true);
        return platform::FontChoice{font, initial.color};
    });
    QTest::mouseClick(control<QPushButton>("btnFont"), Qt::LeftButton);
    assign();
    const QByteArray saved = readSettingsFile();
    for (const char *line : {"\nFontBold=0\n", "\nFontItalics=1\n", "\nFontUnderline=0\n", "\nFontStrikeout=1\n"})
        QVERIFY2(saved.contains(line), line);
    // The font colour was not changed in the dialog, so it keeps its desktop-colour name.
    QVERIFY(saved.contains("FontColor=clWindowText\n"));
}

void TestEditor::focusHighlightWalk()
{
    openEditor(true);
    QCOMPARE(QApplication::focusWidget(), control("edtFormCaption"));
    QCOMPARE(fieldColor("edtFormCaption"), Lime);
    QCOMPARE(fieldColor("edtLabelCaption"), platform::systemColor(5));
    QCOMPARE(fieldColor("mmoInfo"), platform::systemColor(5));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control("edtLabelCaption"));
    QCOMPARE(fieldColor("edtFormCaption"), platform::systemColor(5));
    QCOMPARE(fieldColor("edtLabelCaption"), Lime);

    control("mmoInfo")->setFocus(Qt::TabFocusReason);
    QCOMPARE(fieldColor("mmoInfo"), Lime);
    QCOMPARE(fieldColor("edtLabelCaption"), platform::systemColor(5));

    platform::setColorChooser([](const QColor &) { return std::nullopt; });
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    for (const SettingKey &key : SettingKeys) {
        if (!key.editorControl.isEmpty())
            QVERIFY2(fieldColor(key.editorControl.data()) != Lime, key.editorControl.data());
    }
}

void TestEditor::keyboard_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("assigns");
    QTest::newRow("Esc in an edit box") << "edtFormCaption" << int(Qt::Key_Escape) << false;
    QTest::newRow("Esc on a button") << "btnAssignUserSettings" << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter in an edit box") << "edtManuscript3FileName" << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter in an edit box") << "edtFormCaption" << int(Qt::Key_Enter) << false;
    QTest::newRow("Enter on Assign") << "btnAssignUserSettings" << int(Qt::Key_Return) << true;
    QTest::newRow("Space on Assign") << "btnAssignUserSettings" << int(Qt::Key_Space) << true;
}

void TestEditor::keyboard()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, assigns);
    writeSettingsFile(test::testData(QStringLiteral("example.ini")));
    const QByteArray before = readSettingsFile();
    TfCustomSettings *editor = openEditor(true);
    control<QLineEdit>("edtFormCaption")->setText(QStringLiteral("changed"));
    control(qPrintable(focus))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTRY_COMPARE(m_applied, assigns ? 1 : 0);
    QCOMPARE(editor->isVisible(), !assigns);
    QCOMPARE(readSettingsFile() == before, !assigns);

    if (!assigns) {
        // The close box (or Alt+F4) writes nothing either.
        QVERIFY(editor->close());
        QCOMPARE(readSettingsFile(), before);
        QCOMPARE(m_applied, 0);
    }
}

void TestEditor::accessKeysPressButtons()
{
    int colours = 0, fonts = 0;
    platform::setColorChooser([&](const QColor &) { ++colours; return std::nullopt; });
    platform::setFontChooser([&](const platform::FontChoice &) { ++fonts; return std::nullopt; });
    openEditor(true);
    // Access keys press a button the way a click does, after its short pressed look.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(colours, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(fonts, 1);
    // In an edit box the letter alone is text; on a button it presses the button.
    QTest::keyClick(control("edtFormCaption"), Qt::Key_F);
    QCOMPARE(control<QLineEdit>("edtFormCaption")->text(), QStringLiteral("f"));
    control("btnFormColor")->setFocus();
    QTest::keyClick(control("btnFormColor"), Qt::Key_F);
    QTRY_COMPARE(fonts, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(m_applied, 1);
    QVERIFY(readSettingsFile().contains("FormCaption=f\n"));
}

void TestEditor::memoTakesEnterAndLeavesOnTab()
{
    openEditor(true);
    auto *memo = control<QPlainTextEdit>("mmoInfo");
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("one"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("two"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("one\ntwo"));
    QTest::keyClick(memo, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control("btnFormColor"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("one\ntwo"));
}

void TestEditor::refusedSaveKeepsEditorOpen()
{
    writeSettingsFile(test::testData(QStringLiteral("example.ini")));
    const QByteArray before = readSettingsFile();
    QFile::setPermissions(SettingsFilePath(), QFile::ReadOwner | QFile::ReadGroup);
    TfCustomSettings *editor = openEditor();
    control<QLineEdit>("edtFormCaption")->setText(QStringLiteral("New caption"));
    assign();
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("Unable to write to %1.").arg(SettingsFilePath())});
    QCOMPARE(m_boxes->boxes.first().icon, QMessageBox::Critical);
    QVERIFY(editor->isVisible());
    QCOMPARE(control<QLineEdit>("edtFormCaption")->text(), QStringLiteral("New caption"));
    QCOMPARE(m_applied, 0);
    QCOMPARE(readSettingsFile(), before);
}

void TestEditor::badColourKeepsEveryText()
{
    writeSettingsFile(test::testData(QStringLiteral("example.ini")).replace("FormColor=$00E6F5FF", "FormColor=sunset"));
    TfCustomSettings *editor = openEditor(true);
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("'sunset' is not a valid integer value.")});
    QCOMPARE(editor->formColor(), clBtnFace);
    QCOMPARE(editor->fontColor(), 0x00000080u);
    QVERIFY(editor->font().bold());
    QCOMPARE(control<QLineEdit>("edtFormCaption")->text(), QStringLiteral("Tales from the Lighthouse"));
    QCOMPARE(control<QLineEdit>("edtManuscript3FileName")->text(), QStringLiteral("LastLight.rtf"));
    QVERIFY(control<QPlainTextEdit>("mmoInfo")->toPlainText().startsWith(QStringLiteral("Three short novels.")));
    QCOMPARE(QApplication::focusWidget(), control("edtFormCaption"));
    QCOMPARE(fieldColor("edtFormCaption"), Lime);

    assign();
    const QByteArray saved = readSettingsFile();
    QVERIFY(saved.contains("FormCaption=Tales from the Lighthouse\n"));
    QVERIFY(saved.contains("FormColor=clBtnFace\n"));
}

void TestEditor::failingApplyKeepsEditorOpen()
{
    m_editor = std::make_unique<TfCustomSettings>([] { throw EConvertError("'x' is not a valid integer value"); });
    m_editor->show();
    control<QLineEdit>("edtFormCaption")->setText(QStringLiteral("Saved anyway"));
    assign();
    QCOMPARE(m_boxes->texts(), QStringList{QStringLiteral("'x' is not a valid integer value.")});
    QVERIFY(m_editor->isVisible());
    QVERIFY(readSettingsFile().contains("FormCaption=Saved anyway\n"));
}

void TestEditor::assignUpdatesLauncherAtOnce()
{
    writeSettingsFile(test::testData(QStringLiteral("example.ini")));
    TfFolionixMain launcher;
    launcher.show();
    QCOMPARE(launcher.outerHeight(), 210);
    const QPoint topLeft = launcher.pos();

    m_editor = std::make_unique<TfCustomSettings>([&] { launcher.SetUserProperties(); });
    m_editor->show();
    control<QLineEdit>("edtFormCaption")->setText(QStringLiteral("Five Tales"));
    control<QLineEdit>("edtMs5BtnCaption")->setText(QStringLiteral("Fifth"));
    control<QLineEdit>("edtManuscript5FileName")->setText(QStringLiteral("Fifth.pdf"));
    assign();
    QCOMPARE(launcher.windowTitle(), QStringLiteral("Five Tales"));
    QCOMPARE(launcher.manuscriptButton(5)->text(), QStringLiteral("Fifth"));
    QVERIFY(!launcher.manuscriptButton(5)->isHidden());
    QCOMPARE(launcher.outerHeight(), 306);
    QCOMPARE(launcher.pos(), topLeft);
    QVERIFY(!m_editor->isVisible());
}

void TestEditor::previewTouchesOnlyWhatItShould()
{
    TfCustomSettings *editor = openEditor();
    const QColor panelBefore = control("Panel1")->palette().color(QPalette::Window);
    const QColor buttonBefore = control("btnFont")->palette().color(QPalette::Button);
    QColor offered;
    platform::setColorChooser([&](const QColor &initial) {
        offered = initial;
        return QColor(0x20, 0x30, 0x40);
    });
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    QCOMPARE(offered, platform::systemColor(15)); // the button face, as the desktop shows it
    QCOMPARE(editor->formColor(), 0x00403020u);
    QCOMPARE(editor->palette().color(QPalette::Window), QColor(0x20, 0x30, 0x40));
    QCOMPARE(control("Panel1")->palette().color(QPalette::Window), panelBefore);
    QCOMPARE(control("btnFont")->palette().color(QPalette::Button), buttonBefore);
    QCOMPARE(fieldColor("edtLabelCaption"), platform::systemColor(5));

    QFont big(QStringLiteral("DejaVu Serif"), 14);
    big.setItalic(true);
    platform::setFontChooser([&](const platform::FontChoice &) { return platform::FontChoice{big, QColor(200, 0, 0)}; });
    QTest::mouseClick(control<QPushButton>("btnFont"), Qt::LeftButton);
    for (const char *name : {"Label1", "Label16", "edtFormCaption", "mmoInfo", "btnFont", "btnAssignUserSettings"}) {
        QCOMPARE(control(name)->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(control(name)->font().pointSize(), 14);
        QVERIFY(control(name)->font().italic());
    }
    QCOMPARE(control("Label3")->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    QCOMPARE(editor->fontColor(), 0x000000C8u);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Custom Settings"));
}

void TestEditor::cancelledDialogsChangeNothing()
{
    TfCustomSettings *editor = openEditor();
    QList<QColor> offered;
    platform::setColorChooser([&](const QColor &initial) {
        offered << initial;
        return offered.size() == 1 ? std::optional<QColor>(QColor(Qt::red)) : std::nullopt;
    });
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    QCOMPARE(offered, QList<QColor>({platform::systemColor(15), QColor(Qt::red), QColor(Qt::red)}));
    QCOMPARE(editor->formColor(), 0x000000FFu);

    const QFont before = editor->font();
    platform::setFontChooser([](const platform::FontChoice &) { return std::nullopt; });
    QTest::mouseClick(control<QPushButton>("btnFont"), Qt::LeftButton);
    QCOMPARE(editor->font(), before);
    QCOMPARE(editor->fontColor(), clWindowText);
}

void TestEditor::realColourDialogIsWired()
{
    TfCustomSettings *editor = openEditor();
    QString seen;
    m_boxes->onOtherModal = [&](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        seen = modal->metaObject()->className();
        if (!dialog)
            return;
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    };
    QTest::mouseClick(control<QPushButton>("btnFormColor"), Qt::LeftButton);
    QCOMPARE(seen, QStringLiteral("QColorDialog"));
    QCOMPARE(editor->formColor(), 0x001E140Au);
}

void TestEditor::shortcutOpensOneModalEditor()
{
    TfFolionixMain launcher;
    launcher.show();
    launcher.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&launcher));
    int editors = 0;
    bool secondOpened = false;
    m_boxes->onOtherModal = [&](QWidget *modal) {
        auto *editor = qobject_cast<TfCustomSettings *>(modal);
        if (!editor)
            return;
        ++editors;
        // While it is open the launcher takes no input: a second Ctrl+Alt+W opens nothing.
        QTest::keyClick(&launcher, Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
        for (QWidget *w : QApplication::topLevelWidgets())
            secondOpened |= qobject_cast<TfCustomSettings *>(w) && w != editor;
        editor->findChild<QLineEdit *>("edtFormCaption")->setText(QStringLiteral("Via shortcut"));
        editor->close();
    };
    QTest::keyClick(&launcher, Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(editors, 1);
    QVERIFY(!secondOpened);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TfCustomSettings *>(w));
    QVERIFY(!QFile::exists(SettingsFilePath()));
    QCOMPARE(launcher.windowTitle(), QStringLiteral("Replace this"));
}

void TestEditor::f1OpensHelp()
{
    openEditor(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened.first().endsWith(QStringLiteral("/FolionixHelp.rtf")));
}

void TestEditor::hostileFilesOpenBothWindows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");
    const QByteArray settings = "[UserFormSettings]\nFormCaption=Found\nManuscript2=b\n";
    QByteArray utf16("\xff\xfe");
    for (const char c : settings)
        utf16 += QByteArray(1, c) + '\0';
    QTest::newRow("50 MB") << QByteArray(50 << 20, 'x') + '\n' + settings << "Found";
    QTest::newRow("NUL bytes") << QByteArray(1 << 20, '\0') << "Replace this";
    QTest::newRow("1 MB line") << QByteArray(1 << 20, '[') + '\n' + settings << "Found";
    QTest::newRow("100 000 sections") << QByteArray("[S]\nFormCaption=no\n").repeated(100000) + settings << "Found";
    QTest::newRow("CR-only line ends") << QByteArray(settings).replace('\n', '\r') << "Found";
    QTest::newRow("UTF-16 with BOM") << utf16 << "Replace this";
    QTest::newRow("Windows-1252") << QByteArray(settings).replace("Found", "Caf\xe9 \x93x\x94") << QString::fromUtf8("Café “x”");
}

// Whatever the file holds, the launcher starts and the editor opens on it.
void TestEditor::hostileFilesOpenBothWindows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    writeSettingsFile(bytes);
    QElapsedTimer clock;
    clock.start();
    TfFolionixMain launcher;
    launcher.show();
    const qint64 launcherMs = clock.restart();
    openEditor();
    qInfo("launcher %lld ms, editor %lld ms", launcherMs, clock.elapsed());
    QCOMPARE(launcher.windowTitle(), caption);
    QCOMPARE(control<QLineEdit>("edtFormCaption")->text(), caption == "Replace this" ? QString() : caption);
    QVERIFY(m_boxes->texts().isEmpty() || m_boxes->texts() == QStringList{"No manuscript names have been assigned."});
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
