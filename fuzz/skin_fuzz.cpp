// The skin parameter reader on any parameter file, the value readers on any text, and
// ClampColor on any number.

#include "fuzzsupport.h"
#include "platform/textcodec.h"
#include "skin/skinparameters.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace lexarion;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= sizeof(double)) {
        double number;
        std::memcpy(&number, data, sizeof number);
        const qint32 color = ClampColor(number);
        FUZZ_CHECK(color >= 0 && color <= MaxColorNumber);
        if (number >= 0 && number <= MaxColorNumber)
            FUZZ_CHECK(std::fabs(color - number) < 1);
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = DecodeAnsi(bytes);
    const qint32 color = SkinColorFromText(text);
    FUZZ_CHECK(color >= 0 && color <= MaxColorNumber);
    SkinFlagFromText(text);
    SkinCodeFromText(text);
    SkinRoundingFromText(text);
    SkinFontSizeFromText(text);

    fuzz::WriteScratchFile(QStringLiteral("Skins/Any/config.ini"), bytes);
    const QString folder = fuzz::ScratchFolder() + QStringLiteral("/Skins/Any/");
    for (int key = 0; key < int(AllSkinKeys().size()); ++key) {
        const SkinKey skinKey = static_cast<SkinKey>(key);
        ReadSkinValue(folder, skinKey);
        const qint32 read = ReadSkinColor(folder, skinKey);
        FUZZ_CHECK(read >= 0 && read <= MaxColorNumber);
        ReadSkinFlag(folder, skinKey);
        ReadSkinCode(folder, skinKey);
        ReadSkinRounding(folder, skinKey);
        ReadSkinFontSize(folder, skinKey);
        ReadSkinText(folder, skinKey);
    }
    return 0;
}
