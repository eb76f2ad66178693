#include "dictbuild/tipfiles.h"
#include "platform/textcodec.h"
#include "support/tempprogramfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lexarion;
using namespace lexarion::dictbuild;
using lexarion::testing::Gb;
using lexarion::testing::TempProgramFolder;

namespace {

TEST(TipFiles, InstalledInTheCodePageWithCrLfReplacingOldTips) {
    TempProgramFolder folder;
    folder.Write("src/01-first.txt", "Look forward to\n期待\n\n");
    folder.Write("src/02-second.txt", "\xEF\xBB\xBF"
                                      "Borrow / lend\r\n借入 / 借出\r\n");
    folder.Write("Tips/00-old.txt", "an old tip\r\n");
    QString error;
    ASSERT_TRUE(InstallTipFiles({folder.File("src/01-first.txt"), folder.File("src/02-second.txt")},
                                folder.File("Tips"), &error))
        << error.toStdString();
    EXPECT_EQ(QDir(folder.File("Tips")).entryList(QDir::Files),
              QStringList({"01-first.txt", "02-second.txt"}));
    EXPECT_EQ(folder.Read("Tips/01-first.txt"), Gb("Look forward to\r\n期待\r\n"));
    EXPECT_EQ(folder.Read("Tips/02-second.txt"), Gb("Borrow / lend\r\n借入 / 借出\r\n"));
}

TEST(TipFiles, RefusesTipsThatDoNotFitTheWindowOrAreNotUtf8) {
    TempProgramFolder folder;
    folder.Write("long.txt", QByteArray("line\n").repeated(MaxTipLines + 1));
    folder.Write("gb.txt", Gb("期待\n"));
    folder.Write("empty.txt", "\n\n");
    for (const char* name : {"long.txt", "gb.txt", "empty.txt"}) {
        QString error;
        EXPECT_FALSE(InstallTipFiles({folder.File(name)}, folder.File("Tips"), &error)) << name;
        EXPECT_TRUE(error.contains(name)) << error.toStdString();
    }
    folder.Write("fits.txt", QByteArray("line\n").repeated(MaxTipLines));
    EXPECT_TRUE(InstallTipFiles({folder.File("fits.txt")}, folder.File("Tips"), nullptr));
}

} // namespace
