#pragma once

#include <QObject>
#include <QTimer>

namespace ui {

// A timer with an interval in milliseconds and an enable switch; it fires its
// tick signal with Qt's precise timer.
class Timer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  public:
    Timer(QObject *parent, const QString &name, int interval, bool enabled);
    int interval() const { return interval_; }
    // A new interval restarts a running timer; 0 stops it.
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    // Tests run the ticks themselves: with this on, no timer fires by itself
    // (interval and enable switch keep their values).
    static void setDrivenByHand(bool byHand);

  signals:
    void tick();

  private:
    void restart();
    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace ui
