#include "memorize/ui/mustremembersettingform.h"

#include "core/appstate.h"
#include "core/settingkeys.h"
#include "core/settings.h"
#include "memorize/mustremember.h"
#include "platform/numbertext.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/placecontrol.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/tablepagexp.h"
#include "skin/ui/textboxxp.h"

#include <QLabel>

namespace lexarion {

namespace {

CheckBoxXP* AddCheck(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return PlaceCaptioned(new CheckBoxXP(parent), QLatin1String(name), caption, geometry);
}

TextBoxXP* AddNumberBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new TextBoxXP(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

QString SwitchText(const CheckBoxXP* check) {
    return check->Value() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

MustRememberSettingForm::MustRememberSettingForm(AppState& app, WindowHooks* hooks, QWidget* owner)
    : QDialog(owner), app_(app) {
    loading_ = true;
    setObjectName(QStringLiteral("MustRememberSettingForm"));
    setWindowTitle(QStringLiteral("Lexarion - [不得不记单词设置]"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(400, 262);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    const QRect pageArea(10, 10, 380, 206);
    generalPage_ = new TablePageXP(client);
    generalPage_->setObjectName(QStringLiteral("TablePageXP1"));
    generalPage_->SetCaption(QStringLiteral("常规"));
    generalPage_->SetPanelIndex(0);
    generalPage_->setGeometry(pageArea);
    rulePage_ = new TablePageXP(client);
    rulePage_->setObjectName(QStringLiteral("TablePageXP2"));
    rulePage_->SetCaption(QStringLiteral("规则"));
    rulePage_->SetPanelIndex(1);
    rulePage_->setGeometry(pageArea);

    enableCheck_ = AddCheck(generalPage_, "EnableMustRememberCheck",
                            QStringLiteral("启动不得不记单词功能"), QRect(20, 44, 240, 24));
    PlaceLabel(generalPage_, "", QStringLiteral("显示间隔(分钟)"), QRect(20, 80, 110, 22));
    intervalText_ = AddNumberBox(generalPage_, "ShowIntervalText", QRect(134, 79, 60, 22));
    auto* explanation =
        PlaceLabel(generalPage_, "",
                   QStringLiteral("启动不得不记单词这项功能后,每隔几分钟程序就会弹出一个窗口,"
                                  "只有你正确输入指定的单词后才可以关闭窗口,故称为不得不记单词."),
                   QRect(20, 118, 340, 70));
    explanation->setWordWrap(true);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PlaceLabel(rulePage_, "", QStringLiteral("1.输入前显示以下内容."), QRect(20, 36, 300, 22));
    showWordCheck_ =
        AddCheck(rulePage_, "ShowWordCheck", QStringLiteral("显示单词"), QRect(36, 60, 200, 22));
    showExplanationCheck_ = AddCheck(rulePage_, "ShowExplanationCheck",
                                     QStringLiteral("显示中文解释"), QRect(36, 84, 200, 22));
    showPronounceCheck_ = AddCheck(rulePage_, "ShowPronounceCheck", QStringLiteral("显示音标"),
                                   QRect(36, 108, 200, 22));
    PlaceLabel(rulePage_, "", QStringLiteral("2.不懂单词时,罚写该单词."), QRect(20, 140, 300, 22));
    PlaceLabel(rulePage_, "", QStringLiteral("罚写次数"), QRect(36, 168, 70, 22));
    repeatText_ = AddNumberBox(rulePage_, "RepeatTimesText", QRect(110, 167, 60, 22));
    generalPage_->SetValue(true);

    okButton_ = new ButtonXP(client);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->SetCaption(QStringLiteral("确定"));
    okButton_->move(234, 228);
    cancelButton_ = new ButtonXP(client);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->SetCaption(QStringLiteral("取消"));
    cancelButton_->move(316, 228);

    // The loading default "True" is not "1": a missing key shows the feature off.
    enableCheck_->SetValue(ReadSetting(app_, setting::EnableMustRemember, u"True"_qs) == u"1");
    intervalText_->SetText(ReadSetting(app_, setting::ShowInterval, u"5"_qs));
    for (auto [check, key] : {std::pair{showWordCheck_, &setting::TestShowWord},
                              std::pair{showExplanationCheck_, &setting::TestShowExplanation},
                              std::pair{showPronounceCheck_, &setting::TestShowPronounce}})
        check->SetValue(NumberValue(ReadSetting(app_, *key)) != 0);
    repeatText_->SetText(ReadSetting(app_, setting::RepeatTimes));

    connect(intervalText_, &TextBoxXP::Change, this, [this] { Normalise(intervalText_); });
    connect(repeatText_, &TextBoxXP::Change, this, [this] { Normalise(repeatText_); });
    connect(okButton_, &ButtonXP::Click, this, [this] {
        WriteSettings();
        accept();
    });
    connect(cancelButton_, &ButtonXP::Click, this, &QDialog::reject);

    skin_->Load(app_);
    loading_ = false;
}

MustRememberSettingForm::~MustRememberSettingForm() {
    skin_->Unload();
}

void MustRememberSettingForm::Normalise(TextBoxXP* box) {
    if (loading_)
        return;
    loading_ = true;
    const QString clamped = ClampToMinimum(box->Text(), 1);
    if (clamped != box->Text()) {
        box->SetText(clamped);
        // Selected, so that the next digit typed replaces what the box put there itself.
        box->SetSelStart(0);
        box->SetSelLength(int(clamped.size()));
    }
    loading_ = false;
}

void MustRememberSettingForm::WriteSettings() {
    WriteSetting(app_, setting::EnableMustRemember, SwitchText(enableCheck_));
    WriteSetting(app_, setting::TestShowWord, SwitchText(showWordCheck_));
    WriteSetting(app_, setting::TestShowExplanation, SwitchText(showExplanationCheck_));
    WriteSetting(app_, setting::TestShowPronounce, SwitchText(showPronounceCheck_));
    // A box still holding what the file held before (the boxes are normalised only as they
    // are edited) is written as a count as well.
    WriteSetting(app_, setting::ShowInterval, ClampToMinimum(intervalText_->Text(), 1));
    WriteSetting(app_, setting::RepeatTimes, ClampToMinimum(repeatText_->Text(), 1));
}

void MustRememberSettingForm::done(int result) {
    QDialog::done(result);
    if (closed_)
        return;
    closed_ = true;
    skin_->Unload();
    if (IsMustRememberEnabled(app_))
        emit MustRememberWanted();
}

} // namespace lexarion
