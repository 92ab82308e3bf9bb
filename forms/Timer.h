// A window timer: it fires every Interval milliseconds while it is enabled.
// An Interval of 0 never fires, enabled or not. Enabling a disabled timer, or
// giving a running timer a new Interval, starts its period anew.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

namespace forms {

class Timer : public QObject {
 public:
  Timer(QObject* parent, std::string name, int interval, bool enabled);

  const std::string& Name() const { return name_; }
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Whether the period is counting, i.e. enabled with an Interval above 0.
  bool Running() const { return timer_.isActive(); }
  // How often the period has been started; a restart shows as a new start.
  int Starts() const { return starts_; }

  // Runs the handler as a tick would (tests use it instead of waiting).
  void Fire();

  std::function<void()> onTimer;

 private:
  void Sync();

  std::string name_;
  QTimer timer_;
  int interval_;
  bool enabled_;
  int starts_ = 0;
};

}  // namespace forms
