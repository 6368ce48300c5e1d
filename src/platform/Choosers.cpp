#include "platform/Choosers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace folionix::platform {

namespace {

ColorChooser &colorChooser()
{
    static ColorChooser chooser;
    return chooser;
}

FontChooser &fontChooser()
{
    static FontChooser chooser;
    return chooser;
}

void showSwatch(QPushButton *button, const QColor &color)
{
    QPixmap swatch(32, 14);
    swatch.fill(color);
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

// Qt's font dialog knows no text colour, so it is embedded with a colour row beneath it.
std::optional<FontChoice> runFontDialog(const FontChoice &initial, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("folionix", "Font"));
    auto *fonts = new QFontDialog(&dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setCurrentFont(initial.font);

    QColor color = initial.color;
    auto *colorButton =
        new QPushButton(QCoreApplication::translate("folionix", "Text &colour..."), &dialog);
    showSwatch(colorButton, color);
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        if (const auto chosen = chooseColor(color, &dialog)) {
            color = *chosen;
            showSwatch(colorButton, color);
        }
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorButton);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont font = fonts->currentFont();
    if (font.family() == QFontInfo(initial.font).family())
        font.setFamily(initial.font.family());
    return FontChoice{font, color};
}

} // namespace

std::optional<QColor> chooseColor(const QColor &initial, QWidget *parent)
{
    if (colorChooser())
        return colorChooser()(initial);
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentColor();
}

std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent)
{
    if (fontChooser())
        return fontChooser()(initial);
    return runFontDialog(initial, parent);
}

void setColorChooser(ColorChooser chooser)
{
    colorChooser() = std::move(chooser);
}

void setFontChooser(FontChooser chooser)
{
    fontChooser() = std::move(chooser);
}

} // namespace folionix::platform
