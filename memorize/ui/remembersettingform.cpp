#include "memorize/ui/remembersettingform.h"

#include "core/appstate.h"
#include "core/dialogguard.h"
#include "core/settings.h"
#include "memorize/ui/remembersettinghost.h"
#include "memorize/ui/scankeybox.h"
#include "memorize/ui/wordstyle.h"
#include "platform/numbertext.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/placecontrol.h"
#include "skin/ui/radioboxxp.h"
#include "skin/ui/skincolor.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/tablepagexp.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace lexarion {

namespace {

constexpr int PageWidth = 436;
constexpr int PageHeight = 318;
constexpr int MinInterval = 1;
constexpr int MaxInterval = 60;

class PlatformChoosers : public SettingChoosers {
public:
    std::optional<QColor> ChooseColor(const QColor& initial, QWidget* parent) override {
        const QColor color = QColorDialog::getColor(initial, parent, QStringLiteral("颜色"));
        return color.isValid() ? std::optional(color) : std::nullopt;
    }
    std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent) override {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("字体"));
        return ok ? std::optional(font) : std::nullopt;
    }
    std::optional<QString> ChoosePicture(const QString& folder, QWidget* parent) override {
        const QString file = QFileDialog::getOpenFileName(
            parent, QStringLiteral("打开"), folder,
            QStringLiteral("图形文件 (*.bmp *.ico *.wmf *.emf *.jpg *.jpeg *.gif);;所有文件 (*)"));
        return file.isEmpty() ? std::nullopt : std::optional(file);
    }
};

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A switch is on when its value as a number is not 0.
bool IsOn(const QString& value) {
    return NumberValue(value) != 0;
}

// A stored value as a whole number, when it is one of the option values 0 to 2.
std::optional<int> OptionValue(const QString& value) {
    const double number = RoundHalfEven(NumberValue(value));
    if (number >= 0 && number <= 2)
        return int(number);
    return std::nullopt;
}

// The selected option's value, the first one selected.
std::optional<int> SelectedOption(const std::array<RadioBoxXP*, 3>& options) {
    for (int i = 0; i < int(options.size()); ++i) {
        if (options[i]->Value())
            return i;
    }
    return std::nullopt;
}

FrameXP* Group(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    return PlaceCaptioned(new FrameXP(parent), name, caption, geometry);
}

QLabel* Caption(QWidget* parent, const QString& text, QRect geometry) {
    return PlaceLabel(parent, "", text, geometry);
}

} // namespace

std::unique_ptr<SettingChoosers> PlatformSettingChoosers() {
    return std::make_unique<PlatformChoosers>();
}

ColorSwatchLabel::ColorSwatchLabel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatchLabel::SetColorNumber(qint64 number) {
    colorNumber_ = number;
    update();
}

QColor ColorSwatchLabel::Color() const {
    return ColorFromSettingText(QString::number(colorNumber_));
}

void ColorSwatchLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), Color());
    painter.end();
    QFrame::paintEvent(event);
}

void ColorSwatchLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

RememberSettingForm::RememberSettingForm(AppState& app, RememberSettingHost& host,
                                         WindowHooks* hooks, QWidget* parent,
                                         std::unique_ptr<SettingChoosers> choosers)
    : QDialog(parent), app_(app), host_(host), choosers_(std::move(choosers)) {
    setObjectName(QStringLiteral("RememberSettingForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    host_.SetTrayMenuEnabled(false);
    setWindowTitle(QStringLiteral("Lexarion - [单词记忆设置]"));

    auto* client = new QWidget(this);
    client->resize(PageWidth + 20, PageHeight + 58);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    const QStringList captions{QStringLiteral("常规"), QStringLiteral("声音"),
                               QStringLiteral("热键"), QStringLiteral("其它")};
    for (int i = 0; i < int(pages_.size()); ++i) {
        auto* page = new TablePageXP(client);
        page->setObjectName(QStringLiteral("TablePageXP%1").arg(i + 1));
        page->setGeometry(10, 10, PageWidth, PageHeight);
        page->SetPanelIndex(qint16(i));
        page->SetCaption(captions[i]);
        pages_[i] = page;
    }
    BuildGeneralPage(pages_[0]);
    BuildSoundPage(pages_[1]);
    BuildHotKeyPage(pages_[2]);
    BuildOtherPage(pages_[3]);
    pages_[0]->SetValue(true);

    const int buttonTop = PageHeight + 22;
    okButton_ = PlaceCaptioned(new ButtonXP(client), QStringLiteral("OKButton"),
                               QStringLiteral("确定"), QRect(PageWidth - 236, buttonTop, 76, 24));
    applyButton_ =
        PlaceCaptioned(new ButtonXP(client), QStringLiteral("ApplyButton"), QStringLiteral("应用"),
                       QRect(PageWidth - 152, buttonTop, 76, 24));
    cancelButton_ =
        PlaceCaptioned(new ButtonXP(client), QStringLiteral("CancelButton"), QStringLiteral("取消"),
                       QRect(PageWidth - 68, buttonTop, 76, 24));

    LoadSettings();
    skin_->Load(app);

    connect(okButton_, &ButtonXP::Click, this, [this] {
        Apply();
        close();
    });
    connect(applyButton_, &ButtonXP::Click, this, &RememberSettingForm::Apply);
    connect(cancelButton_, &ButtonXP::Click, this, &QDialog::close);
    connect(wordSwatch_, &ColorSwatchLabel::Clicked, this,
            [this] { ChooseSwatchColor(wordSwatch_); });
    connect(explanationSwatch_, &ColorSwatchLabel::Clicked, this,
            [this] { ChooseSwatchColor(explanationSwatch_); });
    connect(backSwatch_, &ColorSwatchLabel::Clicked, this,
            [this] { ChooseSwatchColor(backSwatch_); });
    connect(wordFontButton_, &ButtonXP::Click, this,
            [this] { ChooseSwatchFont(wordSwatch_, wordFontButton_); });
    connect(explanationFontButton_, &ButtonXP::Click, this,
            [this] { ChooseSwatchFont(explanationSwatch_, explanationFontButton_); });
    connect(pictureButton_, &ButtonXP::Click, this, &RememberSettingForm::ChoosePicture);
    connect(intervalSlider_, &SliderXP::Change, this,
            [this] { intervalLabel_->setText(QString::number(intervalSlider_->Value())); });
}

RememberSettingForm::~RememberSettingForm() {
    // Released without closing, with the word window it belongs to: the hooks go and the tray
    // menu opens again, but no hot key is registered for a window that is going away.
    if (!unloaded_) {
        skin_->Unload();
        host_.SetTrayMenuEnabled(true);
    }
}

void RememberSettingForm::BuildGeneralPage(TablePageXP* page) {
    auto* order = Group(page, QStringLiteral("FrameXP1"), QStringLiteral("显示顺序"),
                        QRect(12, 34, 198, 112));
    const QStringList orders{QStringLiteral("顺序显示"), QStringLiteral("逆序显示"),
                             QStringLiteral("随机显示")};
    for (int i = 0; i < 3; ++i) {
        directionOptions_[i] =
            PlaceCaptioned(new RadioBoxXP(order), QStringLiteral("DirectionOption%1").arg(i),
                           orders[i], QRect(16, 24 + 28 * i, 160, 22));
    }

    auto* content = Group(page, QStringLiteral("FrameXP2"), QStringLiteral("显示内容"),
                          QRect(224, 34, 200, 112));
    showWordCheck_ = PlaceCaptioned(new CheckBoxXP(content), QStringLiteral("ShowWordCheck"),
                                    QStringLiteral("显示单词"), QRect(16, 30, 84, 22));
    showExplanationCheck_ =
        PlaceCaptioned(new CheckBoxXP(content), QStringLiteral("ShowExplanationCheck"),
                       QStringLiteral("显示解释"), QRect(106, 30, 84, 22));
    showPronounceCheck_ =
        PlaceCaptioned(new CheckBoxXP(content), QStringLiteral("ShowPronounceCheck"),
                       QStringLiteral("显示音标"), QRect(16, 68, 84, 22));
    delayExplanationCheck_ =
        PlaceCaptioned(new CheckBoxXP(content), QStringLiteral("DelayExplanationCheck"),
                       QStringLiteral("解释缓出"), QRect(106, 68, 84, 22));

    auto* look = Group(page, QStringLiteral("FrameXP3"), QStringLiteral("字体和颜色"),
                       QRect(12, 154, 412, 152));
    const auto swatchRow = [look](const QString& caption, int top) {
        Caption(look, caption, QRect(16, top, 40, 24));
        auto* swatch = new ColorSwatchLabel(look);
        swatch->setGeometry(58, top, 64, 24);
        return swatch;
    };
    wordSwatch_ = swatchRow(QStringLiteral("单词"), 26);
    wordSwatch_->setObjectName(QStringLiteral("WordColorLabel"));
    wordSwatch_->setToolTip(QStringLiteral("点击这里修改单词颜色."));
    wordFontButton_ = PlaceCaptioned(new ButtonXP(look), QStringLiteral("WordFontButton"),
                                     QString(), QRect(134, 26, 180, 24));
    wordFontButton_->setToolTip(QStringLiteral("选择单词字体."));
    explanationSwatch_ = swatchRow(QStringLiteral("解释"), 58);
    explanationSwatch_->setObjectName(QStringLiteral("ExplanationColorLabel"));
    explanationSwatch_->setToolTip(QStringLiteral("点击这里修改解释颜色."));
    explanationFontButton_ =
        PlaceCaptioned(new ButtonXP(look), QStringLiteral("ExplanationFontButton"), QString(),
                       QRect(134, 58, 180, 24));
    explanationFontButton_->setToolTip(QStringLiteral("选择解释字体."));
    backSwatch_ = swatchRow(QStringLiteral("背景"), 90);
    backSwatch_->setObjectName(QStringLiteral("BackColorLabel"));
    backSwatch_->setToolTip(QStringLiteral("点击这里修改背景颜色."));
    backPictureCheck_ = PlaceCaptioned(new CheckBoxXP(look), QStringLiteral("BackPictureCheck"),
                                       QStringLiteral("使用背景图片"), QRect(134, 91, 150, 22));

    // The picture styles are a group of their own, apart from the order above.
    auto* styles = new QWidget(look);
    styles->setObjectName(QStringLiteral("PictureStyles"));
    styles->setGeometry(16, 120, 300, 26);
    const QStringList styleCaptions{QStringLiteral("平铺"), QStringLiteral("居中"),
                                    QStringLiteral("拉伸")};
    for (int i = 0; i < 3; ++i) {
        styleOptions_[i] =
            PlaceCaptioned(new RadioBoxXP(styles), QStringLiteral("PictureStyleOption%1").arg(i),
                           styleCaptions[i], QRect(i * 78, 2, 70, 22));
    }
    pictureButton_ = PlaceCaptioned(new ButtonXP(look), QStringLiteral("PictureButton"),
                                    QStringLiteral("图片"), QRect(326, 120, 72, 24));
    pictureButton_->setToolTip(QStringLiteral("选择背景图片."));
}

void RememberSettingForm::BuildSoundPage(TablePageXP* page) {
    auto* speech = Group(page, QStringLiteral("FrameXP4"), QStringLiteral("朗读设置"),
                         QRect(12, 34, 412, 110));
    enableSpeakCheck_ = PlaceCaptioned(new CheckBoxXP(speech), QStringLiteral("EnableSpeakCheck"),
                                       QStringLiteral("朗读单词"), QRect(16, 30, 150, 22));
    speakLetterCheck_ = PlaceCaptioned(new CheckBoxXP(speech), QStringLiteral("SpeakLetterCheck"),
                                       QStringLiteral("拼读单词"), QRect(16, 66, 150, 22));
    auto* note = Caption(page, QStringLiteral("朗读模式和朗读速度请在通用设置中进行设置."),
                         QRect(28, 154, 396, 24));
    note->setObjectName(QStringLiteral("SpeechNoteLabel"));
}

void RememberSettingForm::BuildHotKeyPage(TablePageXP* page) {
    auto* keys = Group(page, QStringLiteral("FrameXP5"), QStringLiteral("热键设置"),
                       QRect(12, 34, 412, 272));
    hotKeyEnabledCheck_ = PlaceCaptioned(new CheckBoxXP(keys), QStringLiteral("HotKeyEnabledCheck"),
                                         QStringLiteral("开启热键功能"), QRect(16, 28, 200, 22));
    for (int j = 0; j < HotKeySlotCount; ++j) {
        const int left = j < 4 ? 16 : 212;
        const int top = 70 + (j % 4) * 48;
        Caption(keys, SlotLabel(j), QRect(left, top, 76, 24));
        auto* box = new ScanKeyBox(keys);
        box->setObjectName(QStringLiteral("ScanKeyBox%1").arg(j));
        box->setGeometry(left + 76, top, 108, 24);
        hotKeyBoxes_[j] = box;
    }
}

void RememberSettingForm::BuildOtherPage(TablePageXP* page) {
    auto* play = Group(page, QStringLiteral("FrameXP6"), QStringLiteral("自动显示单词"),
                       QRect(12, 34, 412, 120));
    autoPlayCheck_ =
        PlaceCaptioned(new CheckBoxXP(play), QStringLiteral("AutoPlayCheck"),
                       QStringLiteral("运行本软件时自动显示单词"), QRect(16, 30, 260, 22));
    Caption(play, QStringLiteral("两个单词显示间隔(秒):"), QRect(16, 72, 150, 26));
    intervalSlider_ = new SliderXP(play);
    intervalSlider_->setObjectName(QStringLiteral("IntervalSlider"));
    intervalSlider_->setGeometry(168, 70, 180, 30);
    intervalSlider_->SetMin(MinInterval);
    intervalSlider_->SetMax(MaxInterval);
    intervalLabel_ = Caption(play, QString(), QRect(356, 72, 40, 26));
    intervalLabel_->setObjectName(QStringLiteral("IntervalLabel"));

    auto* other = Group(page, QStringLiteral("FrameXP7"), QStringLiteral("其它设置"),
                        QRect(12, 164, 412, 110));
    fullScreenCheck_ = PlaceCaptioned(new CheckBoxXP(other), QStringLiteral("FullScreenCheck"),
                                      QStringLiteral("全屏显示"), QRect(16, 30, 200, 22));
    splitDisplayCheck_ =
        PlaceCaptioned(new CheckBoxXP(other), QStringLiteral("SplitDisplayCheck"),
                       QStringLiteral("单词与解释分行显示"), QRect(16, 66, 200, 22));
}

void RememberSettingForm::LoadSettings() {
    const auto read = [this](const SettingKey& key) { return ReadSetting(app_, key); };
    const auto check = [this](CheckBoxXP* box, const QString& value) {
        box->SetValue(IsOn(value));
    };
    // The switches whose readers keep defaults of their own: the dialog shows them on.
    const QString on = QStringLiteral("1");

    if (const std::optional<int> direction = OptionValue(read(setting::Direction)))
        directionOptions_[*direction]->SetValue(true);
    check(autoPlayCheck_, read(setting::AutoPlay));
    intervalSlider_->SetValue(qint64(RoundHalfEven(NumberValue(read(setting::WordInterval)))));
    check(showWordCheck_, read(setting::ShowWord));
    check(showExplanationCheck_, ReadSetting(app_, setting::ShowExplanation, on));
    check(showPronounceCheck_, read(setting::ShowPronounce));
    check(delayExplanationCheck_, read(setting::DelayExplanation));

    QFont wordFont;
    LoadWordFont(app_, wordFont);
    wordSwatch_->SetSwatchFont(wordFont);
    wordSwatch_->SetColorNumber(qint64(NumberValue(read(setting::WordForeColor))));
    QFont explanationFont;
    LoadExplanationFont(app_, explanationFont);
    explanationSwatch_->SetSwatchFont(explanationFont);
    explanationSwatch_->SetColorNumber(qint64(NumberValue(read(setting::ExplanationForeColor))));
    backSwatch_->SetColorNumber(qint64(NumberValue(read(setting::BackColor))));
    backSwatch_->SetPicturePath(read(setting::BackPicturePath));

    backPictureCheck_->SetValue(RoundHalfEven(NumberValue(read(setting::BackPicture))) != 0);
    if (const std::optional<int> style = OptionValue(read(setting::BackPictureStyle)))
        styleOptions_[*style]->SetValue(true);
    ShowFontCaption(wordSwatch_, wordFontButton_);
    ShowFontCaption(explanationSwatch_, explanationFontButton_);
    check(enableSpeakCheck_, ReadSetting(app_, setting::EnableSpeak, on));
    check(speakLetterCheck_, ReadSetting(app_, setting::SpeakLetter, on));

    // A combination pressed in a capture box must not run its command meanwhile.
    host_.UnRegAllHotKey();
    check(hotKeyEnabledCheck_, read(setting::HotKeyEnabled));
    for (int j = 0; j < HotKeySlotCount; ++j) {
        const std::optional<KeyCombination> combination =
            ParseStoredHotKey(ReadSetting(app_, setting::HotKey, j));
        if (!combination)
            continue;
        hotKeyBoxes_[j]->SetScanShift(qint16(combination->shift));
        hotKeyBoxes_[j]->SetScanKeyCode(qint16(combination->keyCode));
    }
    check(fullScreenCheck_, ReadSetting(app_, setting::FullScreen, on));
    check(splitDisplayCheck_, read(setting::SplitDisplay));
    intervalLabel_->setText(QString::number(intervalSlider_->Value()));
}

void RememberSettingForm::Apply() {
    const auto write = [this](const SettingKey& key, const QString& value) {
        WriteSetting(app_, key, value);
    };

    okButton_->SetEnabled(false);
    cancelButton_->SetEnabled(false);
    host_.Repaint();

    if (const std::optional<int> direction = SelectedOption(directionOptions_)) {
        write(setting::Direction, QString::number(*direction));
        host_.CheckDirectionItems(*direction);
    }
    write(setting::ShowWord, Flag(showWordCheck_->Value()));
    write(setting::ShowExplanation, Flag(showExplanationCheck_->Value()));
    write(setting::ShowPronounce, Flag(showPronounceCheck_->Value()));
    write(setting::DelayExplanation, Flag(delayExplanationCheck_->Value()));
    write(setting::AutoPlay, Flag(autoPlayCheck_->Value()));
    write(setting::WordInterval, QString::number(intervalSlider_->Value()));

    SaveWordFont(app_, wordSwatch_->SwatchFont());
    host_.SetWordFont(wordSwatch_->SwatchFont());
    host_.SetWordColor(wordSwatch_->Color());
    write(setting::WordForeColor, QString::number(wordSwatch_->ColorNumber()));

    SaveExplanationFont(app_, explanationSwatch_->SwatchFont());
    host_.SetExplanationFont(explanationSwatch_->SwatchFont());
    host_.SetExplanationColor(explanationSwatch_->Color());
    write(setting::ExplanationForeColor, QString::number(explanationSwatch_->ColorNumber()));

    write(setting::BackColor, QString::number(backSwatch_->ColorNumber()));
    write(setting::BackPicture, Flag(backPictureCheck_->Value()));
    const QString picturePath = backSwatch_->PicturePath();
    if (backPictureCheck_->Value()) {
        if (!picturePath.isEmpty() && QFileInfo(picturePath).isFile()) {
            const bool loaded = host_.LoadBackPicture(picturePath);
            const std::optional<int> style = SelectedOption(styleOptions_);
            if (loaded && style) {
                host_.SetBackPicture(*style);
                write(setting::BackPictureStyle, QString::number(*style));
            }
        }
    } else {
        host_.RemoveBackPicture();
        host_.SetBackColor(backSwatch_->Color());
    }
    write(setting::BackPicturePath, picturePath);
    host_.PrintWord();

    write(setting::EnableSpeak, Flag(enableSpeakCheck_->Value()));
    write(setting::SpeakLetter, Flag(speakLetterCheck_->Value()));
    host_.SetWordInterval(intervalSlider_->Value() * 1000);

    write(setting::HotKeyEnabled, Flag(hotKeyEnabledCheck_->Value()));
    for (int j = 0; j < HotKeySlotCount; ++j) {
        const ScanKeyBox* box = hotKeyBoxes_[j];
        WriteSetting(app_, setting::HotKey, j,
                     QString::number(StoredHotKeyValue({box->ScanKeyCode(), box->ScanShift()})));
    }

    // Here only "1" counts as on, and a missing value as off.
    const bool fullScreenStored =
        ReadSetting(app_, setting::FullScreen, QStringLiteral("0")) == QStringLiteral("1");
    if (fullScreenCheck_->Value() != fullScreenStored)
        host_.SetFullScreen(fullScreenCheck_->Value());
    write(setting::SplitDisplay, Flag(splitDisplayCheck_->Value()));
    // So that a changed "SplitDisplay" shows now, not with the next word.
    host_.RefreshLayout();

    okButton_->SetEnabled(true);
    cancelButton_->SetEnabled(true);
}

void RememberSettingForm::ChooseSwatchColor(ColorSwatchLabel* swatch) {
    const std::optional<QColor> color = [&] {
        DialogGuard guard(app_);
        return choosers_->ChooseColor(swatch->Color(), this);
    }();
    if (color)
        swatch->SetColorNumber(NumberFromColor(*color));
    // A background colour chosen replaces the background picture; a cancelled choice changes
    // nothing.
    if (swatch == backSwatch_ && color)
        swatch->SetPicturePath(QStringLiteral("0"));
}

void RememberSettingForm::ChooseSwatchFont(ColorSwatchLabel* swatch, ButtonXP* button) {
    const std::optional<QFont> chosen = [&] {
        DialogGuard guard(app_);
        return choosers_->ChooseFont(swatch->SwatchFont(), this);
    }();
    if (!chosen)
        return;
    QFont font = swatch->SwatchFont();
    font.setFamily(chosen->family());
    if (chosen->pointSizeF() > 0)
        font.setPointSizeF(chosen->pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    swatch->SetSwatchFont(font);
    ShowFontCaption(swatch, button);
}

void RememberSettingForm::ChoosePicture() {
    const std::optional<QString> file = [&] {
        DialogGuard guard(app_);
        return choosers_->ChoosePicture(AddBackslash(app_.ProgramFolder()), this);
    }();
    // A cancelled choice keeps the picture chosen before.
    if (file)
        backSwatch_->SetPicturePath(*file);
}

void RememberSettingForm::ShowFontCaption(ColorSwatchLabel* swatch, ButtonXP* button) {
    const QFont font = swatch->SwatchFont();
    button->SetCaption(font.family() + u' ' + QString::number(font.pointSizeF()));
    QFont look = button->Fonts();
    look.setBold(font.bold());
    look.setItalic(font.italic());
    button->SetFonts(look);
}

void RememberSettingForm::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}

void RememberSettingForm::done(int result) {
    // Escape and the window manager's close end here as well.
    Unload();
    QDialog::done(result);
}

void RememberSettingForm::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    skin_->Unload();
    host_.RegAllHotKey();
    host_.SetTrayMenuEnabled(true);
}

} // namespace lexarion
