#include "launcher/FolionixConst.h"

#include <QCoreApplication>

namespace folionix {

QString msgNoManuscripts()
{
    return QCoreApplication::translate("FolionixConst", "No manuscript names have been assigned.");
}

QString msgButtonCountOutOfRange(int count)
{
    return QCoreApplication::translate(
               "FolionixConst",
               "Number of buttons in SetButtons() case statement (%1) out of range.")
        .arg(count);
}

QString msgBogusCaptionSelector()
{
    return QCoreApplication::translate("FolionixConst",
                                       "Bogus selector in GetManuscriptCaption() case statement");
}

} // namespace folionix
