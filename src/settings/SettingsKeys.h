#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

namespace folionix {

inline const QString SettingsSection = QStringLiteral("UserFormSettings");

inline constexpr int ManuscriptCount = 6;

// How a key's text is read and written.
enum class KeyForm { Text, Color, Integer, Flag };

struct SettingKey {
    QLatin1String name;
    KeyForm form;
    // The settings editor's control that holds a text key; empty for the appearance keys,
    // which live in the editor's own colour and font.
    QLatin1String editorControl;
};

// All 24 keys in the order the editor writes them; saving and loading are driven from here.
inline constexpr std::array<SettingKey, 24> SettingKeys = {{
    {QLatin1String("FormCaption"), KeyForm::Text, QLatin1String("edtFormCaption")},
    {QLatin1String("LabelCaption"), KeyForm::Text, QLatin1String("edtLabelCaption")},
    {QLatin1String("EmailOrURL"), KeyForm::Text, QLatin1String("edtEmailAddressOrWebSite")},
    {QLatin1String("Button1"), KeyForm::Text, QLatin1String("edtMs1BtnCaption")},
    {QLatin1String("Button2"), KeyForm::Text, QLatin1String("edtMs2BtnCaption")},
    {QLatin1String("Button3"), KeyForm::Text, QLatin1String("edtMs3BtnCaption")},
    {QLatin1String("Button4"), KeyForm::Text, QLatin1String("edtMs4BtnCaption")},
    {QLatin1String("Button5"), KeyForm::Text, QLatin1String("edtMs5BtnCaption")},
    {QLatin1String("Button6"), KeyForm::Text, QLatin1String("edtMs6BtnCaption")},
    {QLatin1String("Manuscript1"), KeyForm::Text, QLatin1String("edtManuscript1FileName")},
    {QLatin1String("Manuscript2"), KeyForm::Text, QLatin1String("edtManuscript2FileName")},
    {QLatin1String("Manuscript3"), KeyForm::Text, QLatin1String("edtManuscript3FileName")},
    {QLatin1String("Manuscript4"), KeyForm::Text, QLatin1String("edtManuscript4FileName")},
    {QLatin1String("Manuscript5"), KeyForm::Text, QLatin1String("edtManuscript5FileName")},
    {QLatin1String("Manuscript6"), KeyForm::Text, QLatin1String("edtManuscript6FileName")},
    {QLatin1String("InfoButtonText"), KeyForm::Text, QLatin1String("mmoInfo")},
    {QLatin1String("FormColor"), KeyForm::Color, QLatin1String()},
    {QLatin1String("FontColor"), KeyForm::Color, QLatin1String()},
    {QLatin1String("FontName"), KeyForm::Text, QLatin1String()},
    {QLatin1String("FontSize"), KeyForm::Integer, QLatin1String()},
    {QLatin1String("FontBold"), KeyForm::Flag, QLatin1String()},
    {QLatin1String("FontItalics"), KeyForm::Flag, QLatin1String()},
    {QLatin1String("FontUnderline"), KeyForm::Flag, QLatin1String()},
    {QLatin1String("FontStrikeout"), KeyForm::Flag, QLatin1String()},
}};

inline QString buttonKey(int number)
{
    return QStringLiteral("Button%1").arg(number);
}
inline QString manuscriptKey(int number)
{
    return QStringLiteral("Manuscript%1").arg(number);
}

} // namespace folionix
