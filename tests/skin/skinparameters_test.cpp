#include "core/appstate.h"
#include "skin/skinparameters.h"
#include "skin/twips.h"
#include "support/tempprogramfolder.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

struct Fixture {
    TempProgramFolder folder;
    AppState app{folder.Path()};
    Fixture() {
        app.currentUser = "Alice";
        folder.MakeFolder("users/Alice");
    }
    QString Skin(const QByteArray& config, const QString& name = "Test") {
        folder.Write("Skins/" + name + "/config.ini", config);
        return SkinFolderPath(app, name);
    }
};

} // namespace

TEST(SkinParameters, ClampColor) {
    EXPECT_EQ(ClampColor(-5), 0);
    EXPECT_EQ(ClampColor(0), 0);
    EXPECT_EQ(ClampColor(255), 255);
    EXPECT_EQ(ClampColor(16777215), 16777215);
    EXPECT_EQ(ClampColor(99999999), 16777215);
    EXPECT_EQ(ClampColor(std::nan("")), 0);
}

TEST(SkinParameters, FolderPathOfTheActiveSkin) {
    Fixture f;
    // Nothing stored: the default skin, whose stored name ends with a backslash.
    EXPECT_EQ(ActiveSkinName(f.app), "WindowsXP\\");
    EXPECT_EQ(ActiveSkinFolderPath(f.app), f.folder.Path() + "/Skins/WindowsXP/");

    f.folder.Write("users/Alice/config.ini", "[General]\r\nSkinFolder=Jade\r\n");
    EXPECT_EQ(ActiveSkinFolderPath(f.app), f.folder.Path() + "/Skins/Jade/");

    // An existing folder is found whatever the case the settings file spells it in.
    f.folder.MakeFolder("Skins/Jade");
    f.folder.Write("users/Alice/config.ini", "[General]\r\nSkinFolder=JADE\\\r\n");
    EXPECT_EQ(ActiveSkinFolderPath(f.app), f.folder.Path() + "/Skins/Jade/");
}

TEST(SkinParameters, EveryKeyReadsItsDefaultWithoutAParameterFile) {
    Fixture f;
    const QString folder = SkinFolderPath(f.app, "Missing");
    EXPECT_EQ(AllSkinKeys().size(), std::size_t(SkinKeyCount));
    for (const SkinKeyInfo& info : AllSkinKeys()) {
        if (info.kind == SkinValueKind::Color) {
            EXPECT_EQ(ReadSkinColor(folder, info.id), info.readerDefault.toInt())
                << info.section.toString().toStdString() << "/"
                << info.key.toString().toStdString();
        }
    }
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::WindowBackColor), 14215404);
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::TextBoxFocusBackColor), 16770760);
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::ListBoxFocusBorderColor), 255);
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::TabPageFocusForeColor), 16711680);
    EXPECT_EQ(ReadSkinFontSize(folder, SkinKey::WindowTitleFontSize), 14.0);
    EXPECT_TRUE(ReadSkinFlag(folder, SkinKey::WindowTitleFontBold));
    EXPECT_TRUE(ReadSkinFlag(folder, SkinKey::WindowTitleFontItalic));
    EXPECT_EQ(ReadSkinCode(folder, SkinKey::WindowTitleAlignment), 0);
    EXPECT_EQ(ReadSkinRounding(folder, SkinKey::WindowRoundRng), 16);
    EXPECT_EQ(ReadSkinText(folder, SkinKey::WindowTitleFontName, "Frame Font"), "Frame Font");
    EXPECT_EQ(ReadSkinText(folder, SkinKey::GeneralDescription, "无相关描述"), "无相关描述");
}

struct ValueCase {
    const char* text;
    qint32 color;
    std::optional<int> code;
    std::optional<int> rounding;
    std::optional<double> fontSize;
    bool flag;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class SkinValueText : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SkinValueText, ReadsAsEachKind) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(SkinColorFromText(QString::fromUtf8(c.text)), c.color);
    EXPECT_EQ(SkinCodeFromText(QString::fromUtf8(c.text)), c.code);
    EXPECT_EQ(SkinRoundingFromText(QString::fromUtf8(c.text)), c.rounding);
    EXPECT_EQ(SkinFontSizeFromText(QString::fromUtf8(c.text)), c.fontSize);
    EXPECT_EQ(SkinFlagFromText(QString::fromUtf8(c.text)), c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinValueText,
    ::testing::Values(
        //         text         colour    code          rounding      font size        flag
        ValueCase{"&HFF", 255, 255, 255, 255.0, true},
        ValueCase{"-5", 0, std::nullopt, 5, std::nullopt, true},
        ValueCase{"-8", 0, std::nullopt, 8, std::nullopt, true},
        ValueCase{"99999999", 16777215, std::nullopt, std::nullopt, std::nullopt, true},
        ValueCase{"2.5", 2, 2, 2, 2.5, true}, ValueCase{"3.5", 4, 4, 4, 3.5, true},
        ValueCase{"10.5", 10, 10, 10, 10.5, true},
        ValueCase{"256", 256, std::nullopt, 256, 256.0, true},
        ValueCase{"32768", 32768, std::nullopt, std::nullopt, std::nullopt, true},
        ValueCase{"0", 0, 0, 0, std::nullopt, false},
        ValueCase{"false", 0, 0, 0, std::nullopt, true},
        ValueCase{" 1 2 ", 12, 12, 12, 12.0, true}));

TEST(SkinParameters, ValuesOfAParameterFile) {
    Fixture f;
    QByteArray longDescription(300, 'x');
    const QString folder = f.Skin("[general]\r\nDescription=" + longDescription +
                                  "\r\n[WINDOW]\r\nbackcolor=&HFF\r\nForeColor=\r\n"
                                  "TitleFontBold=0\r\nTitleFontItalic=false\r\n"
                                  "TitleFontName=" +
                                  Gb("楷体") + "  \r\nTitleAlignment=2.5\r\nRoundRng=-8\r\n");
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::WindowBackColor), 255);
    // An empty value counts as missing.
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::WindowForeColor), 0);
    EXPECT_FALSE(ReadSkinFlag(folder, SkinKey::WindowTitleFontBold));
    EXPECT_TRUE(ReadSkinFlag(folder, SkinKey::WindowTitleFontItalic));
    EXPECT_EQ(ReadSkinText(folder, SkinKey::WindowTitleFontName), "楷体");
    EXPECT_EQ(ReadSkinCode(folder, SkinKey::WindowTitleAlignment), 2);
    EXPECT_EQ(ReadSkinRounding(folder, SkinKey::WindowRoundRng), 8);
    EXPECT_EQ(ReadSkinText(folder, SkinKey::GeneralDescription).size(), 255);
}

TEST(SkinParameters, EmptyBackColorGivesTheDefaultNotBlack) {
    Fixture f;
    const QString folder = f.Skin("[Window]\r\nBackColor=\r\n");
    EXPECT_EQ(ReadSkinColor(folder, SkinKey::WindowBackColor), 14215404);
}

TEST(Twips, FifteenTwipsAPixel) {
    EXPECT_EQ(TwipsPerPixel, 15);
    EXPECT_EQ(PixelsToTwips(21), 315);
    EXPECT_EQ(TwipsToPixels(315), 21);
    EXPECT_EQ(TwipsToPixels(100), 7);  // 6.67
    EXPECT_EQ(TwipsToPixels(50), 3);   // 3.33
    EXPECT_EQ(TwipsToPixels(22.5), 2); // halves to even
    EXPECT_EQ(TwipsToPixels(100, 50, 240, 240), QRect(7, 3, 16, 16));
}
