#pragma once

// "Lexarion - [单词记忆设置]": every setting of the word window in section "RememberSetting",
// on four tab pages (常规, 声音, 热键, 其它). Apply writes them and brings the open word window
// up to date at once; OK applies and closes; Cancel closes and keeps what the last Apply wrote.
// While the dialog is open the word window's hot keys are off and the tray menu is closed.

#include "memorize/hotkeyslots.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <array>
#include <memory>
#include <optional>

class QLabel;

namespace lexarion {

class AppState;
class ButtonXP;
class CheckBoxXP;
class RadioBoxXP;
class RememberSettingHost;
class ScanKeyBox;
class SkinnedWindow;
class SliderXP;
class TablePageXP;
class WindowHooks;

// The colour, font and picture choosers the dialog opens; the platform's by default.
class SettingChoosers {
public:
    virtual ~SettingChoosers() = default;
    // The chosen colour; nothing when the user cancelled.
    virtual std::optional<QColor> ChooseColor(const QColor& initial, QWidget* parent) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent) = 0;
    // The chosen picture file's full name, starting in `folder`; nothing when cancelled.
    virtual std::optional<QString> ChoosePicture(const QString& folder, QWidget* parent) = 0;
};

std::unique_ptr<SettingChoosers> PlatformSettingChoosers();

// A colour swatch: a label painted in its colour (a stored colour number, so that a system
// colour such as the desktop's stays one), carrying a font and, for the background, the
// picture path. A click raises Clicked.
class ColorSwatchLabel : public QFrame {
    Q_OBJECT
public:
    explicit ColorSwatchLabel(QWidget* parent = nullptr);

    // The stored colour number (decimal colour number, or a system colour with the top bit).
    qint64 ColorNumber() const { return colorNumber_; }
    void SetColorNumber(qint64 number);
    QColor Color() const;
    QFont SwatchFont() const { return font_; }
    void SetSwatchFont(const QFont& font) { font_ = font; }
    QString PicturePath() const { return picturePath_; }
    void SetPicturePath(const QString& path) { picturePath_ = path; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    qint64 colorNumber_ = 0;
    QFont font_;
    QString picturePath_;
};

class RememberSettingForm : public QDialog {
    Q_OBJECT
public:
    // Runs the dialog's load: the tray menu is closed, the word window's hot keys go off and
    // every control shows its setting.
    RememberSettingForm(AppState& app, RememberSettingHost& host, WindowHooks* hooks,
                        QWidget* parent = nullptr,
                        std::unique_ptr<SettingChoosers> choosers = PlatformSettingChoosers());
    ~RememberSettingForm() override;

    // Writes every setting and changes the word window; each step on its own.
    void Apply();

    SkinnedWindow& Skin() const { return *skin_; }
    TablePageXP* Page(int index) const { return pages_[index]; }
    RadioBoxXP* DirectionOption(int value) const { return directionOptions_[value]; }
    CheckBoxXP* ShowWordCheck() const { return showWordCheck_; }
    CheckBoxXP* ShowExplanationCheck() const { return showExplanationCheck_; }
    CheckBoxXP* ShowPronounceCheck() const { return showPronounceCheck_; }
    CheckBoxXP* DelayExplanationCheck() const { return delayExplanationCheck_; }
    ColorSwatchLabel* WordColorSwatch() const { return wordSwatch_; }
    ColorSwatchLabel* ExplanationColorSwatch() const { return explanationSwatch_; }
    ColorSwatchLabel* BackColorSwatch() const { return backSwatch_; }
    ButtonXP* WordFontButton() const { return wordFontButton_; }
    ButtonXP* ExplanationFontButton() const { return explanationFontButton_; }
    CheckBoxXP* BackPictureCheck() const { return backPictureCheck_; }
    RadioBoxXP* PictureStyleOption(int value) const { return styleOptions_[value]; }
    ButtonXP* PictureButton() const { return pictureButton_; }
    CheckBoxXP* EnableSpeakCheck() const { return enableSpeakCheck_; }
    CheckBoxXP* SpeakLetterCheck() const { return speakLetterCheck_; }
    CheckBoxXP* HotKeyEnabledCheck() const { return hotKeyEnabledCheck_; }
    ScanKeyBox* HotKeyBox(int slot) const { return hotKeyBoxes_[slot]; }
    CheckBoxXP* AutoPlayCheck() const { return autoPlayCheck_; }
    SliderXP* IntervalSlider() const { return intervalSlider_; }
    QLabel* IntervalLabel() const { return intervalLabel_; }
    CheckBoxXP* FullScreenCheck() const { return fullScreenCheck_; }
    CheckBoxXP* SplitDisplayCheck() const { return splitDisplayCheck_; }
    ButtonXP* OKButton() const { return okButton_; }
    ButtonXP* ApplyButton() const { return applyButton_; }
    ButtonXP* CancelButton() const { return cancelButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void BuildGeneralPage(TablePageXP* page);
    void BuildSoundPage(TablePageXP* page);
    void BuildHotKeyPage(TablePageXP* page);
    void BuildOtherPage(TablePageXP* page);
    void LoadSettings();
    void ChooseSwatchColor(ColorSwatchLabel* swatch);
    void ChooseSwatchFont(ColorSwatchLabel* swatch, ButtonXP* button);
    void ChoosePicture();
    void ShowFontCaption(ColorSwatchLabel* swatch, ButtonXP* button);
    void Unload();

    AppState& app_;
    RememberSettingHost& host_;
    std::unique_ptr<SettingChoosers> choosers_;
    SkinnedWindow* skin_ = nullptr;
    std::array<TablePageXP*, 4> pages_{};
    std::array<RadioBoxXP*, 3> directionOptions_{};
    CheckBoxXP* showWordCheck_ = nullptr;
    CheckBoxXP* showExplanationCheck_ = nullptr;
    CheckBoxXP* showPronounceCheck_ = nullptr;
    CheckBoxXP* delayExplanationCheck_ = nullptr;
    ColorSwatchLabel* wordSwatch_ = nullptr;
    ColorSwatchLabel* explanationSwatch_ = nullptr;
    ColorSwatchLabel* backSwatch_ = nullptr;
    ButtonXP* wordFontButton_ = nullptr;
    ButtonXP* explanationFontButton_ = nullptr;
    CheckBoxXP* backPictureCheck_ = nullptr;
    std::array<RadioBoxXP*, 3> styleOptions_{};
    ButtonXP* pictureButton_ = nullptr;
    CheckBoxXP* enableSpeakCheck_ = nullptr;
    CheckBoxXP* speakLetterCheck_ = nullptr;
    CheckBoxXP* hotKeyEnabledCheck_ = nullptr;
    std::array<ScanKeyBox*, HotKeySlotCount> hotKeyBoxes_{};
    CheckBoxXP* autoPlayCheck_ = nullptr;
    SliderXP* intervalSlider_ = nullptr;
    QLabel* intervalLabel_ = nullptr;
    CheckBoxXP* fullScreenCheck_ = nullptr;
    CheckBoxXP* splitDisplayCheck_ = nullptr;
    ButtonXP* okButton_ = nullptr;
    ButtonXP* applyButton_ = nullptr;
    ButtonXP* cancelButton_ = nullptr;
    bool unloaded_ = false;
};

} // namespace lexarion
