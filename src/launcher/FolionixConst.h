#pragma once

#include <QString>

namespace folionix {

// The program's own messages, translatable.
QString msgNoManuscripts();
QString msgButtonCountOutOfRange(int count);
QString msgBogusCaptionSelector();

} // namespace folionix
