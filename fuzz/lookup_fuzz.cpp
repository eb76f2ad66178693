// The lookup file loader, FindString and EncodeChineseKey on any file and any key: the search
// ends, and every position it gives lies in the range searched (the file need not be sorted,
// so a word present may go unfound, but the search must still end inside the range).

#include "fuzzsupport.h"
#include "platform/textcodec.h"
#include "tools/lookupfile.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string keyBytes = input.ConsumeRandomLengthString(40);
    const QString key = DecodeText(QByteArrayView(keyBytes.data(), qsizetype(keyBytes.size())),
                                   TextEncoding::Gb18030);
    const bool exact = input.ConsumeBool();
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QString path = fuzz::WriteScratchFile(QStringLiteral("All.wsl"),
                                                QByteArray(rest.data(), qsizetype(rest.size())));

    const QString code = EncodeChineseKey(key);
    FUZZ_CHECK(code.size() % 5 == 0);
    for (const QChar c : code)
        FUZZ_CHECK(c >= u'0' && c <= u'9');
    IsAsciiText(key);

    LookupFile list;
    FUZZ_CHECK(LoadLookupFile(path, list));
    for (qint32 i = 0; i < list.Count(); ++i) {
        const QString line = list.Line(i);
        FUZZ_CHECK(line.contains(u'#') && !line.startsWith(u';'));
        list.Word(i);
    }
    FUZZ_CHECK(list.Line(-1).isEmpty() && list.Line(list.Count()).isEmpty());
    if (list.IsEmpty())
        return 0;
    const qint32 last = list.Count() - 1;
    const qint32 first = input.remaining_bytes() == 0 ? 0 : qint32(data[0]) % list.Count();
    const qint32 found = FindString(list, first, last, key, exact);
    if (exact)
        FUZZ_CHECK(found == -1 || (found >= first && found <= last));
    else
        FUZZ_CHECK(found >= first && found <= last);
    return 0;
}
