#include "ui/timer.h"

#include <algorithm>

namespace ui {

Timer::Timer(QObject *parent, const QString &name, int interval, bool enabled)
    : QObject(parent), interval_(interval), enabled_(enabled) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
    restart();
}

namespace {
bool timersByHand = false;
}

void Timer::setDrivenByHand(bool byHand) {
    timersByHand = byHand;
}

void Timer::restart() {
    if (enabled_ && interval_ > 0 && !timersByHand)
        timer_.start(interval_);
    else
        timer_.stop();
}

void Timer::setInterval(int ms) {
    interval_ = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool e) {
    // Enabling a timer that runs already leaves its rhythm alone.
    if (e == enabled_) return;
    enabled_ = e;
    restart();
}

} // namespace ui
