#pragma once

// Hueforge's one window "皮肤参数设置": nine pages of fields over the skin parameter file and the
// buttons to load, save, explain and quit. It only shows the editor's fields and passes the
// user's clicks and typing on to it.

#include "skineditor/skinformlogic.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lexarion {

class ColorSwatch;

class SkinForm : public QWidget {
    Q_OBJECT
public:
    explicit SkinForm(SkinEditorDialogs& dialogs, QWidget* parent = nullptr);

    SkinEditor& Editor() { return editor_; }

    QTabWidget* Pages() const { return pages_; }
    ColorSwatch* SwatchOf(Swatch swatch) const { return swatches_[static_cast<int>(swatch)]; }
    QLineEdit* DescriptionText() const { return description_; }
    QComboBox* AlignmentList() const { return alignment_; }
    QComboBox* RoundingList() const { return rounding_; }
    QPushButton* FontButton() const { return fontButton_; }
    QPushButton* LoadButton() const { return loadButton_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* AboutButton() const { return aboutButton_; }
    QPushButton* QuitButton() const { return quitButton_; }
    QLabel* VersionLabel() const { return version_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeField(int field);
    // Shows the editor's fields and title.
    void ShowEditor();

    SkinEditor editor_;
    QTabWidget* pages_ = nullptr;
    std::array<ColorSwatch*, SwatchCount> swatches_{};
    QLineEdit* description_ = nullptr;
    QComboBox* alignment_ = nullptr;
    QComboBox* rounding_ = nullptr;
    QPushButton* fontButton_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* aboutButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    QLabel* version_ = nullptr;
};

} // namespace lexarion
