#pragma once

#include <QString>

#include <array>
#include <stdexcept>

namespace folionix {

// A colour as the settings file knows it: 0x00BBGGRR for RGB, 0x80000000 | index for a
// desktop (system) colour, plus the two special values clNone and clDefault.
using TColor = quint32;

struct EConvertError : std::runtime_error {
    using runtime_error::runtime_error;
};

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clCream = 0x00F0FBFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor SystemColorFlag = 0x80000000;
inline constexpr TColor clWindow = SystemColorFlag | 5;
inline constexpr TColor clWindowText = SystemColorFlag | 8;
inline constexpr TColor clBtnFace = SystemColorFlag | 15;

inline constexpr bool isSystemColor(TColor color)
{
    return (color & SystemColorFlag) != 0;
}

struct ColorIdentifier {
    const char *name;
    TColor value;
};

// The 52 named colours; no name and no value occurs twice.
extern const std::array<ColorIdentifier, 52> ColorIdentifiers;

// The identifier when the colour has one, else "$" and eight upper-case hex digits.
QString ColorToText(TColor color);

// An identifier (ASCII letters compared without case) or an integer by the integer rule.
// Throws EConvertError("'<text>' is not a valid integer value") otherwise.
TColor TextToColor(const QString &text);

} // namespace folionix
