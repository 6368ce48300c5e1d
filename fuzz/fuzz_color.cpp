// Every colour value survives ColorToText and TextToColor, and the text is a name of the table
// or "$" with eight upper-case hexadecimal digits.
#include "FuzzCheck.h"
#include "settings/Colors.h"

#include <cstdint>
#include <cstring>

using namespace folionix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    TColor color;
    std::memcpy(&color, data, 4);
    const QString text = ColorToText(color);
    FUZZ_CHECK(TextToColor(text) == color);
    bool named = false;
    for (const auto &entry : ColorIdentifiers)
        named |= text == QLatin1String(entry.name);
    if (!named) {
        FUZZ_CHECK(text.size() == 9 && text.front() == u'$');
        for (const QChar c : text.mid(1))
            FUZZ_CHECK((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
    }
    return 0;
}
