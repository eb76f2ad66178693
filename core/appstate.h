#pragma once

// The process-wide state of one run of Lexarion, made explicit: created at start-up and passed
// to whatever needs it, so that a test can make a fresh one over a temporary program folder.

#include "core/linelist.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace lexarion {

enum class MessageIcon { Information, Warning, Error, Question };

// Shows the program's message boxes. The windows provide one that shows a real box; a test
// records what would have been shown.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon) = 0;
};

class SpeechEngine;

class AppState {
public:
    // `programFolder` is the folder that holds the executable and every file the program keeps.
    explicit AppState(QString programFolder);

    const QString& ProgramFolder() const { return programFolder_; }

    // The logged-in user's name as typed; it names users/<currentUser>/.
    QString currentUser;
    // True while the program shows a modal window or message box of its own; commands and
    // timers that would open another one test it and do nothing while it is set.
    bool dialogShowing = false;
    // The loaded word list and the position of the word shown last (0 before the first word;
    // every reader checks it against the list itself).
    LineList wordList;
    qint32 currentWordIndex = 0;
    // The full path of the file `wordList` was last loaded from, empty when the last load failed.
    // The new-word book is written back only when it really is the loaded list.
    QString loadedWordListPath;
    // The user's reminders.
    LineList reminderList;
    // The engine every window speaks through; it belongs to the hidden owner window and is
    // there while that window is (none before start-up has loaded it).
    SpeechEngine* speech = nullptr;

    // The current local date and time; replaceable so the plan and the reminders can be driven.
    QDateTime Now() const { return clock_ ? clock_() : QDateTime::currentDateTime(); }
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    void SetMessagePresenter(MessagePresenter* presenter) { presenter_ = presenter; }
    MessagePresenter* Presenter() const { return presenter_; }

private:
    QString programFolder_;
    std::function<QDateTime()> clock_;
    MessagePresenter* presenter_ = nullptr;
};

// Shows a message box of the program's own: `dialogShowing` is set while it is open and then
// put back to what it was, so the background timers stay quiet meanwhile.
void ShowProgramMessage(AppState& app, const QString& text, const QString& title, MessageIcon icon);

} // namespace lexarion
