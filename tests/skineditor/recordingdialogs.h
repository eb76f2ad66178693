#pragma once

// Hueforge's dialogs replaced by a recorder: every dialog shown is noted by name, and the
// user's answers are given beforehand.

#include "skineditor/skineditor.h"

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
        return Next(answers, SaveAnswer::Cancel);
    }
    std::optional<QString> ChooseFileToOpen() override {
        shown << "open";
        return Next(openChoices, std::optional<QString>());
    }
    std::optional<QString> ChooseFileToSave() override {
        shown << "save";
        return Next(saveChoices, std::optional<QString>());
    }
    std::optional<qint32> ChooseColor(qint32 initial) override {
        shown << "color";
        colorOffered = initial;
        return Next(colors, std::optional<qint32>());
    }
    std::optional<TitleFont> ChooseFont(const TitleFont& initial) override {
        shown << "font";
        fontOffered = initial;
        return Next(fonts, std::optional<TitleFont>());
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
    template <typename T> static T Next(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace lexarion::testing
