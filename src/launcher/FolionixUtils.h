#pragma once

#include "settings/Colors.h"

#include <QString>

namespace folionix {

// How many manuscript buttons to show: the highest N whose ManuscriptN is not blank, 0 when all
// are blank, 6 when there is no settings file.
qint32 GetManuscriptCount();

// The caption stored for manuscript button 1..6 (empty when absent); any other index is
// reported and gives empty text.
QString GetManuscriptCaption(qint32 index);

// 77 R + 151 G + 28 B over 256, from the value's low three bytes as they stand.
int GetColorBrightness(TColor color);

// Black or white, whichever reads better on the colour the reader sees: desktop colours are
// resolved to the running palette first, so a light button face gets black text.
TColor GetContrastingColor(TColor color);

} // namespace folionix
