#pragma once

// A speech engine that says nothing and records what it was asked to do, in order.

#include "platform/speechengine.h"

#include <QStringList>

namespace lexarion::testing {

class RecordingSpeech : public SpeechEngine {
public:
    QStringList calls;
    bool speaking = false;
    int mode = 0;
    int speed = 0;

    void Speak(const QString& text) override {
        calls << QStringLiteral("Speak ") + text;
        speaking = true;
    }
    void Stop() override {
        calls << QStringLiteral("Stop");
        speaking = false;
    }
    bool IsSpeaking() const override { return speaking; }
    void SetSpeed(int wordsPerMinute) override { speed = wordsPerMinute; }
    void SetMode(int newMode) override { mode = newMode; }
    int ModeCount() const override { return 2; }
    QString ModeName(int number) const override {
        return number == 1   ? QStringLiteral("first")
               : number == 2 ? QStringLiteral("second")
                             : QString();
    }
};

} // namespace lexarion::testing
