// Hueforge's flow with its dialogs replaced by a recorder: Modified, the question before
// unsaved edits are dropped, the choosers and the window title.

#include "recordingdialogs.h"
#include "skineditor/skinformlogic.h"
#include "support/tempprogramfolder.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace lexarion;
using lexarion::testing::RecordingDialogs;
using lexarion::testing::TempProgramFolder;

namespace {

struct Fixture {
    TempProgramFolder folder;
    RecordingDialogs dialogs;
    SkinEditor editor{dialogs, QStringLiteral("Noto Sans"), 9};

    QString Skin(const QByteArray& config, const QString& name = "config.ini") {
        folder.Write(name, config);
        return folder.File(name);
    }
    // Loads `file` through the open chooser.
    void LoadFile(const QString& file) {
        dialogs.openChoices.push_back(file);
        ASSERT_TRUE(editor.Load());
        dialogs.shown.clear();
    }
};

QString TitleOf(const QString& file) {
    return file + QStringLiteral(" - [皮肤参数设置]");
}

} // namespace

TEST(SkinEditor, Start) {
    Fixture f;
    EXPECT_EQ(f.editor.WindowTitle(), "皮肤参数设置");
    EXPECT_FALSE(f.editor.Modified());
    EXPECT_TRUE(f.editor.SkinFileName().isEmpty());
    const SkinFields& fields = f.editor.Fields();
    EXPECT_EQ(fields.titleFont, (TitleFont{"Noto Sans", 9, true, false}));
    EXPECT_EQ(fields.alignment, 0);
    EXPECT_EQ(fields.rounding, 16);
}

TEST(SkinEditor, EditsSetModifiedAndCancelledPickersChangeNothing) {
    const TitleFont chosenFont{"DejaVu Serif", 12, false, true};
    struct Case {
        const char* name;
        std::function<void(Fixture&)> edit;
        bool modified;
        std::function<bool(const SkinFields&)> holds;
        bool lettering = false; // the font button takes the picked font's lettering
    } cases[] = {
        {"description", [](Fixture& f) { f.editor.SetDescription("绿"); }, true,
         [](const SkinFields& s) { return s.description == "绿"; }},
        {"alignment", [](Fixture& f) { f.editor.SelectAlignment(3); }, true,
         [](const SkinFields& s) { return s.alignment == 3; }},
        {"rounding", [](Fixture& f) { f.editor.SelectRounding(0); }, true,
         [](const SkinFields& s) { return s.rounding == 0; }},
        {"colour confirmed",
         [](Fixture& f) {
             f.dialogs.colors.push_back(255);
             f.editor.PickColor(Swatch::TextBoxBackColor);
         },
         true, [](const SkinFields& s) { return s.Color(Swatch::TextBoxBackColor) == 255; }},
        {"colour cancelled", [](Fixture& f) { f.editor.PickColor(Swatch::TextBoxBackColor); },
         false, [](const SkinFields& s) { return s.Color(Swatch::TextBoxBackColor) == 0; }},
        {"font confirmed",
         [&](Fixture& f) {
             f.dialogs.fonts.push_back(chosenFont);
             f.editor.PickTitleFont();
         },
         true, [&](const SkinFields& s) { return s.titleFont == chosenFont; }, true},
        {"font cancelled", [](Fixture& f) { f.editor.PickTitleFont(); }, false,
         [](const SkinFields& s) { return s.titleFont.name == "Noto Sans"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        c.edit(f);
        EXPECT_EQ(f.editor.Modified(), c.modified);
        EXPECT_TRUE(c.holds(f.editor.Fields()));
        EXPECT_EQ(f.editor.LetteringFont().has_value(), c.lettering);
    }
}

TEST(SkinEditor, PickersStartFromTheFieldsValue) {
    Fixture f;
    f.LoadFile(f.Skin("[Frame]\r\nBorderColor=4660\r\n[Window]\r\nTitleFontName=Serif\r\n"));
    f.editor.PickColor(Swatch::FrameBorderColor);
    EXPECT_EQ(f.dialogs.colorOffered, 4660);
    f.editor.PickTitleFont();
    EXPECT_EQ(f.dialogs.fontOffered, (TitleFont{"Serif", 14, true, true}));
}

TEST(SkinEditor, LoadNamesTheFileInTheTitle) {
    Fixture f;
    const QString file = f.Skin("[Window]\r\nRoundRng=40\r\n");
    f.editor.SetDescription("x");
    f.editor.Load(); // asked; the recorder's answer is Cancel
    EXPECT_EQ(f.dialogs.shown, QStringList{"question"});
    EXPECT_TRUE(f.editor.Modified());

    f.dialogs.shown.clear();
    f.dialogs.answers.push_back(SaveAnswer::No);
    f.dialogs.openChoices.push_back(file);
    ASSERT_TRUE(f.editor.Load());
    EXPECT_EQ(f.dialogs.shown, (QStringList{"question", "open"}));
    EXPECT_EQ(f.editor.WindowTitle(), TitleOf(file));
    EXPECT_EQ(f.editor.SkinFileName(), file);
    EXPECT_EQ(f.editor.Fields().rounding, 40);
    EXPECT_TRUE(f.editor.Fields().description.isEmpty());
    EXPECT_FALSE(f.editor.Modified());

    // A cancelled chooser leaves everything as it was.
    f.editor.SelectRounding(3);
    f.dialogs.answers.push_back(SaveAnswer::No);
    EXPECT_FALSE(f.editor.Load());
    EXPECT_EQ(f.editor.SkinFileName(), file);
    EXPECT_EQ(f.editor.Fields().rounding, 3);
    EXPECT_TRUE(f.editor.Modified());
}

TEST(SkinEditor, YesSavesBeforeTheNextFileIsLoaded) {
    Fixture f;
    const QString first = f.Skin("[Window]\r\nRoundRng=40\r\n", "first.ini");
    const QString second = f.Skin("[Window]\r\nRoundRng=8\r\n", "second.ini");
    f.LoadFile(first);
    f.editor.SelectRounding(20);
    f.dialogs.answers.push_back(SaveAnswer::Yes);
    f.dialogs.openChoices.push_back(second);
    ASSERT_TRUE(f.editor.Load());
    EXPECT_EQ(f.dialogs.shown, (QStringList{"question", "open"}));
    EXPECT_TRUE(f.folder.Read("first.ini").contains("RoundRng=20\r\n"));
    EXPECT_EQ(f.editor.Fields().rounding, 8);
}

TEST(SkinEditor, YesWithoutAFileAsksForOneAndACancelKeepsTheEdits) {
    Fixture f;
    f.editor.SetDescription("未保存");
    f.dialogs.answers.push_back(SaveAnswer::Yes);
    f.dialogs.openChoices.push_back(f.Skin("[Window]\r\n"));
    EXPECT_FALSE(f.editor.Load());
    EXPECT_EQ(f.dialogs.shown, (QStringList{"question", "save"}));
    EXPECT_EQ(f.editor.Fields().description, "未保存");
    EXPECT_TRUE(f.editor.Modified());
}

TEST(SkinEditor, SavingBeforeAnyLoadAsksForAFile) {
    Fixture f;
    f.editor.SelectAlignment(2);
    EXPECT_EQ(f.editor.Save(), SaveResult::Cancelled);
    EXPECT_EQ(f.dialogs.shown, QStringList{"save"});
    EXPECT_TRUE(f.editor.Modified());
    EXPECT_EQ(f.editor.WindowTitle(), "皮肤参数设置");

    const QString file = f.folder.File("Skins/Mine.ini");
    f.folder.MakeFolder("Skins");
    f.dialogs.saveChoices.push_back(file);
    EXPECT_EQ(f.editor.Save(), SaveResult::Saved);
    EXPECT_FALSE(f.editor.Modified());
    EXPECT_EQ(f.editor.WindowTitle(), TitleOf(file));
    EXPECT_EQ(LoadSkinFile(file, "Noto Sans"), f.editor.Fields());

    // The file exists now: saving again writes it without asking.
    f.dialogs.shown.clear();
    f.editor.SelectAlignment(1);
    EXPECT_EQ(f.editor.Save(), SaveResult::Saved);
    EXPECT_TRUE(f.dialogs.shown.isEmpty());
    EXPECT_TRUE(f.folder.Read("Skins/Mine.ini").contains("TitleAlignment=1\r\n"));
}

TEST(SkinEditor, AFailedWriteIsReportedAndKeepsModified) {
    Fixture f;
    f.editor.SetDescription("x");
    const QString file = f.folder.File("missing/folder/config.ini");
    f.dialogs.saveChoices.push_back(file);
    EXPECT_EQ(f.editor.Save(), SaveResult::Failed);
    EXPECT_EQ(f.dialogs.shown, (QStringList{"save", "failed"}));
    EXPECT_EQ(f.dialogs.failedFile, file);
    EXPECT_TRUE(f.editor.Modified());
}

TEST(SkinEditor, QuitAsksAboutUnsavedEdits) {
    struct Case {
        const char* name;
        bool edited;
        std::optional<SaveAnswer> answer;
        bool closes;
        bool saved;
    } cases[] = {
        {"nothing edited", false, std::nullopt, true, false},
        {"Yes saves and closes", true, SaveAnswer::Yes, true, true},
        {"No closes without saving", true, SaveAnswer::No, true, false},
        {"Cancel stays open", true, SaveAnswer::Cancel, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.LoadFile(f.Skin("[Window]\r\nRoundRng=40\r\n"));
        if (c.edited)
            f.editor.SelectRounding(5);
        if (c.answer)
            f.dialogs.answers.push_back(*c.answer);
        EXPECT_EQ(f.editor.MayClose(), c.closes);
        EXPECT_EQ(f.dialogs.shown, c.answer ? QStringList{"question"} : QStringList{});
        EXPECT_EQ(f.folder.Read("config.ini").contains("RoundRng=5"), c.saved);
        EXPECT_EQ(f.editor.Fields().rounding, c.edited ? 5 : 40);
        EXPECT_EQ(f.editor.Modified(), c.edited && !c.saved);
    }
}

TEST(SkinEditor, AboutBoxText) {
    Fixture f;
    f.editor.About();
    EXPECT_EQ(f.dialogs.shown, QStringList{"about"});
    const QStringList lines = f.dialogs.aboutText.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "本程序是专门为 [Lexarion] 的皮肤参数设置而制作的辅助工具.");
    EXPECT_EQ(lines[1], "请确认 [Lexarion] 的版本号与本程序的版本号是否相同,否则设置可能不正确.");
    EXPECT_EQ(lines[2], "按 [加载设置文件] 选择你想设置的文件(如skin文件夹下的skin.ini),"
                        "随即可进行相关设置,设置完成后请按 [保存] ");
    EXPECT_EQ(lines[3], "本程序的版本号为:V1.9");
    EXPECT_FALSE(lines[4].isEmpty());
    EXPECT_FALSE(lines[4].contains(u'\n'));
}
