// The INI text layer on any bytes: parsing never fails, writing a value makes it read back
// exactly, a written document parses to itself, and (for UTF-8 input) a write changes at most
// one existing line, adding at most the lines it needs.
#include "FuzzCheck.h"
#include "settings/IniDocument.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>

#include <array>
#include <cstdint>

using folionix::IniDocument;

namespace {

QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            out << bytes.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    if (start < bytes.size())
        out << bytes.mid(start);
    return out;
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError() && text.toUtf8() == bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static const std::array<const char16_t *, 3> sections = {u"UserFormSettings", u"Sec", u"a b"};
    static const std::array<const char16_t *, 3> keys = {u"FormCaption", u"Key", u"InfoButtonText"};
    const QString section = QString::fromUtf16(sections[data[0] % 3]);
    const QString key = QString::fromUtf16(keys[(data[0] / 3) % 3]);
    // The last bytes (up to 24, counted by the second byte) are the value, the rest the file.
    const size_t valueSize = std::min<size_t>(data[1] % 25, size - 2);
    const QByteArray file(reinterpret_cast<const char *>(data) + 2, qsizetype(size - 2 - valueSize));
    const QString value = QString::fromUtf8(reinterpret_cast<const char *>(data) + size - valueSize, qsizetype(valueSize));

    IniDocument doc = IniDocument::fromBytes(file);
    (void)doc.value(section, key);
    const QByteArray unchanged = doc.toBytes();
    FUZZ_CHECK(IniDocument::fromBytes(unchanged).toBytes() == unchanged);

    doc.setValue(section, key, value);
    const QByteArray written = doc.toBytes();
    const IniDocument reread = IniDocument::fromBytes(written);
    FUZZ_CHECK(reread.value(section, key) == value);
    FUZZ_CHECK(reread.toBytes() == written);

    if (isUtf8(file)) {
        const QList<QByteArray> before = lines(file);
        const QList<QByteArray> after = lines(written);
        qsizetype prefix = 0;
        while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
               before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
            ++suffix;
        FUZZ_CHECK(before.size() - prefix - suffix <= 1);
        FUZZ_CHECK(after.size() - prefix - suffix <= 3);
    }
    return 0;
}
