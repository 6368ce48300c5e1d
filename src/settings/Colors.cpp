#include "settings/Colors.h"

#include "settings/SettingsFile.h"

#include <QCoreApplication>

namespace folionix {

const std::array<ColorIdentifier, 52> ColorIdentifiers = {{
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", SystemColorFlag | 10},
    {"clActiveCaption", SystemColorFlag | 2},
    {"clAppWorkSpace", SystemColorFlag | 12},
    {"clBackground", SystemColorFlag | 1},
    {"clBtnFace", SystemColorFlag | 15},
    {"clBtnHighlight", SystemColorFlag | 20},
    {"clBtnShadow", SystemColorFlag | 16},
    {"clBtnText", SystemColorFlag | 18},
    {"clCaptionText", SystemColorFlag | 9},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", SystemColorFlag | 27},
    {"clGradientInactiveCaption", SystemColorFlag | 28},
    {"clGrayText", SystemColorFlag | 17},
    {"clHighlight", SystemColorFlag | 13},
    {"clHighlightText", SystemColorFlag | 14},
    {"clHotLight", SystemColorFlag | 26},
    {"clInactiveBorder", SystemColorFlag | 11},
    {"clInactiveCaption", SystemColorFlag | 3},
    {"clInactiveCaptionText", SystemColorFlag | 19},
    {"clInfoBk", SystemColorFlag | 24},
    {"clInfoText", SystemColorFlag | 23},
    {"clMenu", SystemColorFlag | 4},
    {"clMenuBar", SystemColorFlag | 30},
    {"clMenuHighlight", SystemColorFlag | 29},
    {"clMenuText", SystemColorFlag | 7},
    {"clNone", clNone},
    {"clScrollBar", SystemColorFlag | 0},
    {"cl3DDkShadow", SystemColorFlag | 21},
    {"cl3DLight", SystemColorFlag | 22},
    {"clWindow", SystemColorFlag | 5},
    {"clWindowFrame", SystemColorFlag | 6},
    {"clWindowText", SystemColorFlag | 8},
}};

namespace {

// Only the ASCII letters fold: "clſilver" must not pass for "clSilver".
bool equalsIgnoringAsciiCase(QStringView text, const char *name)
{
    qsizetype i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i >= text.size())
            return false;
        const char16_t c = text[i].unicode();
        const char16_t folded = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        const char n = name[i];
        const char nf = (n >= 'A' && n <= 'Z') ? char(n + 32) : n;
        if (folded != char16_t(nf))
            return false;
    }
    return i == text.size();
}

} // namespace

QString ColorToText(TColor color)
{
    for (const auto &entry : ColorIdentifiers) {
        if (entry.value == color)
            return QLatin1String(entry.name);
    }
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

TColor TextToColor(const QString &text)
{
    for (const auto &entry : ColorIdentifiers) {
        if (equalsIgnoringAsciiCase(text, entry.name))
            return entry.value;
    }
    if (const auto number = ParseInteger(text))
        return TColor(*number);
    throw EConvertError(QCoreApplication::translate("folionix", "'%1' is not a valid integer value")
                            .arg(text)
                            .toStdString());
}

} // namespace folionix
