#pragma once

// The text-to-speech engine the program speaks through. Speaking runs on by itself after
// Speak() has returned; the beginning and the end of each utterance are reported, in that order,
// on the thread the engine was made on.

#include <QObject>
#include <QString>

namespace lexarion {

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SpeechEngine() override = default;

    // Starts speaking `text`; a missing engine does nothing and reports nothing.
    virtual void Speak(const QString& text) = 0;
    // Cuts off the current utterance. One that had begun reports its end.
    virtual void Stop() = 0;
    // True from Speak() until the utterance has ended or was stopped.
    virtual bool IsSpeaking() const = 0;
    // Words per minute.
    virtual void SetSpeed(int wordsPerMinute) = 0;
    // The voice, numbered from 1; an unknown number speaks with the first voice.
    virtual void SetMode(int mode) = 0;
    virtual int ModeCount() const = 0;
    // The name of voice `mode` (1 to ModeCount()), empty for another number.
    virtual QString ModeName(int mode) const = 0;

signals:
    void SpeakingStarted();
    void SpeakingFinished();
};

} // namespace lexarion
