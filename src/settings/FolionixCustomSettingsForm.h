#pragma once

#include "settings/Colors.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace Ui {
class TfCustomSettings;
}

namespace folionix {

namespace platform {
class OuterGeometry;
}

struct SettingKey;

// The author's window: every text the launcher shows or uses, its colour and its font, previewed
// on the editor itself (the editor's own background colour and font are the values edited).
// "Assign Settings and Close" writes all 24 keys, has the launcher apply them and closes.
class TfCustomSettings : public QWidget {
    Q_OBJECT
public:
    // applyToLauncher runs after a successful save; a failure it throws keeps the editor open.
    explicit TfCustomSettings(std::function<void()> applyToLauncher = {},
                              QWidget *parent = nullptr);
    ~TfCustomSettings() override;

    TColor formColor() const { return m_formColor; }
    TColor fontColor() const { return m_fontColor; }

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btnAssignUserSettingsClick();
    void FormShow();
    void edtFormCaptionEnter(QWidget *field);
    void edtFormCaptionExit(QWidget *field);
    void btnFormColorClick();
    void btnFontClick();
    void pumniHelpClick();

    void LoadUserSettings();
    void SaveUserSettings();

    void setFormColor(TColor color);
    void setFontColor(TColor color);
    void applyFont(const QFont &font);
    QWidget *field(const SettingKey &key) const;
    QString fieldText(const SettingKey &key) const;
    void setFieldText(const SettingKey &key, const QString &text);

    std::unique_ptr<Ui::TfCustomSettings> ui;
    std::function<void()> m_applyToLauncher;
    platform::OuterGeometry *m_outer = nullptr;
    QMenu *pum = nullptr;
    QAction *pumniHelp = nullptr;
    TColor m_formColor = clBtnFace;
    TColor m_fontColor = clWindowText;
    bool m_shownBefore = false;
};

// F1 in either window: the help document beside the program, handed to the desktop.
inline constexpr quint16 HelpShortcut = 112;
void OpenHelpDocument();

// Opens a fresh editor, modal over the whole application, and returns when it has closed; the
// editor is gone by then, whichever way it closed.
void ShowCustomSettings(std::function<void()> applyToLauncher);

} // namespace folionix
