#pragma once

#include <QFont>

namespace folionix {

class TSettingsFile;

// Point sizes above this stall text layout and mean nothing in a window this small.
inline constexpr int MaxFontPointSize = 144;
inline constexpr int MaxFaceNameLength = 31;

// Reads FontName, FontSize and the four style flags into the font, in that order, with the
// font's own values as defaults. An empty face name or a size below 1 leaves those as they are,
// a long face name is cut to 31 characters, and a flag that reads false removes nothing.
void ReadFontSettings(const TSettingsFile &ini, QFont &font);

} // namespace folionix
