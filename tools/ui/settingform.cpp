#include "tools/ui/settingform.h"

#include "core/appstate.h"
#include "core/dialogguard.h"
#include "core/settings.h"
#include "platform/speechengine.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/checkboxxp.h"
#include "skin/ui/framexp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/sliderxp.h"
#include "skin/ui/tablepagexp.h"
#include "skin/ui/windowhooks.h"
#include "tools/generalsettings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace lexarion {

namespace {

constexpr QRect PageRect(10, 10, 420, 282);

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

SliderXP* MakeSlider(QWidget* parent, const QString& name, QRect place) {
    auto* slider = new SliderXP(parent);
    slider->setObjectName(name);
    slider->setGeometry(place);
    return slider;
}

ListBoxXP* MakeList(QWidget* parent, const QString& name, QRect place) {
    auto* list = new ListBoxXP(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    return list;
}

// The caption of the selected item, or of the first when none is selected.
QString ChosenCaption(const ListBoxXP* list) {
    return list->GetListItemCaption(qMax(0, list->ListIndex()));
}

} // namespace

SettingForm::SettingForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QDialog(parent), app_(app), hooks_(hooks) {
    setObjectName(QStringLiteral("SettingForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(440, 340);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    const char* captions[] = {"界面", "词库", "声音", "分组", "计划"};
    for (int i = 0; i < 5; ++i) {
        pages_[i] = new TablePageXP(client);
        pages_[i]->setObjectName(QStringLiteral("TablePageXP%1").arg(i + 1));
        pages_[i]->setGeometry(PageRect);
        pages_[i]->SetPanelIndex(qint16(i));
        pages_[i]->SetCaption(QString::fromUtf8(captions[i]));
    }

    // 界面
    QWidget* page = pages_[0];
    MakeLabel(page, {}, QStringLiteral("界面方案"), {16, 30, 150, 20});
    skinList_ = MakeList(page, QStringLiteral("SkinListBoxXP"), {16, 52, 160, 214});
    MakeLabel(page, {}, QStringLiteral("方案描述"), {192, 30, 200, 20});
    descriptionLabel_ = MakeLabel(page, QStringLiteral("DescriptionLabel"), {}, {192, 52, 212, 64});
    descriptionLabel_->setWordWrap(true);
    descriptionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preViewImage_ = MakeLabel(page, QStringLiteral("PreViewImage"), {}, {192, 126, 180, 120});
    preViewImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // 词库
    page = pages_[1];
    dictList_ = MakeList(page, QStringLiteral("DictListBoxXP"), {16, 30, 190, 236});
    dictionaryLabel_ = MakeLabel(page, QStringLiteral("DictionaryLabel"),
                                 QStringLiteral("词库说明"), {222, 30, 182, 120});
    dictionaryLabel_->setWordWrap(true);
    dictionaryLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // 声音
    page = pages_[2];
    auto* speakFrame = new FrameXP(page);
    speakFrame->setObjectName(QStringLiteral("FrameXP1"));
    speakFrame->SetCaption(QStringLiteral("朗读设置"));
    speakFrame->setGeometry(16, 32, 388, 180);
    MakeLabel(speakFrame, {}, QStringLiteral("朗读模式:"), {16, 30, 120, 20});
    speakModeSlider_ = MakeSlider(speakFrame, QStringLiteral("SpeakModeSlider"), {16, 54, 240, 26});
    speakModeLabel_ = MakeLabel(speakFrame, QStringLiteral("SpeakModeLabel"),
                                QStringLiteral("模式名"), {266, 56, 112, 20});
    MakeLabel(speakFrame, {}, QStringLiteral("朗读速度(默认为170):"), {16, 100, 200, 20});
    speedSlider_ = MakeSlider(speakFrame, QStringLiteral("SpeedSlider"), {16, 124, 240, 26});
    speedLabel_ = MakeLabel(speakFrame, QStringLiteral("SpeedLabel"), QStringLiteral("170"),
                            {266, 126, 112, 20});

    // 分组
    page = pages_[3];
    groupFrame_ = new FrameXP(page);
    groupFrame_->setObjectName(QStringLiteral("GroupFrame"));
    groupFrame_->setGeometry(16, 32, 388, 200);
    groupCheck_ = new CheckBoxXP(groupFrame_);
    groupCheck_->setObjectName(QStringLiteral("GroupCheck"));
    groupCheck_->SetCaption(QStringLiteral("开启单词分组功能"));
    groupCheck_->setGeometry(16, 32, 200, 20);
    MakeLabel(groupFrame_, {}, QStringLiteral("每组单词数:"), {16, 70, 120, 20});
    groupSizeSlider_ =
        MakeSlider(groupFrame_, QStringLiteral("GroupSizeSlider"), {16, 94, 260, 26});
    groupSizeLabel_ =
        MakeLabel(groupFrame_, QStringLiteral("GroupSizeLabel"), {}, {286, 96, 90, 20});
    MakeLabel(groupFrame_, {}, QStringLiteral("现在显示组:"), {16, 132, 120, 20});
    groupSlider_ = MakeSlider(groupFrame_, QStringLiteral("GroupSlider"), {16, 156, 260, 26});
    groupLabel_ = MakeLabel(groupFrame_, QStringLiteral("GroupLabel"), {}, {286, 158, 90, 20});

    // 计划
    page = pages_[4];
    auto* planLabel =
        MakeLabel(page, QStringLiteral("PlanLabel"), PlanNotice.toString(), {16, 30, 388, 44});
    planLabel->setWordWrap(true);
    planLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeLabel(page, {}, QStringLiteral("词库(你计划要学习的词库):"), {16, 86, 200, 20});
    dictNameLabel_ = MakeLabel(page, QStringLiteral("DictNameLabel"), {}, {220, 86, 184, 20});
    MakeLabel(page, {}, QStringLiteral("每组单词数(宜在50个左右):"), {16, 116, 200, 20});
    groupSizeLabel2_ = MakeLabel(page, QStringLiteral("GroupSizeLabel2"), {}, {220, 116, 184, 20});
    MakeLabel(page, {}, QStringLiteral("进度(最近学习那一组单词):"), {16, 146, 200, 20});
    lastPlanGroupLabel_ = MakeLabel(page, QStringLiteral("LastPlanGroupLabel"),
                                    QStringLiteral("0/0"), {220, 146, 184, 20});
    runPlanCheck_ = new CheckBoxXP(page);
    runPlanCheck_->setObjectName(QStringLiteral("RunPlanCheck"));
    runPlanCheck_->SetCaption(QStringLiteral("自动安排学习计划"));
    runPlanCheck_->setGeometry(16, 184, 200, 20);
    resetButton_ = new ButtonXP(page);
    resetButton_->setObjectName(QStringLiteral("ResetButton"));
    resetButton_->SetCaption(QStringLiteral("复位"));
    resetButton_->move(220, 180);

    okButton_ = new ButtonXP(client);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->SetCaption(QStringLiteral("确定"));
    okButton_->move(276, 304);
    cancelButton_ = new ButtonXP(client);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->SetCaption(QStringLiteral("取消"));
    cancelButton_->move(360, 304);

    connect(skinList_, &ListBoxXP::ItemSelected, this, &SettingForm::SkinSelected);
    connect(dictList_, &ListBoxXP::ItemSelected, this, &SettingForm::WordListSelected);
    connect(speedSlider_, &SliderXP::Change, this,
            [this] { speedLabel_->setText(QString::number(speedSlider_->Value())); });
    connect(speakModeSlider_, &SliderXP::Change, this, [this] {
        speakModeLabel_->setText(app_.speech ? app_.speech->ModeName(speakModeSlider_->Value())
                                             : QString());
    });
    connect(groupSizeSlider_, &SliderXP::Change, this, &SettingForm::GroupSizeChanged);
    connect(groupSlider_, &SliderXP::Change, this,
            [this] { groupLabel_->setText(QString::number(groupSlider_->Value())); });
    connect(pages_[4], &TablePageXP::Click, this, &SettingForm::PlanPageClicked);
    connect(resetButton_, &ButtonXP::Click, this, &SettingForm::Reset);
    connect(okButton_, &ButtonXP::Click, this, &SettingForm::Ok);
    connect(cancelButton_, &ButtonXP::Click, this, &QDialog::close);

    // The load.
    setWindowTitle(QStringLiteral("Lexarion - [通用设置]"));
    const GeneralSettings stored = ReadGeneralSettings(app_);
    skinList_->ClearListBox();
    for (const QString& name : SkinNames(app_))
        skinList_->AddListItem(name);
    skinList_->SetListIndex(skinList_->FindString(-1, stored.skinFolder));
    dictList_->ClearListBox();
    for (const QString& name : WordListNames(app_))
        dictList_->AddListItem(name);
    dictList_->SetListIndex(dictList_->FindString(-1, stored.dictionaryFile));

    speedSlider_->SetMin(MinSpeakSpeed);
    speedSlider_->SetMax(MaxSpeakSpeed);
    speedSlider_->SetLargeChange(10);
    speedSlider_->SetValue(stored.speakSpeed);
    const int modes = app_.speech ? app_.speech->ModeCount() : 0;
    speakModeSlider_->SetMin(modes > 0 ? 1 : 0);
    speakModeSlider_->SetMax(modes);
    speakModeSlider_->SetValue(modes > 0 ? stored.speakMode : 0);

    const qint32 words = app_.wordList.Count();
    groupFrame_->SetCaption(QStringLiteral("当前词库共有 %1 个单词").arg(words));
    groupCheck_->SetValue(stored.showAsGroup);
    groupSizeSlider_->SetMin(1);
    groupSizeSlider_->SetLargeChange(10);
    groupSlider_->SetMin(1);
    groupSlider_->SetLargeChange(10);
    if (words < 1) {
        groupSizeSlider_->SetMax(1);
        groupSizeSlider_->SetValue(1);
        groupSlider_->SetMax(1);
        groupSlider_->SetValue(1);
    } else {
        groupSizeSlider_->SetMax(words);
        groupSizeSlider_->SetValue(stored.groupSize);
        groupSlider_->SetMax(GroupCount(words, groupSizeSlider_->Value()));
        groupSlider_->SetValue(stored.group);
    }

    dictNameLabel_->setText(stored.dictionaryFile);
    groupSizeLabel2_->setText(QString::number(stored.groupSize));
    lastPlanGroup_ = stored.lastPlanGroup;
    ShowPlanProgress();
    runPlanCheck_->SetValue(stored.runPlan);
    pages_[0]->SetValue(true);
    skin_->Load(app_);
    // The lists open at their top when the chosen item can be seen from there (their rows are
    // known once the skin has sized them).
    for (ListBoxXP* list : {skinList_, dictList_})
        if (list->ListIndex() < list->VisibleRows())
            list->SetTopIndex(0);
}

SettingForm::~SettingForm() {
    Unload();
}

void SettingForm::SkinSelected() {
    const QString name = skinList_->GetListItemCaption(skinList_->ListIndex());
    descriptionLabel_->setText(SkinDescription(app_, name));
    const QString preview = SkinPreviewPath(app_, name);
    const QPixmap picture(preview);
    preViewImage_->setPixmap(picture);
    preViewImage_->setVisible(!preview.isEmpty() && !picture.isNull());
}

void SettingForm::WordListSelected() {
    dictionaryLabel_->setText(
        WordListDescription(app_, dictList_->GetListItemCaption(dictList_->ListIndex())));
}

void SettingForm::GroupSizeChanged() {
    groupSizeLabel_->setText(QString::number(groupSizeSlider_->Value()));
    // The group slider's value stays where it is until it is next set.
    groupSlider_->SetMax(GroupCount(groupSizeSlider_->Max(), groupSizeSlider_->Value()));
    ShowPlanProgress();
}

void SettingForm::ShowPlanProgress() {
    lastPlanGroupLabel_->setText(
        QStringLiteral("%1/%2").arg(lastPlanGroup_).arg(groupSlider_->Max()));
}

void SettingForm::PlanPageClicked() {
    dictNameLabel_->setText(ChosenCaption(dictList_));
    groupSizeLabel2_->setText(QString::number(groupSizeSlider_->Value()));
    ShowPlanProgress();
}

void SettingForm::Reset() {
    if (!Ask(ResetPlanQuestion.toString(), QStringLiteral("提示"), true))
        return;
    lastPlanGroup_ = 0;
    ShowPlanProgress();
}

bool SettingForm::Ask(const QString& text, const QString& title, bool noDefault) {
    if (question_)
        return question_(text, title, noDefault);
    // The background timers stay quiet while the question is open.
    const bool before = app_.dialogShowing;
    app_.dialogShowing = true;
    QPointer<SettingForm> self(this);
    const auto answer = QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No,
                                              noDefault ? QMessageBox::No : QMessageBox::Yes);
    app_.dialogShowing = before;
    return self && answer == QMessageBox::Yes;
}

void SettingForm::ApplySkinToOpenWindows() {
    if (!hooks_)
        return;
    for (QWidget* window : hooks_->HookedWindows())
        if (auto* skinned =
                window->findChild<SkinnedWindow*>(QString(), Qt::FindDirectChildrenOnly))
            skinned->ApplyUserSkin(app_);
}

void SettingForm::Ok() {
    okButton_->SetEnabled(false);
    cancelButton_->SetEnabled(false);
    GeneralSettings chosen;
    chosen.skinFolder = ChosenCaption(skinList_);
    WriteSetting(app_, QStringLiteral("General"), QStringLiteral("SkinFolder"), chosen.skinFolder);
    ApplySkinToOpenWindows();

    chosen.dictionaryFile = ChosenCaption(dictList_);
    chosen.group = groupSlider_->Value();
    chosen.groupSize = groupSizeSlider_->Value();
    chosen.speakSpeed = speedSlider_->Value();
    chosen.speakMode = speakModeSlider_->Value();
    chosen.showAsGroup = groupCheck_->Value();
    chosen.lastPlanGroup = lastPlanGroup_;
    chosen.runPlan = runPlanCheck_->Value();
    QPointer<SettingForm> self(this);
    SaveGeneralSettings(
        app_, chosen,
        [this] { return Ask(LoadNewListQuestion.toString(), LoadNewListTitle.toString(), false); },
        app_.speech);
    if (self)
        close();
}

void SettingForm::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    skin_->Unload();
    emit Closed();
}

void SettingForm::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}

void SettingForm::done(int result) {
    Unload();
    QDialog::done(result);
}

} // namespace lexarion
