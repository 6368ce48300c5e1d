#pragma once

#include "settings/Colors.h"

#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QPushButton;

namespace Ui {
class TfFolionixMain;
}

namespace folionix {

namespace platform {
class OuterGeometry;
}

// The reader's window: one button per manuscript, the link line, Info, and two hidden
// shortcuts (Ctrl+Alt+W for the settings editor, F1 for help). Sizes given here are outer
// sizes, frame and title bar included.
class TfFolionixMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int OuterWidth = 386;
    static constexpr int MinOuterHeight = 114;
    static constexpr int MaxOuterHeight = 343;

    explicit TfFolionixMain(QWidget *parent = nullptr);
    ~TfFolionixMain() override;

    // Applies the settings file to the window; throws EConvertError on a bad colour value,
    // leaving what was applied before it.
    void SetUserProperties();
    // Shows buttons 1..count with their stored captions and sizes the window to them.
    void SetButtons(qint32 count);

    QPushButton *manuscriptButton(int number) const;
    int outerHeight() const;
    TColor formColor() const { return m_formColor; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void SetFormConstraints();
    void lblemailAuthorClick();
    void btnManuscriptClick(int number);
    void btnInfoClick();
    void mniOpenSettingsClick();
    void pumniHelpClick();

    void describeForScreenReaders();
    void setCaption(const QString &caption);
    QString caption() const;
    void setFormColor(TColor color);

    std::unique_ptr<Ui::TfFolionixMain> ui;
    std::array<QPushButton *, 6> m_manuscriptButtons{};
    QMenu *pum = nullptr;
    QAction *mniOpenSettings = nullptr;
    QAction *pumniHelp = nullptr;

    platform::OuterGeometry *m_outer = nullptr;
    TColor m_formColor = clCream;
    bool m_shownBefore = false;
};

// The one launcher window, set while it exists.
extern TfFolionixMain *fFolionixMain;

} // namespace folionix
