#pragma once

// Hueforge's dialogs replaced by a recorder: every dialog shown is noted by name, and the
// user's answers are given beforehand.

#include "skineditor/skinformlogic.h"

#include <QStringList>
#include <deque>

namespace lexarion::testing {

class RecordingDialogs : public SkinEditorDialogs {
public:
    QStringList shown;
    // Answers, used in order; an empty queue answers Cancel / cancels the chooser.
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<QString>> openChoices;
    std::deque<std::optional<QString>> saveChoices;
    std::deque<std::optional<qint32>> colors;
    std::deque<std::optional<TitleFont>> fonts;
    QString aboutText;
    QString failedFile;
    qint32 colorOffered = -1;
    TitleFont fontOffered;

    SaveAnswer AskSaveChanges() override {
        shown << "question";
        if (answers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> ChooseFileToOpen() override {
        shown << "open";
        return Next(openChoices);
    }
    std::optional<QString> ChooseFileToSave() override {
        shown << "save";
        return Next(saveChoices);
    }
    std::optional<qint32> ChooseColor(qint32 initial) override {
        shown << "color";
        colorOffered = initial;
        return Next(colors);
    }
    std::optional<TitleFont> ChooseFont(const TitleFont& initial) override {
        shown << "font";
        fontOffered = initial;
        return Next(fonts);
    }
    void ShowAbout(const QString& text) override {
        shown << "about";
        aboutText = text;
    }
    void ShowSaveFailed(const QString& file) override {
        shown << "failed";
        failedFile = file;
    }

private:
    template <typename T> static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        std::optional<T> value;
        if (!queue.empty()) {
            value.swap(queue.front());
            queue.pop_front();
        }
        return value;
    }
};

} // namespace lexarion::testing
