// The tip reader on any file: the text comes back line by line, each line ended by CR LF.

#include "app/tipondayformlogic.h"
#include "fuzzsupport.h"

#include <cstdint>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path =
        fuzz::WriteScratchFile(QStringLiteral("Tips/tip.txt"),
                               QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QString text = ReadTipFile(path);
    FUZZ_CHECK(text.isEmpty() || text.endsWith(QStringLiteral("\r\n")));
    const qint32 count = size > 0 ? qint32(data[0]) - 128 : 0;
    const qint32 index = size > 1 ? qint32(qint8(data[1])) * 1000 : 0;
    const qint32 wrapped = WrapTipIndex(index, count);
    if (count > 0)
        FUZZ_CHECK(wrapped >= 0 && wrapped < count);
    return 0;
}
