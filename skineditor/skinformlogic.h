#pragma once

// Hueforge's window logic without the window: the file being edited, the `Modified` flag,
// loading, saving, the pickers and the question asked before unsaved edits are dropped. The
// dialogs are reached through SkinEditorDialogs, so the flow runs the same with the
// platform's dialogs and with scripted ones.

#include "skineditor/skinfile.h"

#include <QString>
#include <optional>

namespace lexarion {

inline constexpr QStringView SkinEditorCaption = u"皮肤参数设置";
inline constexpr QStringView SkinEditorVersion = u"V1.9";

enum class SaveAnswer { Yes, No, Cancel };

class SkinEditorDialogs {
public:
    virtual ~SkinEditorDialogs() = default;
    // "设置值已被修改,是否保存?"
    virtual SaveAnswer AskSaveChanges() = 0;
    // The chosen file's full path; nothing when cancelled.
    virtual std::optional<QString> ChooseFileToOpen() = 0;
    virtual std::optional<QString> ChooseFileToSave() = 0;
    virtual std::optional<qint32> ChooseColor(qint32 initial) = 0;
    virtual std::optional<TitleFont> ChooseFont(const TitleFont& initial) = 0;
    virtual void ShowAbout(const QString& text) = 0;
    // The file could not be written; the edits are kept.
    virtual void ShowSaveFailed(const QString& file) = 0;
};

enum class SaveResult { Saved, Cancelled, Failed };

class SkinEditor {
public:
    // `windowFontName` and `windowFontSize` are the window's own font, the title font's
    // starting point and the face used when a file names none.
    SkinEditor(SkinEditorDialogs& dialogs, const QString& windowFontName, double windowFontSize);

    const SkinFields& Fields() const { return fields_; }
    const QString& SkinFileName() const { return skinFileName_; }
    bool Modified() const { return modified_; }
    // "皮肤参数设置", or the file's path followed by " - [皮肤参数设置]" once there is a file.
    QString WindowTitle() const;
    // The font the font button letters its caption in, set by the last font picked.
    const std::optional<TitleFont>& LetteringFont() const { return letteringFont_; }

    // "加载设置文件": asks about unsaved edits, then opens a chosen file. True when loaded.
    bool Load();
    // Writes every field into `file`; asks for a file first when `file` is empty or missing.
    SaveResult SaveSkinFile(const QString& file);
    // "保存".
    SaveResult Save() { return SaveSkinFile(skinFileName_); }
    // "退出" and closing the window: true when the window may close.
    bool MayClose();
    // "说明".
    void About();

    // Clicks on a swatch and on the font button.
    void PickColor(Swatch swatch);
    void PickTitleFont();
    // Typing in the description and choosing in the lists.
    void SetDescription(const QString& text);
    void SelectAlignment(int position);
    void SelectRounding(int position);

    static QString AboutText();

private:
    // Asks before unsaved edits are dropped: true when the caller may go on.
    bool SettleUnsavedEdits();

    SkinEditorDialogs& dialogs_;
    QString windowFontName_;
    SkinFields fields_;
    QString skinFileName_;
    bool modified_ = false;
    std::optional<TitleFont> letteringFont_;
};

} // namespace lexarion
