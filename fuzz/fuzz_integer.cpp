// The integer rule and TextToColor against a reference written independently: a regular
// expression for the form and 64-bit arithmetic for the range.
#include "FuzzCheck.h"
#include "settings/Colors.h"
#include "settings/SettingsFile.h"

#include <QRegularExpression>

#include <cstdint>
#include <optional>

using namespace folionix;

namespace {

std::optional<qint32> reference(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^ *(?:(?:\\$|0[xX]|[xX])([0-9A-Fa-f]+)|([+-]?)([0-9]+))\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    auto significant = [](QString digits) {
        while (digits.size() > 1 && digits.front() == u'0')
            digits.remove(0, 1);
        return digits;
    };
    if (match.capturedLength(1) > 0) {
        const QString hex = significant(match.captured(1));
        if (hex.size() > 8)
            return std::nullopt;
        return qint32(hex.toUInt(nullptr, 16));
    }
    const QString decimal = significant(match.captured(3));
    if (decimal.size() > 10)
        return std::nullopt;
    qint64 value = decimal.toLongLong();
    if (match.captured(2) == QLatin1String("-"))
        value = -value;
    if (value < -2147483648LL || value > 2147483647LL)
        return std::nullopt;
    return qint32(value);
}

std::optional<TColor> referenceColor(const QString &text)
{
    for (const auto &entry : ColorIdentifiers) {
        const QString name = QString::fromLatin1(entry.name);
        bool same = name.size() == text.size();
        for (qsizetype i = 0; same && i < name.size(); ++i) {
            const char16_t a = name[i].unicode(), b = text[i].unicode();
            auto lower = [](char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; };
            same = lower(a) == lower(b);
        }
        if (same)
            return entry.value;
    }
    if (const auto number = reference(text))
        return TColor(*number);
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(ParseInteger(text) == reference(text));
    std::optional<TColor> color;
    try {
        color = TextToColor(text);
    } catch (const EConvertError &) {
    }
    FUZZ_CHECK(color == referenceColor(text));
    return 0;
}
