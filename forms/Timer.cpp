#include "forms/Timer.h"

namespace forms {

Timer::Timer(QObject* parent, std::string name, int interval, bool enabled)
    : QObject(parent), name_(std::move(name)), interval_(interval), enabled_(enabled) {
  connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
  Sync();
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  Sync();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Sync();
}

void Timer::Fire() {
  if (onTimer) onTimer();
}

void Timer::Sync() {
  timer_.stop();
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
    ++starts_;
  }
}

}  // namespace forms
