#include "skin/autorepeat.h"

namespace lexarion {

AutoRepeat::AutoRepeat(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AutoRepeat::Tick);
}

void AutoRepeat::Start(int direction) {
    direction_ = direction;
    timer_.start(AutoRepeatFirstDelayMs);
}

void AutoRepeat::Stop() {
    timer_.stop();
}

void AutoRepeat::Tick() {
    timer_.setInterval(AutoRepeatIntervalMs);
    emit Step(direction_);
}

} // namespace lexarion
