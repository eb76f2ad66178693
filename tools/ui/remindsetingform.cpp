#include "tools/ui/remindsetingform.h"

#include "core/appstate.h"
#include "skin/ui/buttonxp.h"
#include "skin/ui/listboxxp.h"
#include "skin/ui/skinnedwindow.h"
#include "skin/ui/textboxxp.h"
#include "skin/ui/updownxp.h"
#include "tools/reminders.h"

#include <QCloseEvent>
#include <QLabel>

namespace lexarion {

namespace {

constexpr int ClockIntervalMs = 10000;

// Sets a flag for its lifetime and puts back the value it had.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = before_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

QString ItemCaption(const QString& date, const QString& time, const QString& text) {
    return ReminderDisplayText(date, time) + u'\t' + text;
}

} // namespace

RemindSetingForm::RemindSetingForm(AppState& app, WindowHooks* hooks, QWidget* parent)
    : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("RemindSetingForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* client = new QWidget(this);
    client->resize(470, 336);
    skin_ = new SkinnedWindow(this, client, {}, hooks);

    list_ = new ListBoxXP(client);
    list_->setObjectName(QStringLiteral("ListBoxXP1"));
    list_->setToolTip(QStringLiteral("请选择你要编辑的项目,如果这里无项目,请点击\"新建\"."));
    list_->setGeometry(12, 12, 446, 130);

    const auto label = [client](const QString& name, const QString& text, QRect place) {
        auto* l = new QLabel(text, client);
        l->setObjectName(name);
        l->setGeometry(place);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    label(QStringLiteral("Label1"), QStringLiteral("提醒时间："), QRect(12, 158, 80, 22));
    const auto upDown = [client](const QString& name, int min, int max, int value, int x) {
        auto* u = new UpDownXP(client);
        u->setObjectName(name);
        u->SetMin(min);
        u->SetMax(max);
        u->SetValue(value);
        u->setGeometry(x, 160, 15, 18);
        return u;
    };
    // The month, day and minute reach one step past their valid values, so that stepping past
    // a limit carries into the next larger unit when the date or time is normalised.
    year_ = upDown(QStringLiteral("RemindYearUpDown"), 2000, 2099, 2000, 148);
    yearLabel_ = label(QStringLiteral("RemindYear"), QStringLiteral("2000年"), {92, 158, 54, 22});
    month_ = upDown(QStringLiteral("RemindMonthUpDown"), 0, 13, 1, 212);
    monthLabel_ = label(QStringLiteral("RemindMonth"), QStringLiteral("1月"), {170, 158, 40, 22});
    day_ = upDown(QStringLiteral("RemindDayUpDown"), 0, 32, 1, 276);
    dayLabel_ = label(QStringLiteral("RemindDay"), QStringLiteral("1号"), {234, 158, 40, 22});
    hour_ = upDown(QStringLiteral("RemindHourUpDown"), 0, 23, 0, 352);
    hourLabel_ = label(QStringLiteral("RemindHour"), QStringLiteral("0时"), {310, 158, 40, 22});
    minute_ = upDown(QStringLiteral("RemindMinuteUpDown"), -1, 60, 0, 416);
    minuteLabel_ = label(QStringLiteral("RemindMinute"), QStringLiteral("0分"), {374, 158, 40, 22});

    label(QStringLiteral("Label2"), QStringLiteral("提醒文字："), QRect(12, 196, 80, 22));
    textBox_ = new TextBoxXP(client);
    textBox_->setObjectName(QStringLiteral("RemindTextBox"));
    textBox_->setGeometry(92, 196, 366, 22);
    textBox_->SetMaxLength(128);
    textBox_->SetLocked(true);

    label(QStringLiteral("Label3"), QStringLiteral("现在的时间："), QRect(12, 234, 92, 22));
    nowTimeLabel_ = label(QStringLiteral("NowTimeLabel"), QString(), QRect(104, 234, 200, 22));

    newButton_ = new ButtonXP(client);
    newButton_->setObjectName(QStringLiteral("ButtonXP1"));
    newButton_->SetCaption(QStringLiteral("新建"));
    newButton_->move(220, 292);
    deleteButton_ = new ButtonXP(client);
    deleteButton_->setObjectName(QStringLiteral("ButtonXP2"));
    deleteButton_->SetCaption(QStringLiteral("删除"));
    deleteButton_->move(304, 292);
    closeButton_ = new ButtonXP(client);
    closeButton_->setObjectName(QStringLiteral("ButtonXP3"));
    closeButton_->SetCaption(QStringLiteral("关闭"));
    closeButton_->move(388, 292);

    connect(list_, &ListBoxXP::ItemSelected, this, &RemindSetingForm::ItemSelected);
    for (UpDownXP* u : {year_, month_, day_})
        connect(u, &UpDownXP::Change, this, &RemindSetingForm::DateChanged);
    for (UpDownXP* u : {hour_, minute_})
        connect(u, &UpDownXP::Change, this, &RemindSetingForm::TimeChanged);
    connect(textBox_, &TextBoxXP::Change, this, &RemindSetingForm::TextChanged);
    connect(newButton_, &ButtonXP::Click, this, &RemindSetingForm::NewReminder);
    connect(deleteButton_, &ButtonXP::Click, this, &RemindSetingForm::DeleteReminder);
    connect(closeButton_, &ButtonXP::Click, this, &QDialog::close);
    timer1_.setInterval(ClockIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &RemindSetingForm::ShowClock);

    // The load.
    dialogGuard_.emplace(app_);
    editorBusy_ = false;
    setWindowTitle(QStringLiteral("Lexarion - [提醒设置]"));
    for (const QString& line : app_.reminderList.Lines())
        list_->AddListItem(ItemCaption(ReminderDate(line), ReminderTime(line), ReminderText(line)));
    if (list_->ListCount() > 0)
        list_->SetListIndex(0);
    list_->RefreshListBox();
    UpdateEditorState();
    ShowClock();
    timer1_.start();
    skin_->Load(app_);
}

RemindSetingForm::~RemindSetingForm() {
    Unload();
}

bool RemindSetingForm::UpdateEditorState() {
    const bool hasRecords = list_->ListCount() > 0;
    for (UpDownXP* u : {year_, month_, day_, hour_, minute_})
        u->SetEnabled(hasRecords);
    deleteButton_->SetEnabled(hasRecords);
    if (!hasRecords) {
        const BusyScope busy(editorBusy_);
        textBox_->SetText(EmptyReminderListPrompt.toString());
        textBox_->SetEnabled(false);
        textBox_->SetLocked(true);
        return false;
    }
    textBox_->SetEnabled(true);
    textBox_->SetLocked(false);
    return true;
}

QString RemindSetingForm::EditorDate() const {
    return FormatReminderDate(year_->Value(), month_->Value(), day_->Value());
}

QString RemindSetingForm::EditorTime() const {
    return FormatReminderTime(hour_->Value(), minute_->Value());
}

void RemindSetingForm::ShowSelectedCaption(const QString& date, const QString& time) {
    list_->SetListCaption(list_->ListIndex(), ItemCaption(date, time, textBox_->Text()));
}

void RemindSetingForm::ShowEditorDate(const QString& date) {
    const BusyScope busy(editorBusy_);
    const int year = date.mid(0, 4).toInt();
    const int month = date.mid(4, 2).toInt();
    const int day = date.mid(6, 2).toInt();
    // A date the year spinner cannot show is stored but not shown.
    if (year < 2000 || year > 2099)
        return;
    year_->SetValue(year);
    month_->SetValue(month);
    day_->SetValue(day);
    yearLabel_->setText(QString::number(year) + u"年"_qs);
    monthLabel_->setText(QString::number(month) + u"月"_qs);
    dayLabel_->setText(QString::number(day) + u"日"_qs);
    ShowSelectedCaption(date, EditorTime());
}

void RemindSetingForm::ShowEditorTime(const QString& time) {
    const BusyScope busy(editorBusy_);
    const int hour = time.mid(0, 2).toInt();
    const int minute = time.mid(2, 2).toInt();
    hour_->SetValue(hour);
    minute_->SetValue(minute);
    hourLabel_->setText(QString::number(hour) + u"时"_qs);
    minuteLabel_->setText(QString::number(minute) + u"分"_qs);
    ShowSelectedCaption(EditorDate(), time);
}

void RemindSetingForm::ShowEditorText(const QString& text) {
    const BusyScope busy(editorBusy_);
    // Setting the text the box already holds would move the caret of someone typing.
    if (textBox_->Text() != text)
        textBox_->SetText(text);
    ShowSelectedCaption(EditorDate(), EditorTime());
}

void RemindSetingForm::ItemSelected() {
    if (editorBusy_)
        return;
    const QString line = app_.reminderList.Item(qint64(list_->ListIndex()) + 1);
    ShowEditorDate(ReminderDate(line));
    ShowEditorTime(ReminderTime(line));
    ShowEditorText(ReminderText(line));
}

void RemindSetingForm::NewReminder() {
    const QString date = CurrentReminderDate(app_);
    const QString time = CurrentReminderTime(app_);
    const QString text = NewReminderText.toString();
    app_.reminderList.Append(MakeReminderLine(date, time, text));
    list_->AddListItem(ItemCaption(date, time, text));
    list_->RefreshListBox();
    list_->SetListIndex(list_->ListCount() - 1);
    UpdateEditorState();
    ItemSelected();
}

void RemindSetingForm::DeleteReminder() {
    const int index = list_->ListIndex();
    if (index < 0 || index >= list_->ListCount())
        return;
    app_.reminderList.RemoveAt(qint64(index) + 1);
    list_->RemoveListItem(index);
    UpdateEditorState();
    if (list_->ListCount() > 0)
        ItemSelected();
}

void RemindSetingForm::DateChanged() {
    if (!UpdateEditorState() || editorBusy_)
        return;
    const QString date = EditorDate();
    UpdateReminder(app_.reminderList, list_->ListIndex(), date, EditorTime(), textBox_->Text());
    ShowEditorDate(date);
}

void RemindSetingForm::TimeChanged() {
    if (!UpdateEditorState() || editorBusy_)
        return;
    const QString time = EditorTime();
    UpdateReminder(app_.reminderList, list_->ListIndex(), EditorDate(), time, textBox_->Text());
    ShowEditorTime(time);
}

void RemindSetingForm::TextChanged() {
    if (editorBusy_)
        return;
    const QString text = textBox_->Text();
    UpdateReminder(app_.reminderList, list_->ListIndex(), EditorDate(), EditorTime(), text);
    ShowEditorText(text);
}

void RemindSetingForm::ShowClock() {
    nowTimeLabel_->setText(
        ReminderDisplayText(CurrentReminderDate(app_), CurrentReminderTime(app_)));
}

void RemindSetingForm::Unload() {
    if (!dialogGuard_)
        return;
    timer1_.stop();
    skin_->Unload();
    // The edits are in the list already; writing the file now keeps them through a crash or a
    // power cut before the program's own end.
    SaveReminders(app_);
    dialogGuard_.reset();
}

void RemindSetingForm::closeEvent(QCloseEvent* event) {
    Unload();
    QDialog::closeEvent(event);
}

void RemindSetingForm::done(int result) {
    Unload();
    QDialog::done(result);
}

} // namespace lexarion
