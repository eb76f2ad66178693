// The private-profile engine on any file: any key reads without harm; a value written is the
// value read back, and every other line of the file stays as it was.

#include "fuzzsupport.h"
#include "platform/privateprofile.h"
#include "platform/textfile.h"

#include <QList>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace lexarion;

namespace {

// A short name of letters and digits, never empty: the shape of every section and key the
// program writes.
QString NameFrom(FuzzedDataProvider& input, size_t longest) {
    static const char alphabet[] = "abcABC019xyzGnrl";
    QString name;
    const size_t length = input.ConsumeIntegralInRange<size_t>(1, longest);
    for (size_t i = 0; i < length; ++i)
        name += QLatin1Char(alphabet[input.ConsumeIntegralInRange<size_t>(0, 15)]);
    return name;
}

// The lines of a file as text: a UTF-8 byte-order mark marks the encoding and belongs to no line
// (a file of a mark alone has none, and the first line written after it follows the mark).
QList<QByteArray> Lines(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QByteArray> lines;
    ForEachLine(bytes, [&](QByteArrayView line) { lines.append(line.toByteArray()); });
    return lines;
}

bool IsSubsequence(const QList<QByteArray>& part, const QList<QByteArray>& whole) {
    qsizetype j = 0;
    for (const QByteArray& line : part) {
        while (j < whole.size() && whole[j] != line)
            ++j;
        if (j == whole.size())
            return false;
        ++j;
    }
    return true;
}

qsizetype DifferingLines(const QList<QByteArray>& a, const QList<QByteArray>& b) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        count += a[i] != b[i];
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = NameFrom(input, 6);
    const QString key = NameFrom(input, 6);
    const QString value = input.ConsumeBool() ? QString() : NameFrom(input, 12);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray before(rest.data(), qsizetype(rest.size()));
    const QString file = fuzz::WriteScratchFile(QStringLiteral("profile.ini"), before);

    GetPrivateProfileString(section, key, QStringLiteral("default"), file);
    GetPrivateProfileValue(section, key, file);

    if (!WritePrivateProfileString(section, key, value, file)) {
        FUZZ_CHECK(fuzz::ReadScratchFile(file) == before);
        return 0;
    }
    FUZZ_CHECK(GetPrivateProfileValue(section, key, file) == value);

    const QList<QByteArray> oldLines = Lines(before);
    const QList<QByteArray> newLines = Lines(fuzz::ReadScratchFile(file));
    if (newLines.size() == oldLines.size())
        FUZZ_CHECK(DifferingLines(oldLines, newLines) <= 1); // the key's line, replaced
    else
        FUZZ_CHECK(newLines.size() <= oldLines.size() + 2 && IsSubsequence(oldLines, newLines));
    return 0;
}
