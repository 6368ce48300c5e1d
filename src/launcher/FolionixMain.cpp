#include "launcher/FolionixMain.h"

#include "launcher/FolionixConst.h"
#include "launcher/FolionixUtils.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/Shortcuts.h"
#include "platform/SystemColors.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "ui_FolionixMain.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

static void initFolionixResources()
{
    Q_INIT_RESOURCE(folionix);
}

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

// Point sizes outside this range either mean nothing or stall text layout.
constexpr int MaxFontPointSize = 144;
constexpr int MaxFaceNameLength = 31;

constexpr quint16 OpenSettingsShortcut = 49239; // Ctrl+Alt+W
constexpr quint16 HelpShortcut = 112;           // F1

const QString HelpDocument = QStringLiteral("FolionixHelp.rtf");

// Qt reads "[*]" in a window title as the modified marker; "[*][*]" shows it literally.
QString escapeTitle(const QString &caption)
{
    return QString(caption).replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace

TfFolionixMain::TfFolionixMain(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TfFolionixMain>())
{
    initFolionixResources();
    ui->setupUi(this);
    fFolionixMain = this;
    m_manuscriptButtons = {ui->btnManuscript1, ui->btnManuscript2, ui->btnManuscript3,
                           ui->btnManuscript4, ui->btnManuscript5, ui->btnManuscript6};

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/folionix.xpm")));
    setFormColor(clCream);
    setFontColor(clWindowText);
    QPalette labelPalette = ui->lblemailAuthor->palette();
    labelPalette.setColor(QPalette::WindowText, platform::paintColor(clBlack));
    ui->lblemailAuthor->setPalette(labelPalette);

    // The Info glyph holds two 16 x 16 images side by side: normal, then disabled.
    const QPixmap glyph(QStringLiteral(":/glyphs/info.xpm"));
    QIcon infoIcon;
    infoIcon.addPixmap(glyph.copy(0, 0, 16, 16), QIcon::Normal);
    infoIcon.addPixmap(glyph.copy(16, 0, 16, 16), QIcon::Disabled);
    ui->btnInfo->setIcon(infoIcon);
    ui->btnInfo->setIconSize(QSize(16, 16));

    // A menu that never opens; its actions give the window its two shortcuts.
    pum = new QMenu(this);
    pum->setObjectName(QStringLiteral("pum"));
    mniOpenSettings = pum->addAction(QStringLiteral("openSettings"));
    mniOpenSettings->setObjectName(QStringLiteral("mniOpenSettings"));
    mniOpenSettings->setShortcut(platform::shortcutFromStored(OpenSettingsShortcut));
    pumniHelp = pum->addAction(QStringLiteral("help"));
    pumniHelp->setObjectName(QStringLiteral("pumniHelp"));
    pumniHelp->setShortcut(platform::shortcutFromStored(HelpShortcut));
    addActions({mniOpenSettings, pumniHelp});

    auto handle = [](auto handler) { return [handler] { platform::guarded(handler); }; };
    for (int number = 1; number <= ManuscriptCount; ++number) {
        connect(manuscriptButton(number), &QPushButton::clicked, this,
                handle([this, number] { btnManuscriptClick(number); }));
    }
    connect(ui->lblemailAuthor, &LinkLabel::clicked, this, handle([this] { lblemailAuthorClick(); }));
    connect(ui->btnInfo, &QPushButton::clicked, this, handle([this] { btnInfoClick(); }));
    connect(mniOpenSettings, &QAction::triggered, this, handle([this] { mniOpenSettingsClick(); }));
    connect(pumniHelp, &QAction::triggered, this, handle([this] { pumniHelpClick(); }));

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
    return height() + m_frame.top() + m_frame.bottom();
}

void TfFolionixMain::FormCreate()
{
    SetFormConstraints();
}

void TfFolionixMain::SetFormConstraints()
{
    // Limits are outer sizes; Qt's are client sizes, so the frame comes off.
    const int frameWidth = m_frame.left() + m_frame.right();
    const int frameHeight = m_frame.top() + m_frame.bottom();
    setMaximumHeight(MaxOuterHeight - frameHeight);
    setMinimumHeight(MinOuterHeight - frameHeight);
    setMinimumWidth(OuterWidth - frameWidth);
    setMaximumWidth(OuterWidth - frameWidth);
}

void TfFolionixMain::setOuterHeight(int height)
{
    resize(OuterWidth - m_frame.left() - m_frame.right(), height - m_frame.top() - m_frame.bottom());
}

void TfFolionixMain::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        platform::guarded([this] { FormShow(); });
        if (!m_shownBefore) {
            m_shownBefore = true;
            m_centrePending = true;
            centreOnScreen();
        }
    }
    QWidget::showEvent(event);
}

bool TfFolionixMain::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Expose:
    case QEvent::WindowActivate:
        syncFrame();
        break;
    default:
        break;
    }
    return handled;
}

// An X11 window manager tells the frame size only once the window is mapped, so the first
// showing guesses no frame; as soon as the frame is known the client size is corrected so that
// the outer size is the one asked for, and the first showing is centred again.
void TfFolionixMain::syncFrame()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame == m_frame)
        return;
    const int wantedHeight = outerHeight();
    m_frame = frame;
    SetFormConstraints();
    setOuterHeight(wantedHeight);
    if (m_centrePending) {
        m_centrePending = false;
        centreOnScreen();
    }
}

void TfFolionixMain::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QPoint topLeft(area.x() + (area.width() - OuterWidth) / 2,
                         area.y() + (area.height() - outerHeight()) / 2);
    // The window's own frame margins are fresher than the widget's copy right after mapping.
    if (QWindow *window = windowHandle())
        window->setFramePosition(topLeft);
    else
        move(topLeft);
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
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::paintColor(color));
    setPalette(pal);
}

void TfFolionixMain::setFontColor(TColor color)
{
    const QColor paint = platform::paintColor(color);
    QPalette pal = palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, paint);
    setPalette(pal);
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
        for (int number = 1; number <= ManuscriptCount; ++number) {
            QPushButton *button = manuscriptButton(number);
            button->setText(ini.ReadText(s, buttonKey(number), button->text()));
        }
        setFormColor(TextToColor(ini.ReadText(s, QStringLiteral("FormColor"), QStringLiteral("clCream"))));
        setFontColor(TextToColor(ini.ReadText(s, QStringLiteral("FontColor"), QStringLiteral("clBlack"))));

        QFont f = font();
        const QString face = ini.ReadText(s, QStringLiteral("FontName"), f.family());
        if (!face.isEmpty())
            f.setFamily(face.left(MaxFaceNameLength));
        const qint32 size = ini.ReadNumber(s, QStringLiteral("FontSize"), f.pointSize());
        if (size >= 1)
            f.setPointSize(qMin(size, MaxFontPointSize));
        // Styles only ever add up: a flag that reads false leaves the style as it is.
        if (ini.ReadFlag(s, QStringLiteral("FontBold"), false))
            f.setBold(true);
        if (ini.ReadFlag(s, QStringLiteral("FontItalics"), false))
            f.setItalic(true);
        if (ini.ReadFlag(s, QStringLiteral("FontUnderline"), false))
            f.setUnderline(true);
        if (ini.ReadFlag(s, QStringLiteral("FontStrikeout"), false))
            f.setStrikeOut(true);
        setFont(f);
    }
    SetButtons(GetManuscriptCount());
    QPalette labelPalette = ui->lblemailAuthor->palette();
    labelPalette.setColor(QPalette::WindowText, platform::paintColor(GetContrastingColor(m_formColor)));
    ui->lblemailAuthor->setPalette(labelPalette);
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
        setOuterHeight(row.height);
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
}

void TfFolionixMain::pumniHelpClick()
{
    platform::openDocument(HelpDocument);
}

} // namespace folionix
