// The word-list loader and the entry accessors on any file.

#include "fuzzsupport.h"
#include "wordlist/wordentry.h"
#include "wordlist/wordlist.h"

#include <cstdint>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path =
        fuzz::WriteScratchFile(QStringLiteral("list.wsl"),
                               QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    WordList list;
    qint32 current = -7;
    FUZZ_CHECK(LoadWordList(path, list, current));
    FUZZ_CHECK(current == 0);
    for (qint32 i = 1; i <= list.Count(); ++i) {
        const QString line = list.Item(i);
        FUZZ_CHECK(IsEntryLine(line));
        const QString word = EntryWord(line, QStringLiteral("?"));
        const QString explanation = EntryExplanation(line, QStringLiteral("?"));
        EntryPronounce(line, QStringLiteral("?"));
        FUZZ_CHECK(line.contains(word) && line.contains(explanation));
    }
    FUZZ_CHECK(list.Item(0).isEmpty() && list.Item(list.Count() + 1).isEmpty());
    ReadWordListDescription(path);
    return 0;
}
