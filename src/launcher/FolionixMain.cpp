#include "launcher/FolionixMain.h"

#include "launcher/CaptionButton.h"
#include "launcher/FolionixConst.h"
#include "launcher/FolionixUtils.h"
#include "platform/Dialogs.h"
#include "platform/OuterGeometry.h"
#include "platform/Shell.h"
#include "platform/Widgets.h"
#include "settings/FolionixCustomSettingsForm.h"
#include "settings/FontSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "ui_FolionixMain.h"

#include "folionix.xpm"
#include "glyphs/info.xpm"

#include <QMenu>
#include <QShowEvent>

namespace folionix {

TfFolionixMain *fFolionixMain = nullptr;

namespace {

struct LayoutRow {
    int height;   // outer window height
    int labelTop; // top of the link line
    int infoTop;  // top of the Info button
};

// One row per number of visible manuscript buttons; the steps are deliberately uneven.
constexpr std::array<LayoutRow, 6> ButtonLayout = {{
    {114, 56, 49},
    {162, 100, 93},
    {210, 144, 137},
    {258, 192, 185},
    {306, 240, 233},
    {343, 277, 270},
}};

constexpr quint16 OpenSettingsShortcut = 49239; // Ctrl+Alt+W

// Qt reads "[*]" in a window title as the modified marker; "[*][*]" shows it literally.
QString escapeTitle(const QString &caption)
{
    return QString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace

TfFolionixMain::TfFolionixMain(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfFolionixMain>())
{
    ui->setupUi(this);
    fFolionixMain = this;
    m_manuscriptButtons = {ui->btnManuscript1, ui->btnManuscript2, ui->btnManuscript3,
                           ui->btnManuscript4, ui->btnManuscript5, ui->btnManuscript6};

    platform::useMinimisableTitleBar(this);
    setWindowIcon(QIcon(QPixmap(folionix_xpm)));
    m_outer = new platform::OuterGeometry(this);
    m_outer->resize(QSize(OuterWidth, MaxOuterHeight));
    setFormColor(clCream);
    platform::setTextColor(this, clWindowText);
    platform::setTextColor(ui->lblemailAuthor, clBlack);
    ui->btnInfo->setIcon(platform::glyphIcon(info_xpm));
    ui->btnInfo->setIconSize(QSize(16, 16));
    describeForScreenReaders();

    // A menu that never opens; its actions give the window its two shortcuts.
    pum = new QMenu(this);
    pum->setObjectName(QStringLiteral("pum"));
    mniOpenSettings =
        platform::addHiddenShortcut(pum, this, QStringLiteral("mniOpenSettings"),
                                    QStringLiteral("openSettings"), OpenSettingsShortcut);
    pumniHelp = platform::addHiddenShortcut(pum, this, QStringLiteral("pumniHelp"),
                                            QStringLiteral("help"), HelpShortcut);

    using platform::guardedSlot;
    for (int number = 1; number <= ManuscriptCount; ++number) {
        connect(manuscriptButton(number), &QPushButton::clicked, this,
                guardedSlot([this, number] { btnManuscriptClick(number); }));
    }
    connect(ui->lblemailAuthor, &LinkLabel::clicked, this,
            guardedSlot([this] { lblemailAuthorClick(); }));
    connect(ui->btnInfo, &QPushButton::clicked, this, guardedSlot([this] { btnInfoClick(); }));
    connect(mniOpenSettings, &QAction::triggered, this,
            guardedSlot([this] { mniOpenSettingsClick(); }));
    connect(pumniHelp, &QAction::triggered, this, guardedSlot([this] { pumniHelpClick(); }));

    FormCreate();
}

TfFolionixMain::~TfFolionixMain()
{
    if (fFolionixMain == this)
        fFolionixMain = nullptr;
}

QPushButton *TfFolionixMain::manuscriptButton(int number) const
{
    return m_manuscriptButtons.at(size_t(number - 1));
}

int TfFolionixMain::outerHeight() const
{
    return m_outer->size().height();
}

// What a screen reader says beside each control's own text; the focus order stays as declared.
void TfFolionixMain::describeForScreenReaders()
{
    for (int number = 1; number <= ManuscriptCount; ++number) {
        manuscriptButton(number)->setAccessibleDescription(
            tr("Opens manuscript %1 in the program your computer uses for its type of file.")
                .arg(number));
    }
    ui->btnInfo->setAccessibleDescription(tr("Shows a note from the author."));
    ui->lblemailAuthor->setAccessibleDescription(
        tr("Link: writes a new e-mail to the author, or opens the author's web page."));
}

void TfFolionixMain::FormCreate()
{
    SetFormConstraints();
}

void TfFolionixMain::SetFormConstraints()
{
    // The width stays what it was at creation; the height spans one to six buttons.
    m_outer->setLimits(QSize(OuterWidth, MinOuterHeight), QSize(OuterWidth, MaxOuterHeight));
}

void TfFolionixMain::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        platform::guarded([this] { FormShow(); });
        if (!m_shownBefore) {
            m_shownBefore = true;
            m_outer->centreOnScreen();
        }
    }
    QWidget::showEvent(event);
}

void TfFolionixMain::FormShow()
{
    SetUserProperties();
}

void TfFolionixMain::setCaption(const QString &caption)
{
    setWindowTitle(escapeTitle(caption));
}

QString TfFolionixMain::caption() const
{
    return QString(windowTitle()).replace(QLatin1String("[*][*]"), QLatin1String("[*]"));
}

void TfFolionixMain::setFormColor(TColor color)
{
    m_formColor = color;
    platform::setBackgroundColor(this, color);
}

void TfFolionixMain::SetUserProperties()
{
    if (!SettingsFileExists())
        return;
    {
        const TSettingsFile ini(SettingsFilePath());
        const QString &s = SettingsSection;
        setCaption(ini.ReadText(s, QStringLiteral("FormCaption"), caption()));
        ui->lblemailAuthor->setText(
            ini.ReadText(s, QStringLiteral("LabelCaption"), ui->lblemailAuthor->text()));
        ui->lblemailAuthor->setAccessibleName(plainCaption(ui->lblemailAuthor->text()));
        for (int number = 1; number <= ManuscriptCount; ++number) {
            QPushButton *button = manuscriptButton(number);
            button->setText(ini.ReadText(s, buttonKey(number), button->text()));
        }
        setFormColor(
            TextToColor(ini.ReadText(s, QStringLiteral("FormColor"), QStringLiteral("clCream"))));
        platform::setTextColor(this, TextToColor(ini.ReadText(s, QStringLiteral("FontColor"),
                                                              QStringLiteral("clBlack"))));
        // Styles only ever add up until the program ends.
        QFont f = font();
        ReadFontSettings(ini, f);
        setFont(f);
    }
    SetButtons(GetManuscriptCount());
    platform::setTextColor(ui->lblemailAuthor, GetContrastingColor(m_formColor));
}

void TfFolionixMain::SetButtons(qint32 count)
{
    for (QPushButton *button : m_manuscriptButtons)
        button->hide();
    for (int number = 1; number <= ManuscriptCount && number <= count; ++number) {
        manuscriptButton(number)->setText(GetManuscriptCaption(number));
        manuscriptButton(number)->show();
    }
    if (count >= 1 && count <= ManuscriptCount) {
        const LayoutRow &row = ButtonLayout[size_t(count - 1)];
        m_outer->resize(QSize(OuterWidth, row.height));
        ui->lblemailAuthor->move(ui->lblemailAuthor->x(), row.labelTop);
        ui->btnInfo->move(ui->btnInfo->x(), row.infoTop);
    } else if (count == 0) {
        platform::showInformation(msgNoManuscripts());
    } else {
        platform::showInformation(msgButtonCountOutOfRange(count));
    }
}

void TfFolionixMain::btnManuscriptClick(int number)
{
    if (!SettingsFileExists())
        return;
    const TSettingsFile ini(SettingsFilePath());
    platform::openDocument(ini.ReadText(SettingsSection, manuscriptKey(number), QString()));
}

void TfFolionixMain::lblemailAuthorClick()
{
    const TSettingsFile ini(SettingsFilePath());
    const QString address = ini.ReadText(SettingsSection, QStringLiteral("EmailOrURL"), QString());
    // An address that already names its scheme (a web page, a mailto: link) goes as it is.
    platform::openDocument(platform::hasUrlScheme(address) ? address
                                                           : QStringLiteral("mailto:") + address);
}

void TfFolionixMain::btnInfoClick()
{
    const TSettingsFile ini(SettingsFilePath());
    QString text = ini.ReadText(SettingsSection, QStringLiteral("InfoButtonText"), QString());
    // The author's text is shown as written; only the doubled "&" of captions becomes one.
    platform::showInformation(text.replace(QLatin1String("&&"), QLatin1String("&")));
}

void TfFolionixMain::mniOpenSettingsClick()
{
    ShowCustomSettings([this] { SetUserProperties(); });
}

void TfFolionixMain::pumniHelpClick()
{
    OpenHelpDocument();
}

} // namespace folionix
