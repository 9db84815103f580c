#include "ui/multimedia.h"

#include "ui/audioengine.h"
#include "ui/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <utility>

// The multimedia devices and the free functions of the sound path; the
// engine that plays for them is in ui/audioengine.h.

namespace ui {

using namespace audio;

namespace {

int lastDeviceId = 0;
quint64 lastTicket = 0;

// Files found unplayable in this run, by path, size and time of change: a
// later Open of the same file fails at once instead of trying it again.
QSet<QString> &unplayableFiles() {
    static QSet<QString> files;
    return files;
}
QString fileKey(const QFileInfo &f) {
    return f.absoluteFilePath() + QLatin1Char('\n') + QString::number(f.size()) + QLatin1Char('\n') +
           QString::number(f.lastModified().toMSecsSinceEpoch());
}

// Whether the file starts as a file of its kind does. FluidSynth reads a MIDI
// file only when it starts playing, and then ends at once as if the piece were
// over, so a file that is no MIDI file at all is turned away here.
bool looksPlayable(const QString &path, Kind kind) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    if (kind == Kind::Music) return head.startsWith("MThd");
    return head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

} // namespace

MultimediaDevice::MultimediaDevice(const QString &objectName, const QString &fileName, QObject *parent)
    : QObject(parent), fileName_(fileName), id_(++lastDeviceId) {
    setObjectName(objectName);
    AudioEngine::instance().add(this);
}

MultimediaDevice::~MultimediaDevice() {
    if (mode_ != NotOpen) AudioEngine::instance().close(id_);
    AudioEngine::instance().remove(this);
}

void MultimediaDevice::setCommand(const QString &cmd) {
    platform().soundCommand(objectName(), cmd);
    lastCommand_ = cmd;
    history_ << cmd;
    if (cmd == QLatin1String("Open"))
        open();
    else if (cmd == QLatin1String("Close"))
        close(Aborted);
    else if (cmd == QLatin1String("Prev"))
        prev();
    else if (cmd == QLatin1String("Play"))
        play();
    else
        error_ = UnknownCommand;
}

void MultimediaDevice::open() {
    if (mode_ != NotOpen) close(Aborted);
    const auto fail = [this](int code) {
        error_ = code;
        mode_ = NotOpen;
    };
    AudioEngine &engine = AudioEngine::instance();
    if (!audioEnabled || !engine.usable()) return fail(NoSoundDevice);
    const QFileInfo file(QDir::current(), fileName_);
    if (!file.isFile()) return fail(FileNotFound);
    const QString suffix = file.suffix().toLower();
    Kind kind;
    if (suffix == QLatin1String("wav"))
        kind = Kind::Wave;
    else if (suffix == QLatin1String("mid") || suffix == QLatin1String("midi"))
        kind = Kind::Music;
    else
        return fail(UnplayableFile);
    if (!looksPlayable(file.absoluteFilePath(), kind)) return fail(UnplayableFile);
    const QString key = fileKey(file);
    if (unplayableFiles().contains(key)) return fail(UnplayableFile);
    fileKey_ = key;
    openTicket_ = ++lastTicket;
    engine.open(id_, kind, file.absoluteFilePath(), openTicket_);
    mode_ = Stopped;
    error_ = NoError;
}

void MultimediaDevice::close(int code) {
    if (mode_ == Playing) postDone(code);
    if (mode_ != NotOpen) AudioEngine::instance().close(id_);
    mode_ = NotOpen;
    openTicket_ = playTicket_ = 0;
    error_ = NoError;
}

void MultimediaDevice::prev() {
    if (mode_ == NotOpen) {
        error_ = DeviceNotOpen;
        return;
    }
    if (mode_ == Playing) {
        postDone(Aborted);
        AudioEngine::instance().stop(id_);
        mode_ = Stopped;
        playTicket_ = 0;
    }
    error_ = NoError;
}

void MultimediaDevice::play() {
    if (mode_ == NotOpen) {
        error_ = DeviceNotOpen;
        return;
    }
    error_ = NoError;
    if (mode_ == Playing) {
        // The sound goes on; its end answers this Play instead of the earlier one.
        postDone(Superseded);
        return;
    }
    playTicket_ = ++lastTicket;
    AudioEngine::instance().play(id_, playTicket_);
    mode_ = Playing;
}

void MultimediaDevice::postDone(int code) {
    QMetaObject::invokeMethod(
        this, [this, code] { emit Done(code); }, Qt::QueuedConnection);
}

void MultimediaDevice::report(int what, quint64 ticket, int errorCode) {
    if (what == OpenFailed) {
        if (mode_ == NotOpen || ticket != openTicket_) return;
        if (errorCode == UnplayableFile) unplayableFiles().insert(fileKey_);
        const bool wasPlaying = mode_ == Playing;
        mode_ = NotOpen;
        error_ = errorCode;
        openTicket_ = playTicket_ = 0;
        if (wasPlaying) emit Done(Failure);
        return;
    }
    if (mode_ != Playing || ticket != playTicket_)
        return; // the end of a play that was stopped or replaced meanwhile
    if (what == Unplayable) {
        // Silent from now on, as with a missing file; never retried in a loop.
        unplayableFiles().insert(fileKey_);
        AudioEngine::instance().close(id_);
        mode_ = NotOpen;
        error_ = UnplayableFile;
        openTicket_ = playTicket_ = 0;
        emit Done(Failure);
        return;
    }
    mode_ = Stopped;
    playTicket_ = 0;
    emit Done(what == Finished ? Successful : Aborted);
}

void MultimediaDevice::forget() {
    mode_ = NotOpen;
    openTicket_ = playTicket_ = 0;
}

void setAudioEnabled(bool on) {
    audioEnabled = on;
}

bool shutdownAudio() {
    return AudioEngine::instance().shutdown();
}

void setSoundThreadHold(std::function<void()> hold) {
    AudioEngine::instance().setHold(std::move(hold));
}

void setAudioEndWait(std::chrono::milliseconds wait) {
    audioEndWait = wait;
}

bool openSamples() {
    return AudioEngine::instance().openSamples();
}

void playSamples(std::shared_ptr<const std::vector<std::int16_t>> samples, int rate) {
    if (samples) AudioEngine::instance().playSamples(std::move(samples), rate);
}

void stopSamples() {
    AudioEngine::instance().stopSamples();
}

} // namespace ui
