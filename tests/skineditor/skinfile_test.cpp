// The skin parameter file as Hueforge reads and writes it, over real files.

#include "skineditor/skinfile.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

const QString WindowFont = QStringLiteral("Noto Sans");

SkinFields FreshFields() {
    SkinFields fields;
    fields.titleFont = {WindowFont, 14, true, true};
    return fields;
}

// Every value distinct, so that a key written under another's name shows.
SkinFields DistinctFields() {
    SkinFields fields;
    fields.description = QStringLiteral("蓝色的皮肤");
    for (int i = 0; i < SwatchCount; ++i)
        fields.colors[i] = 1000 + i;
    fields.titleFont = {QStringLiteral("宋体"), 10.5, false, true};
    fields.alignment = 2;
    fields.rounding = 40;
    return fields;
}

} // namespace

TEST(ReadIniValue, Rules) {
    TempProgramFolder folder;
    folder.Write("a.ini", "[Window]\r\nRoundRng=40  \r\nEmpty=\r\nName=x\r\n");
    const QString file = folder.File("a.ini");
    struct Case {
        const char* name;
        QString key;
        QString file;
        QString expected;
    } cases[] = {
        {"value, trailing blanks removed", "RoundRng", file, "40"},
        {"key matched without regard to case", "roundrng", file, "40"},
        {"missing key gives the default", "Missing", file, "dflt"},
        {"empty value gives the default", "Empty", file, "dflt"},
        {"no file name gives empty text", "RoundRng", QString(), ""},
        {"missing file gives empty text", "RoundRng", folder.File("none.ini"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadIniValue("Window", c.key, "dflt", c.file), c.expected);
    }
}

TEST(WriteIniValue, CreatesTheFileAndNeedsAName) {
    TempProgramFolder folder;
    EXPECT_FALSE(WriteIniValue("Window", "RoundRng", "5", QString()));
    EXPECT_TRUE(WriteIniValue("Window", "RoundRng", "5", folder.File("new.ini")));
    EXPECT_EQ(folder.Read("new.ini"), QByteArray("[Window]\r\nRoundRng=5\r\n"));
    EXPECT_FALSE(WriteIniValue("Window", "RoundRng", "5", folder.File("no/such/folder.ini")));
    EXPECT_FALSE(folder.Exists("no"));
}

TEST(LoadSkinFile, ValuesDefaultsAndClamps) {
    struct Case {
        const char* name;
        QByteArray file;
        std::function<void(SkinFields&)> expect; // changes from the defaults
    } cases[] = {
        {"only Window/RoundRng 40", "[Window]\r\nRoundRng=40\r\n",
         [](SkinFields& f) { f.rounding = 40; }},
        {"empty file", "", [](SkinFields&) {}},
        {"alignment 7 is hidden", "[Window]\r\nTitleAlignment=7\r\n",
         [](SkinFields& f) { f.alignment = 3; }},
        {"alignment 2.5 rounds to centred", "[Window]\r\nTitleAlignment=2.5\r\n",
         [](SkinFields& f) { f.alignment = 2; }},
        {"rounding 150 is 99", "[Window]\r\nRoundRng=150\r\n",
         [](SkinFields& f) { f.rounding = 99; }},
        {"rounding 100 is 99", "[Window]\r\nRoundRng=100\r\n",
         [](SkinFields& f) { f.rounding = 99; }},
        {"rounding -3 is 0", "[Window]\r\nRoundRng=-3\r\n", [](SkinFields& f) { f.rounding = 0; }},
        {"empty rounding is 16", "[Window]\r\nRoundRng=\r\n", [](SkinFields&) {}},
        {"colours clamped, hexadecimal, text",
         "[Button]\r\nForeColor=-1\r\nFocusForeColor=99999999\r\n[Frame]\r\nBorderColor=&HFF\r\n"
         "[TextBox]\r\nBackColor=blue\r\n",
         [](SkinFields& f) {
             f.SetColor(Swatch::ButtonFocusForeColor, 16777215);
             f.SetColor(Swatch::FrameBorderColor, 255);
         }},
        {"title font",
         "[window]\r\ntitlefontname=宋体\r\nTitleFontSize=10.5\r\nTitleFontBold=0\r\n"
         "TitleFontItalic=false\r\n",
         [](SkinFields& f) {
             f.titleFont = {QStringLiteral("宋体"), 10.5, false, true};
         }},
        {"no font size in the text", "[Window]\r\nTitleFontSize=big\r\nTitleFontBold=\r\n",
         [](SkinFields&) {}},
        {"description", "[General]\r\nDescription=  翠绿色  \r\n",
         [](SkinFields& f) { f.description = QStringLiteral("翠绿色"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        folder.Write("config.ini", Gb(c.file.constData()));
        SkinFields expected = FreshFields();
        c.expect(expected);
        EXPECT_EQ(LoadSkinFile(folder.File("config.ini"), WindowFont), expected);
    }
}

TEST(LoadSkinFile, AFileThatVanishedKeepsAUsableFont) {
    TempProgramFolder folder;
    const SkinFields fields = LoadSkinFile(folder.File("gone.ini"), WindowFont);
    EXPECT_EQ(fields.titleFont.name, WindowFont);
    EXPECT_EQ(fields.titleFont.size, 14);
}

TEST(SaveSkinFile, ANewFileInSectionAndKeyOrder) {
    TempProgramFolder folder;
    ASSERT_TRUE(WriteSkinFields(folder.File("new.ini"), DistinctFields()));
    const QByteArray expected = Gb("[General]\r\nDescription=蓝色的皮肤\r\n"
                                   "[Button]\r\nFocusForeColor=1000\r\nForeColor=1001\r\n"
                                   "[CheckBox]\r\nFocusForeColor=1002\r\nForeColor=1003\r\n"
                                   "[ListBox]\r\nBackColor=1004\r\nFocusBorderColor=1005\r\n"
                                   "BorderColor=1006\r\nItemForeColor=1007\r\n"
                                   "SelectedItemBackColor=1008\r\nSelectedItemBorderColor=1009\r\n"
                                   "SelectedItemForeColor=1010\r\n"
                                   "[OptionBox]\r\nFocusForeColor=1011\r\nForeColor=1012\r\n"
                                   "[TabPage]\r\nFocusForeColor=1013\r\nForeColor=1014\r\n"
                                   "[TextBox]\r\nFocusBorderColor=1015\r\nBorderColor=1016\r\n"
                                   "FocusBackColor=1017\r\nForeColor=1018\r\n"
                                   "FocusForeColor=1019\r\nBackColor=1020\r\n"
                                   "[Window]\r\nForeColor=1021\r\nBackColor=1022\r\n"
                                   "TitleForeColor=1023\r\nTitleFocusForeColor=1024\r\n"
                                   "RoundRng=40\r\nTitleAlignment=2\r\nTitleFontName=宋体\r\n"
                                   "TitleFontSize=10.5\r\nTitleFontBold=0\r\nTitleFontItalic=1\r\n"
                                   "[Frame]\r\nBorderColor=1025\r\n");
    EXPECT_EQ(folder.Read("new.ini"), expected);
    EXPECT_EQ(LoadSkinFile(folder.File("new.ini"), WindowFont), DistinctFields());
}

TEST(SaveSkinFile, AnExistingFileKeepsItsOtherLines) {
    TempProgramFolder folder;
    folder.Write("config.ini", Gb("; 作者的说明\r\n"
                                  "[Window]\r\n"
                                  "BackColor = 5\r\n"
                                  "Unknown=keep me\r\n"
                                  "\r\n"
                                  "[Extra]\r\n"
                                  "Anything=1\r\n"
                                  "[Button]\r\n"
                                  "ForeColor=-1\r\n"));
    const QString file = folder.File("config.ini");
    SkinFields fields = LoadSkinFile(file, WindowFont);
    EXPECT_EQ(fields.Color(Swatch::ButtonForeColor), 0);
    fields.SetColor(Swatch::WindowBackColor, 255);
    ASSERT_TRUE(WriteSkinFields(file, fields));

    const QByteArray bytes = folder.Read("config.ini");
    EXPECT_TRUE(bytes.startsWith(Gb("; 作者的说明\r\n[Window]\r\nBackColor=255\r\n"
                                    "Unknown=keep me\r\nForeColor=0\r\n")));
    EXPECT_TRUE(bytes.contains("\r\n\r\n[Extra]\r\nAnything=1\r\n[Button]\r\nForeColor=0\r\n"
                               "FocusForeColor=0\r\n[General]"));
    EXPECT_EQ(bytes.count("BackColor=255"), 1);
    EXPECT_EQ(LoadSkinFile(file, WindowFont), fields);
    // Every one of the 33 keys is there.
    EXPECT_EQ(bytes.count("=") - 2, 33);
}

TEST(FontSizeText, AtMostFourDecimals) {
    EXPECT_EQ(FontSizeText(14), "14");
    EXPECT_EQ(FontSizeText(10.5), "10.5");
    EXPECT_EQ(FontSizeText(9.123456), "9.1235");
    EXPECT_EQ(TitleFontCaption({QStringLiteral("宋体"), 9, true, false}), "宋体 9");
}
