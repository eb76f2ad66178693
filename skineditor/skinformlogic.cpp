#include "skineditor/skinformlogic.h"

#include <QFileInfo>

namespace lexarion {

SkinEditor::SkinEditor(SkinEditorDialogs& dialogs, const QString& windowFontName,
                       double windowFontSize)
    : dialogs_(dialogs), windowFontName_(windowFontName) {
    fields_.titleFont = {windowFontName, windowFontSize, true, false};
    fields_.alignment = static_cast<int>(AlignmentEntry::Left);
    fields_.rounding = DefaultRounding;
}

QString SkinEditor::WindowTitle() const {
    if (skinFileName_.isEmpty())
        return SkinEditorCaption.toString();
    return skinFileName_ + QStringLiteral(" - [") + SkinEditorCaption.toString() + u']';
}

bool SkinEditor::SettleUnsavedEdits() {
    if (!modified_)
        return true;
    switch (dialogs_.AskSaveChanges()) {
    case SaveAnswer::Yes:
        // Edits the user asked to keep are never dropped: a cancelled or failed save stops.
        return SaveSkinFile(skinFileName_) == SaveResult::Saved;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool SkinEditor::Load() {
    if (!SettleUnsavedEdits())
        return false;
    const std::optional<QString> file = dialogs_.ChooseFileToOpen();
    if (!file)
        return false;
    skinFileName_ = *file;
    fields_ = LoadSkinFile(skinFileName_, windowFontName_);
    modified_ = false;
    return true;
}

SaveResult SkinEditor::SaveSkinFile(const QString& file) {
    QString target = file;
    if (target.isEmpty() || !QFileInfo(target).isFile()) {
        const std::optional<QString> chosen = dialogs_.ChooseFileToSave();
        if (!chosen)
            return SaveResult::Cancelled;
        target = *chosen;
        skinFileName_ = target;
    }
    if (!WriteSkinFields(target, fields_)) {
        dialogs_.ShowSaveFailed(target);
        return SaveResult::Failed;
    }
    modified_ = false;
    return SaveResult::Saved;
}

bool SkinEditor::MayClose() {
    return SettleUnsavedEdits();
}

void SkinEditor::About() {
    dialogs_.ShowAbout(AboutText());
}

void SkinEditor::PickColor(Swatch swatch) {
    const std::optional<qint32> color = dialogs_.ChooseColor(fields_.Color(swatch));
    if (!color)
        return;
    fields_.SetColor(swatch, *color);
    modified_ = true;
}

void SkinEditor::PickTitleFont() {
    const std::optional<TitleFont> font = dialogs_.ChooseFont(fields_.titleFont);
    if (!font)
        return;
    fields_.titleFont = *font;
    letteringFont_ = *font;
    modified_ = true;
}

void SkinEditor::SetDescription(const QString& text) {
    fields_.description = text;
    modified_ = true;
}

void SkinEditor::SelectAlignment(int position) {
    if (position < 0 || position >= TitleAlignmentCount)
        return;
    fields_.alignment = position;
    modified_ = true;
}

void SkinEditor::SelectRounding(int position) {
    if (position < 0 || position >= RoundingCount)
        return;
    fields_.rounding = position;
    modified_ = true;
}

QString SkinEditor::AboutText() {
    const QString paragraph = QStringLiteral("\r\n\r\n");
    return QStringLiteral("本程序是专门为 [Lexarion] 的皮肤参数设置而制作的辅助工具.") + paragraph +
           QStringLiteral("请确认 [Lexarion] 的版本号与本程序的版本号是否相同,否"
                          "则设置可能不正确.") +
           paragraph +
           QStringLiteral("按 [加载设置文件] 选择你想设置的文件(如skin文件夹下的skin.ini),"
                          "随即可进行相关设置,"
                          "设置完成后请按 [保存] ") +
           paragraph + QStringLiteral("本程序的版本号为:") + SkinEditorVersion.toString() +
           paragraph + QStringLiteral("Hueforge 由 Lexarion 的作者们编写.");
}

} // namespace lexarion
