#include "platform/textfile.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

TEST(TextFile, SplitsLinesOnCrLfLoneCrAndLoneLf) {
    QStringList seen;
    ForEachLine(QByteArrayView("a\r\nb\rc\nd\r\n\r\ne"),
                [&](QByteArrayView line) { seen.append(QString::fromLatin1(line)); });
    EXPECT_EQ(seen, (QStringList{"a", "b", "c", "d", "", "e"}));

    const TextLines lines = DecodeLines("x\ny\r\n");
    EXPECT_EQ(lines.lines, (QStringList{"x", "y"}));
}

// A large file is decoded a piece at a time: the lines come out as if decoded one by one,
// whichever line ending or character falls where one piece ends, a CR LF split between two
// pieces included.
TEST(TextFile, LargeFilesDecodeAsTheirLines) {
    for (const qsizetype crAt : {qsizetype(4 << 20) - 1, qsizetype(4 << 20), qsizetype(5 << 20)}) {
        QByteArray bytes = Gb("放弃#v.\r\n");
        while (bytes.size() < crAt - 200)
            bytes += Gb("电脑#n. 计算机\r\nabandon#放弃\rx\n");
        bytes += QByteArray(crAt - bytes.size(), 'y');
        bytes += "\r\n" + Gb("最后#一行") + QByteArray(3 << 20, 'z') + "\n\r\n";
        QStringList expected;
        ForEachLine(bytes, [&](QByteArrayView line) {
            expected.append(DecodeText(line, TextEncoding::Gb18030));
        });
        const TextLines decoded = DecodeLines(bytes);
        EXPECT_EQ(decoded.encoding, TextEncoding::Gb18030);
        ASSERT_EQ(decoded.lines.size(), expected.size()) << crAt;
        EXPECT_TRUE(decoded.lines == expected) << crAt;
    }
}

TEST(TextFile, DecodesEachEncodingAndWritesCrLf) {
    const TextLines gb = DecodeLines(Gb("放弃#v.\r\n电脑#n."));
    EXPECT_EQ(gb.encoding, TextEncoding::Gb18030);
    EXPECT_EQ(gb.lines.value(1), QString::fromUtf8("电脑#n."));

    const TextLines bom =
        DecodeLines(QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("苹果").toUtf8());
    EXPECT_EQ(bom.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(bom.lines, QStringList{QString::fromUtf8("苹果")});

    EXPECT_EQ(EncodeLines({"a", "b"}, TextEncoding::Gb18030), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(EncodeLines({"a"}, TextEncoding::Utf8Bom), QByteArray("\xEF\xBB\xBF"
                                                                    "a\r\n"));
}

TEST(TextFile, RewriteKeepsTheEncodingTheFileWasReadIn) {
    TempProgramFolder folder;
    const QStringList lines{QString::fromUtf8("苹果#n. apple")};

    folder.Write("utf8.txt", QString::fromUtf8("旧#old\n").toUtf8());
    ASSERT_TRUE(RewriteTextFile(folder.File("utf8.txt"), lines));
    EXPECT_EQ(folder.Read("utf8.txt"), QString::fromUtf8("苹果#n. apple\r\n").toUtf8());

    folder.Write("gb.txt", Gb("旧#old\n"));
    ASSERT_TRUE(RewriteTextFile(folder.File("gb.txt"), lines));
    EXPECT_EQ(folder.Read("gb.txt"), Gb("苹果#n. apple\r\n"));

    // An ASCII-only file has no encoding of its own: new text goes in the code page.
    folder.Write("ascii.txt", "old#x\n");
    ASSERT_TRUE(RewriteTextFile(folder.File("ascii.txt"), lines));
    EXPECT_EQ(folder.Read("ascii.txt"), Gb("苹果#n. apple\r\n"));

    ASSERT_TRUE(RewriteTextFile(folder.File("new.txt"), lines));
    EXPECT_EQ(folder.Read("new.txt"), Gb("苹果#n. apple\r\n"));
}

TEST(TextFile, AppendNeverRunsIntoALastLineWithoutEnding) {
    TempProgramFolder folder;
    folder.Write("book.wsl", "one#1");
    ASSERT_TRUE(AppendLineToTextFile(folder.File("book.wsl"), "two#2"));
    EXPECT_EQ(folder.Read("book.wsl"), QByteArray("one#1\r\ntwo#2\r\n"));

    ASSERT_TRUE(AppendLineToTextFile(folder.File("fresh.wsl"), QString::fromUtf8("词#ci")));
    EXPECT_EQ(folder.Read("fresh.wsl"), Gb("词#ci\r\n"));

    EXPECT_FALSE(AppendLineToTextFile(folder.File("no/such/folder/x.wsl"), "a#b"));
}

TEST(TextFile, FailedWritesLeaveTheOldFile) {
    TempProgramFolder folder;
    folder.Write("ro/keep.txt", "old\r\n");
    QFile::setPermissions(folder.File("ro"), QFile::ReadOwner | QFile::ExeOwner);
    const bool root = QFile(folder.File("ro/probe")).open(QIODevice::WriteOnly);
    if (!root) {
        EXPECT_FALSE(WriteFileAtomically(folder.File("ro/keep.txt"), "new\r\n"));
        EXPECT_EQ(folder.Read("ro/keep.txt"), QByteArray("old\r\n"));
        // No temporary file is left behind.
        EXPECT_EQ(QDir(folder.File("ro")).entryList(QDir::Files).size(), 1);
    }
    QFile::setPermissions(folder.File("ro"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_FALSE(WriteFileAtomically(folder.File("missing/x.txt"), "data"));
    EXPECT_FALSE(CreateEmptyFile(folder.File("missing/x.txt")));
    folder.MakeFolder("adir");
    EXPECT_FALSE(CreateEmptyFile(folder.File("adir")));
    EXPECT_FALSE(ReadFileBytes(folder.File("adir")).has_value());
}

// A replacement keeps what the user set on the file, writes through a link to the file it points
// to, and takes over the new file a killed save left behind.
TEST(TextFile, ReplacementKeepsPermissionsLinksAndCleansUp) {
    TempProgramFolder folder;
    folder.Write("users/Alice/config.ini", "old\r\n");
    const QString ini = folder.File("users/Alice/config.ini");
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    folder.Write("users/Alice/.config.ini.saving", "left by a kill");
    EXPECT_EQ(SaveTempPath(ini), folder.File("users/Alice/.config.ini.saving"));

    ASSERT_TRUE(WriteFileAtomically(ini, "new\r\n"));
    EXPECT_EQ(folder.Read("users/Alice/config.ini"), QByteArray("new\r\n"));
    const QFileDevice::Permissions ownerGroupOthers(0x7077);
    EXPECT_EQ(QFile::permissions(ini) & ownerGroupOthers, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(QDir(folder.File("users/Alice")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"config.ini"});

    folder.Write("elsewhere/MyDict.wsl", "a#b\r\n");
    ASSERT_TRUE(
        QFile::link(folder.File("elsewhere/MyDict.wsl"), folder.File("users/Alice/MyDict.wsl")));
    ASSERT_TRUE(WriteFileAtomically(folder.File("users/Alice/MyDict.wsl"), "c#d\r\n"));
    EXPECT_TRUE(QFileInfo(folder.File("users/Alice/MyDict.wsl")).isSymLink());
    EXPECT_EQ(folder.Read("elsewhere/MyDict.wsl"), QByteArray("c#d\r\n"));

    folder.MakeFolder("users/Alice/remind.txt");
    EXPECT_FALSE(WriteFileAtomically(folder.File("users/Alice/remind.txt"), "x"));
    EXPECT_TRUE(QFileInfo(folder.File("users/Alice/remind.txt")).isDir());
}

TEST(TextFile, FindsProgramFilesWhateverTheirCase) {
    TempProgramFolder folder;
    folder.Write("users/Alice/Config.INI", "x");
    EXPECT_EQ(ResolveCaseInsensitive(folder.Path(), "USERS/alice/config.ini"),
              folder.File("users/Alice/Config.INI"));
    // A missing tail keeps the spelling given, below the parts that exist.
    EXPECT_EQ(ResolveCaseInsensitive(folder.Path(), "users/ALICE/remind.txt"),
              folder.File("users/Alice/remind.txt"));
    EXPECT_EQ(ResolveCaseInsensitive(folder.Path(), "Skins/WindowsXP/"),
              folder.File("Skins/WindowsXP/"));
}

TEST(TextFile, FileContentsHoldTheBytesWhileTheFileIsReplaced) {
    TempProgramFolder folder;
    folder.Write("Dicts/big.wsl", "abandon#放弃\r\n");
    folder.Write("Dicts/empty.wsl", "");

    std::optional<FileContents> contents = FileContents::Open(folder.File("Dicts/big.wsl"));
    ASSERT_TRUE(contents);
    // A rewrite renames a new file over the old one; what was opened stays as it was.
    ASSERT_TRUE(WriteFileAtomically(folder.File("Dicts/big.wsl"), "changed\r\n"));
    EXPECT_EQ(contents->Bytes(), QByteArray("abandon#放弃\r\n"));

    // Moving keeps the bytes valid.
    FileContents moved = std::move(*contents);
    contents.reset();
    EXPECT_EQ(moved.Bytes(), QByteArray("abandon#放弃\r\n"));

    const std::optional<FileContents> empty = FileContents::Open(folder.File("Dicts/empty.wsl"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Bytes().isEmpty());
    EXPECT_FALSE(FileContents::Open(folder.File("Dicts/missing.wsl")));
    EXPECT_FALSE(FileContents::Open(folder.File("Dicts")));
}
