#include "settings/FontSettings.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace folionix {

void ReadFontSettings(const TSettingsFile &ini, QFont &font)
{
    const QString &s = SettingsSection;
    const QString face = ini.ReadText(s, QStringLiteral("FontName"), font.family());
    if (!face.isEmpty())
        font.setFamily(face.left(MaxFaceNameLength));
    const qint32 size = ini.ReadNumber(s, QStringLiteral("FontSize"), font.pointSize());
    if (size >= 1)
        font.setPointSize(qMin(size, MaxFontPointSize));
    if (ini.ReadFlag(s, QStringLiteral("FontBold"), false))
        font.setBold(true);
    if (ini.ReadFlag(s, QStringLiteral("FontItalics"), false))
        font.setItalic(true);
    if (ini.ReadFlag(s, QStringLiteral("FontUnderline"), false))
        font.setUnderline(true);
    if (ini.ReadFlag(s, QStringLiteral("FontStrikeout"), false))
        font.setStrikeOut(true);
}

} // namespace folionix
