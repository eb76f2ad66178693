#pragma once

// The auto-repeat of a held arrow button: the first step is taken at once by the control, the
// next after 500 ms, then one every 100 ms until the button is released.

#include <QObject>
#include <QTimer>

namespace lexarion {

inline constexpr int AutoRepeatFirstDelayMs = 500;
inline constexpr int AutoRepeatIntervalMs = 100;

class AutoRepeat : public QObject {
    Q_OBJECT
public:
    explicit AutoRepeat(QObject* parent = nullptr);

    // Starts the repeat in `direction` (-1 or +1); the next Step follows after the first delay.
    void Start(int direction);
    void Stop();
    bool IsActive() const { return timer_.isActive(); }
    int Direction() const { return direction_; }
    // The delay before the next step.
    int Interval() const { return timer_.interval(); }
    // One tick of the timer: a Step, and the interval becomes the repeat interval.
    void Tick();

signals:
    void Step(int direction);

private:
    QTimer timer_;
    int direction_ = 0;
};

} // namespace lexarion
