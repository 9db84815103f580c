#pragma once
// A multimedia device: one sound file played on command, as the main window's
// hidden sound controls do (background music, victory, right, wrong).
//
// The device is driven by text commands written to Command: "Open" finds the
// file (a bare name, looked up in the current folder at that moment; ".mid"
// is MIDI music, ".wav" a waveform effect), "Close" stops and releases it,
// "Prev" stops and rewinds, "Play" plays from the start (a Play while the
// sound is still going lets it go on; "Prev" before it restarts it). Mode is
// 526 while a play is under way (for music also while the synthesiser's notes
// die away), 525 when open and stopped, 524 when not open. The end of a play is reported
// with Done(1), always later, from the event loop; a play cut short by Prev or
// Close reports 4, one taken over by another Play reports 2, one that could
// not sound reports 8. Done is sent whatever Notify says: the game switches
// Notify off for its music and still relies on the music's end being reported.
//
// Nothing here throws, blocks or shows a message. A missing or unplayable
// file, or a machine without a sound device, leaves the device silent: Open
// fails (Error set, Mode 524) and every later Prev or Play fails quietly.
// The sound library works on a thread of its own and is opened at the first
// Play, each file loaded at its own first Play, so an Open costs the window
// nothing; a failure found then (no sound device, a file it cannot read, a
// play that ends before it has sounded) turns the device silent a moment
// later and ends the play with Done(8). A file found unplayable is not tried
// again in this run: its later Opens fail at once.

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class AudioEngine;

class MultimediaDevice : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString Command READ lastCommand WRITE setCommand)
    Q_PROPERTY(int Mode READ mode)
    Q_PROPERTY(bool Notify READ notify WRITE setNotify)
    Q_PROPERTY(int Error READ error)

  public:
    enum ModeValue { NotOpen = 524, Stopped = 525, Playing = 526 };
    enum NotifyCode { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };
    // Values of Error; the game itself never reads them.
    enum ErrorCode {
        NoError = 0,
        UnknownCommand = 261,
        NoSoundDevice = 262,
        FileNotFound = 275,
        DeviceNotOpen = 276,
        UnplayableFile = 296,
    };

    MultimediaDevice(const QString &objectName, const QString &fileName, QObject *parent);
    ~MultimediaDevice() override;

    QString fileName() const { return fileName_; }
    // Takes effect at the next Open.
    void setFileName(const QString &name) { fileName_ = name; }
    QString lastCommand() const { return lastCommand_; }
    void setCommand(const QString &cmd);
    int mode() const { return mode_; }
    bool notify() const { return notify_; }
    void setNotify(bool on) { notify_ = on; }
    int error() const { return error_; }
    // Every command sent, in order.
    QStringList history() const { return history_; }

  signals:
    void Done(int notifyCode);

  private:
    friend class AudioEngine;
    void open();
    void close(int code);
    void prev();
    void play();
    // Sends Done(code) from the event loop, never from inside a command.
    void postDone(int code);
    // A report from the sound thread about the play or the open with this ticket.
    void report(int what, quint64 ticket, int errorCode);
    // The sound library has been closed: the device is silent from now on.
    void forget();

    QString fileName_;
    QString lastCommand_;
    QStringList history_;
    int mode_ = NotOpen;
    bool notify_ = false;
    int error_ = NoError;
    const int id_;
    quint64 openTicket_ = 0;
    quint64 playTicket_ = 0;
    QString fileKey_; // the opened file, as the list of unplayable files knows it
};

// Off: every Open fails quietly, so the whole game stays silent. On by default.
void setAudioEnabled(bool on);
// Stops every sound and closes the sound library (at program end). Devices
// left open become silent; later Opens fail. The sound thread is waited for a
// second at most: one stuck inside the sound library (its start can wait for
// ever on a helper process) is left behind, so that the program still ends,
// and the result is false.
bool shutdownAudio();

// For tests: `hold` runs on the sound thread before each job it takes up (it
// stands for a call into the sound library that does not return), and the
// end of audio waits `wait` for the sound thread instead of a second.
void setSoundThreadHold(std::function<void()> hold);
void setAudioEndWait(std::chrono::milliseconds wait);

// Sounds made in memory, such as a spoken word: 16-bit mono samples at
// `rate` Hz, played through the same mixer as the devices, on a channel of
// their own, so they sound together with the music and the effects. A new
// one cuts the one still sounding. Silent where the devices are.
//
// openSamples() readies the sound thread for them (GUI thread; false when
// sound is off or closed for good); then playSamples() and stopSamples() may
// be called from any thread, until shutdownAudio().
bool openSamples();
void playSamples(std::shared_ptr<const std::vector<std::int16_t>> samples, int rate);
void stopSamples();

} // namespace ui
