#pragma once

#include <QLocale>

namespace folionix::platform {

// Loads the program's own translation for the locale (built in) and Qt's translation of its
// dialogs (beside the program in translations/, or where Qt is installed). Returns whether the
// program's own translation was found; English needs none.
bool installTranslations(const QLocale &locale);

} // namespace folionix::platform
