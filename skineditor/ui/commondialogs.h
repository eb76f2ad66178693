#pragma once

// Hueforge's dialogs through the platform's own: QColorDialog, QFontDialog, QFileDialog and
// QMessageBox, in Chinese once the Qt translation is installed. Qt's own file dialog is used
// everywhere, so that the path field can always be typed into.

#include "skineditor/skinformlogic.h"

class QWidget;

namespace lexarion {

class CommonDialogs : public SkinEditorDialogs {
public:
    // `startFolder`: where the file choosers open until a file has been chosen.
    explicit CommonDialogs(const QString& startFolder);

    // The window the dialogs belong to.
    void SetParent(QWidget* parent) { parent_ = parent; }

    SaveAnswer AskSaveChanges() override;
    std::optional<QString> ChooseFileToOpen() override;
    std::optional<QString> ChooseFileToSave() override;
    std::optional<qint32> ChooseColor(qint32 initial) override;
    std::optional<TitleFont> ChooseFont(const TitleFont& initial) override;
    void ShowAbout(const QString& text) override;
    void ShowSaveFailed(const QString& file) override;

private:
    std::optional<QString> ChooseFile(bool save);

    QWidget* parent_ = nullptr;
    QString folder_;
};

// The file choosers' filter: the parameter files first, then every file.
inline constexpr QStringView SkinFileFilter = u"配置文件(*.ini);;所有文件(*.*)";

} // namespace lexarion
