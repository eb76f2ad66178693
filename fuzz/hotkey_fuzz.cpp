// Stored hot-key values from any text: no crash, a value read back stores as itself, and every
// key and modifier it names can be shown and looked up in the key table.

#include "fuzzsupport.h"
#include "memorize/hotkeyslots.h"
#include "platform/textcodec.h"
#include "platform/virtualkey.h"

#include <cstdint>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DecodeText(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), TextEncoding::Utf8);
    const std::optional<KeyCombination> parsed = ParseStoredHotKey(text);
    if (!parsed)
        return 0;
    FUZZ_CHECK(parsed->keyCode >= 0 && parsed->keyCode <= 255);
    FUZZ_CHECK(parsed->shift >= 0);
    const int stored = StoredHotKeyValue(*parsed);
    FUZZ_CHECK(stored > 0);
    FUZZ_CHECK(ParseStoredHotKey(QString::number(stored)) == parsed);
    JoinKeyNames(ModifierNames(parsed->shift), KeyName(parsed->keyCode));
    KeySymFromVirtualKey(parsed->keyCode);
    return 0;
}
