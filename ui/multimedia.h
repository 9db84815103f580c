#pragma once
// PLACEHOLDER (silent device) until the SDL2_mixer device replaces this file.
#include <QObject>
#include <QStringList>
namespace ui {
class MultimediaDevice : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Mode READ mode)
  public:
    MultimediaDevice(const QString &name, const QString &file, QObject *parent);
    void setCommand(const QString &c) { history_ << c; }
    QStringList history() const { return history_; }
    int mode() const { return 524; }
    void setNotify(bool) {}
  signals:
    void Done(int notifyCode);

  private:
    QString file_;
    QStringList history_;
};
inline void setAudioEnabled(bool) {}
inline void shutdownAudio() {}
} // namespace ui
