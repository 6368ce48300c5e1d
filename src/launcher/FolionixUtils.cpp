#include "launcher/FolionixUtils.h"

#include "launcher/FolionixConst.h"
#include "platform/Dialogs.h"
#include "platform/SystemColors.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace folionix {

namespace {

bool isBlankValue(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() > 32)
            return false;
    }
    return true;
}

} // namespace

qint32 GetManuscriptCount()
{
    if (!SettingsFileExists())
        return ManuscriptCount;
    const TSettingsFile ini(SettingsFilePath());
    for (int number = ManuscriptCount; number >= 1; --number) {
        if (!isBlankValue(ini.ReadText(SettingsSection, manuscriptKey(number), QString())))
            return number;
    }
    return 0;
}

QString GetManuscriptCaption(qint32 index)
{
    if (index < 1 || index > ManuscriptCount) {
        platform::showInformation(msgBogusCaptionSelector());
        return QString();
    }
    const TSettingsFile ini(SettingsFilePath());
    return ini.ReadText(SettingsSection, buttonKey(index), QString());
}

int GetColorBrightness(TColor color)
{
    const int red = int(color & 0xFF);
    const int green = int((color >> 8) & 0xFF);
    const int blue = int((color >> 16) & 0xFF);
    return (77 * red + 151 * green + 28 * blue) >> 8;
}

TColor GetContrastingColor(TColor color)
{
    const TColor seen =
        (color >> 24) == 0 ? color : platform::storedColor(platform::paintColor(color));
    return GetColorBrightness(seen) >= 128 ? clBlack : clWhite;
}

} // namespace folionix
