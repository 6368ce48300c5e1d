#include "settings/FolionixCustomSettingsForm.h"

#include "platform/Choosers.h"
#include "platform/Dialogs.h"
#include "platform/OuterGeometry.h"
#include "platform/Shell.h"
#include "platform/SystemColors.h"
#include "platform/Widgets.h"
#include "settings/FontSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "ui_FolionixCustomSettingsForm.h"

#include "glyphs/assign.xpm"
#include "glyphs/font.xpm"
#include "glyphs/formcolor.xpm"

#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

namespace folionix {

namespace {

constexpr QSize OuterSize(485, 640);
constexpr int EditHeight = 23;

} // namespace

void OpenHelpDocument()
{
    platform::openDocument(QStringLiteral("FolionixHelp.rtf"));
}

namespace {

struct StyleFlag {
    QLatin1String key;
    bool (QFont::*get)() const;
};

const std::array<StyleFlag, 4> StyleFlags = {{
    {QLatin1String("FontBold"), &QFont::bold},
    {QLatin1String("FontItalics"), &QFont::italic},
    {QLatin1String("FontUnderline"), &QFont::underline},
    {QLatin1String("FontStrikeout"), &QFont::strikeOut},
}};

bool styleOf(const QFont &font, QLatin1String key)
{
    for (const StyleFlag &flag : StyleFlags) {
        if (flag.key == key)
            return (font.*flag.get)();
    }
    return false;
}

void setFieldBackground(QWidget *field, TColor color)
{
    platform::setBackgroundColor(field, color, QPalette::Base);
}

} // namespace

TfCustomSettings::TfCustomSettings(std::function<void()> applyToLauncher, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfCustomSettings>()),
      m_applyToLauncher(std::move(applyToLauncher))
{
    ui->setupUi(this);
    platform::useMinimisableTitleBar(this);
    m_outer = new platform::OuterGeometry(this);
    m_outer->resize(OuterSize);

    // The panel keeps the button face whatever colour the window takes.
    platform::setBackgroundColor(ui->Panel1, clBtnFace);
    setFormColor(clBtnFace);
    setFontColor(clWindowText);
    applyFont(font());
    ui->btnAssignUserSettings->setIcon(platform::glyphIcon(assign_xpm));
    ui->btnFormColor->setIcon(platform::glyphIcon(formcolor_xpm));
    ui->btnFont->setIcon(platform::glyphIcon(font_xpm));

    for (const SettingKey &key : SettingKeys) {
        if (QWidget *input = field(key)) {
            setFieldBackground(input, clWindow);
            input->installEventFilter(this);
        }
    }

    pum = new QMenu(this);
    pum->setObjectName(QStringLiteral("pum"));
    pumniHelp = platform::addHiddenShortcut(pum, this, QStringLiteral("pumniHelp"),
                                            QStringLiteral("help"), HelpShortcut);

    using platform::guardedSlot;
    connect(ui->btnAssignUserSettings, &QPushButton::clicked, this,
            guardedSlot([this] { btnAssignUserSettingsClick(); }));
    connect(ui->btnFormColor, &QPushButton::clicked, this,
            guardedSlot([this] { btnFormColorClick(); }));
    connect(ui->btnFont, &QPushButton::clicked, this, guardedSlot([this] { btnFontClick(); }));
    connect(pumniHelp, &QAction::triggered, this, guardedSlot([this] { pumniHelpClick(); }));
}

TfCustomSettings::~TfCustomSettings() = default;

QWidget *TfCustomSettings::field(const SettingKey &key) const
{
    if (key.editorControl.isEmpty())
        return nullptr;
    return findChild<QWidget *>(QString(key.editorControl));
}

QString TfCustomSettings::fieldText(const SettingKey &key) const
{
    QWidget *input = field(key);
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        return edit->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(input))
        return memo->toPlainText();
    return QString();
}

void TfCustomSettings::setFieldText(const SettingKey &key, const QString &text)
{
    QWidget *input = field(key);
    if (auto *edit = qobject_cast<QLineEdit *>(input))
        edit->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(input))
        memo->setPlainText(text);
}

void TfCustomSettings::showEvent(QShowEvent *event)
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        FormShow();
        m_outer->centreOnScreen();
    }
    QWidget::showEvent(event);
}

void TfCustomSettings::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void TfCustomSettings::FormShow()
{
    platform::guarded([this] { LoadUserSettings(); });
    ui->edtFormCaption->setFocus(Qt::OtherFocusReason);
    edtFormCaptionEnter(ui->edtFormCaption);
}

void TfCustomSettings::LoadUserSettings()
{
    if (!SettingsFileExists())
        return;
    const TSettingsFile ini(SettingsFilePath());
    const QString &s = SettingsSection;

    // A colour that cannot be read keeps the editor's own and is reported once everything
    // else is loaded, so that saving afterwards cannot wipe the author's texts.
    std::optional<EConvertError> failure;
    auto readColor = [&](const QString &key, TColor current) {
        try {
            return TextToColor(ini.ReadText(s, key, ColorToText(current)));
        } catch (const EConvertError &error) {
            if (!failure)
                failure = error;
            return current;
        }
    };
    setFormColor(readColor(QStringLiteral("FormColor"), m_formColor));
    setFontColor(readColor(QStringLiteral("FontColor"), m_fontColor));
    QFont f = font();
    ReadFontSettings(ini, f);
    applyFont(f);
    for (const SettingKey &key : SettingKeys) {
        if (field(key))
            setFieldText(key, ini.ReadText(s, key.name, QString()));
    }
    if (failure)
        throw *failure;
}

void TfCustomSettings::SaveUserSettings()
{
    // All 24 keys in one replacement of the file, so a failed save leaves it as it was.
    TSettingsFile::KeyValues values;
    for (const SettingKey &key : SettingKeys) {
        QString text;
        switch (key.form) {
        case KeyForm::Text:
            text = field(key) ? fieldText(key) : font().family();
            break;
        case KeyForm::Color:
            text = ColorToText(key.name == QLatin1String("FormColor") ? m_formColor : m_fontColor);
            break;
        case KeyForm::Integer:
            text = TSettingsFile::NumberText(font().pointSize());
            break;
        case KeyForm::Flag:
            text = TSettingsFile::FlagText(styleOf(font(), key.name));
            break;
        }
        values.append({key.name, text});
    }
    TSettingsFile(SettingsFilePath()).WriteTexts(SettingsSection, values);
}

void TfCustomSettings::btnAssignUserSettingsClick()
{
    SaveUserSettings();
    if (m_applyToLauncher)
        m_applyToLauncher();
    close();
}

void TfCustomSettings::edtFormCaptionEnter(QWidget *input)
{
    setFieldBackground(input, clLime);
}

void TfCustomSettings::edtFormCaptionExit(QWidget *input)
{
    setFieldBackground(input, clWindow);
}

bool TfCustomSettings::eventFilter(QObject *watched, QEvent *event)
{
    auto *input = qobject_cast<QWidget *>(watched);
    if (input && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // A context menu over the field does not take it out of editing.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn)
                edtFormCaptionEnter(input);
            else
                edtFormCaptionExit(input);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfCustomSettings::keyPressEvent(QKeyEvent *event)
{
    // While a button has the focus its access letter alone presses it, as Alt+letter does.
    if (qobject_cast<QAbstractButton *>(focusWidget()) && event->modifiers() == Qt::NoModifier) {
        for (QPushButton *button : {ui->btnAssignUserSettings, ui->btnFormColor, ui->btnFont}) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
            if (!mnemonic.isEmpty() && mnemonic[0].key() == event->key()) {
                button->animateClick();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void TfCustomSettings::btnFormColorClick()
{
    if (const auto chosen = platform::chooseColor(platform::paintColor(m_formColor), this))
        setFormColor(platform::storedColor(*chosen));
}

void TfCustomSettings::btnFontClick()
{
    const QColor current = platform::paintColor(m_fontColor);
    const auto chosen = platform::chooseFont({font(), current}, this);
    if (!chosen)
        return;
    // An unchanged colour keeps its name (a desktop colour stays one).
    if (chosen->color != current)
        setFontColor(platform::storedColor(chosen->color));
    applyFont(chosen->font);
}

void TfCustomSettings::pumniHelpClick()
{
    OpenHelpDocument();
}

void TfCustomSettings::setFormColor(TColor color)
{
    m_formColor = color;
    platform::setBackgroundColor(this, color);
}

void TfCustomSettings::setFontColor(TColor color)
{
    m_fontColor = color;
    platform::setTextColor(this, color);
}

void TfCustomSettings::applyFont(const QFont &font)
{
    setFont(font);
    // Labels fit their text and edit boxes their font, as the layout was drawn for.
    for (QLabel *label : ui->Panel1->findChildren<QLabel *>()) {
        if (!label->wordWrap())
            label->adjustSize();
    }
    for (QLineEdit *edit : ui->Panel1->findChildren<QLineEdit *>())
        edit->resize(edit->width(), qMax(EditHeight, edit->sizeHint().height()));
}

void ShowCustomSettings(std::function<void()> applyToLauncher)
{
    TfCustomSettings editor(std::move(applyToLauncher));
    editor.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(&editor, &TfCustomSettings::closed, &loop, &QEventLoop::quit);
    editor.show();
    loop.exec(QEventLoop::DialogExec);
}

} // namespace folionix
