#include "platform/privateprofile.h"
#include "platform/textcodec.h"
#include "support/tempprogramfolder.h"

#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

// A settings file as people and other programs leave them: odd spacing, quotes, comments,
// duplicate sections and keys, mixed line endings, a section without a closing bracket.
const QByteArray RealWorld = "; written by hand\r\n"
                             "top=before any section\r\n"
                             "[General]\r\n"
                             "  Group  =   3   \r\n"
                             "GroupSize=10\n"
                             "Quoted=\"  spaced out  \"\r"
                             "Single='x'\r\n"
                             "HalfQuoted=\"open\r\n"
                             "Empty=\r\n"
                             ";Group=99\r\n"
                             "group=4\r\n"
                             "NoEquals\r\n"
                             "[ RememberSetting ]\r\n"
                             "Direction=2\r\n"
                             "[general]\r\n"
                             "Extra=only in the second General\r\n"
                             "[Broken\r\n"
                             "Key=in broken\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

} // namespace

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsValuesAsThePlatformDoes) {
    TempProgramFolder folder;
    folder.Write("config.ini", RealWorld);
    const ReadCase c = GetParam();
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "DEF", folder.File("config.ini")),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    RealWorldFile, ProfileRead,
    ::testing::Values(ReadCase{"General", "Group", "3"},      // blanks trimmed, first key wins
                      ReadCase{"GENERAL", "GROUP", "3"},      // names without regard to case
                      ReadCase{"General", "GroupSize", "10"}, // LF line ending
                      ReadCase{"General", "Quoted", "  spaced out  "}, // quotes removed
                      ReadCase{"General", "Single", "x"},
                      ReadCase{"General", "HalfQuoted", "\"open"},
                      ReadCase{"General", "Empty", "DEF"}, // empty value: the default
                      ReadCase{"General", "NoEquals", "DEF"},
                      ReadCase{"General", "Extra", "DEF"}, // only the first section counts
                      ReadCase{"RememberSetting", "Direction", "2"},
                      ReadCase{"Broken", "Key", "in broken"},
                      ReadCase{"General", "top", "DEF"}, // lines before a section
                      ReadCase{"Missing", "Group", "DEF"}, ReadCase{"General", "Missing", "DEF"}));

TEST(Profile, MissingOrUnreadableFilesReadAsDefaults) {
    TempProgramFolder folder;
    EXPECT_EQ(GetPrivateProfileString("A", "b", "dflt  ", folder.File("none.ini")), "dflt");
    folder.MakeFolder("dir.ini");
    EXPECT_EQ(GetPrivateProfileString("A", "b", "d", folder.File("dir.ini")), "d");
    // Binary garbage with NULs and no structure.
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131) & 0xFF);
    folder.Write("bin.ini", garbage);
    EXPECT_EQ(GetPrivateProfileString("A", "b", "d", folder.File("bin.ini")), "d");
}

TEST(Profile, LongValuesReadBackCutTo255BytesOnACharacterBoundary) {
    TempProgramFolder folder;
    const QString file = folder.File("config.ini");
    const QString chinese = QString(200, QChar(0x4E2D)); // 中, two bytes each
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "a" + chinese, file));
    const QString read = GetPrivateProfileString("S", "k", "", file);
    EXPECT_EQ(AnsiByteLength(read), 255); // "a" + 127 characters
    EXPECT_EQ(read, "a" + chinese.left(127));
    ASSERT_TRUE(WritePrivateProfileString("S", "k", chinese, file));
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", file), chinese.left(127)); // 254 bytes
    // A megabyte-long line is read and cut without trouble.
    folder.Write("huge.ini", "[S]\r\nk=" + QByteArray(1 << 20, 'x') + "\r\n");
    EXPECT_EQ(GetPrivateProfileString("S", "k", "", folder.File("huge.ini")).size(), 255);
}

TEST(Profile, WritesReplaceInPlaceAndKeepEveryOtherLine) {
    TempProgramFolder folder;
    folder.Write("config.ini", RealWorld);
    const QString file = folder.File("config.ini");

    ASSERT_TRUE(WritePrivateProfileString("general", "GROUP", "7", file));
    QByteArray expected = RealWorld;
    expected.replace("  Group  =   3   \r\n", "Group=7\r\n");
    EXPECT_EQ(folder.Read("config.ini"), expected);

    // A new key goes after the section's last line; a new section at the end.
    ASSERT_TRUE(WritePrivateProfileString("RememberSetting", "ShowWord", "0", file));
    expected.replace("Direction=2\r\n", "Direction=2\r\nShowWord=0\r\n");
    EXPECT_EQ(folder.Read("config.ini"), expected);

    ASSERT_TRUE(WritePrivateProfileString("TipOnDaySetting", "TipIndex", "5", file));
    expected += "[TipOnDaySetting]\r\nTipIndex=5\r\n";
    EXPECT_EQ(folder.Read("config.ini"), expected);
    EXPECT_EQ(GetPrivateProfileString("TipOnDaySetting", "TipIndex", "", file), "5");
}

TEST(Profile, CreatesTheFileAndKeepsItsEncoding) {
    TempProgramFolder folder;
    const QString file = folder.File("users/new/config.ini");
    folder.MakeFolder("users/new");
    ASSERT_TRUE(WritePrivateProfileString("General", "Name", QString::fromUtf8("张三"), file));
    EXPECT_EQ(folder.Read("users/new/config.ini"), Gb("[General]\r\nName=张三\r\n"));

    folder.Write("utf8.ini", QString::fromUtf8("[General]\nName=李四\n").toUtf8());
    ASSERT_TRUE(WritePrivateProfileString("General", "City", QString::fromUtf8("北京"),
                                          folder.File("utf8.ini")));
    EXPECT_EQ(folder.Read("utf8.ini"),
              QString::fromUtf8("[General]\nName=李四\nCity=北京\r\n").toUtf8());
    EXPECT_EQ(GetPrivateProfileString("General", "Name", "", folder.File("utf8.ini")),
              QString::fromUtf8("李四"));

    // A last line without an ending gets one before the appended key.
    folder.Write("noend.ini", "[A]\r\nx=1");
    ASSERT_TRUE(WritePrivateProfileString("A", "y", "2", folder.File("noend.ini")));
    EXPECT_EQ(folder.Read("noend.ini"), QByteArray("[A]\r\nx=1\r\ny=2\r\n"));
}

TEST(Profile, RefusesWhatItCannotWriteSafely) {
    TempProgramFolder folder;
    EXPECT_FALSE(WritePrivateProfileString("A", "b", "c", folder.File("no/folder/config.ini")));
    folder.MakeFolder("dir.ini");
    EXPECT_FALSE(WritePrivateProfileString("A", "b", "c", folder.File("dir.ini")));

    // A value can never add lines of its own.
    const QString file = folder.File("config.ini");
    ASSERT_TRUE(WritePrivateProfileString("A", "b", "one\r\n[Evil]\nk=v", file));
    EXPECT_EQ(GetPrivateProfileString("Evil", "k", "none", file), "none");
    EXPECT_EQ(GetPrivateProfileString("A", "b", "", file), "one  [Evil] k=v");
}
