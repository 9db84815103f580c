#include "ui/audioengine.h"

#include "ui/multimedia.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

// The sound engine's side on the GUI thread: the devices' commands become
// jobs for the engine's thread, which starts when first needed and takes them
// up after the first paint; its reports come back here as queued calls.

namespace ui {

using namespace audio;

AudioEngine &AudioEngine::instance() {
    // Never destroyed: SDL may still call back while static objects are torn down.
    static AudioEngine *engine = new AudioEngine;
    return *engine;
}

void AudioEngine::add(MultimediaDevice *d) {
    devices_.insert(d->id_, d);
}

void AudioEngine::remove(MultimediaDevice *d) {
    devices_.remove(d->id_);
}

// False once the audio is known to be missing, or closed for good.
bool AudioEngine::usable() const {
    const Audio a = audio_.load();
    return a == Audio::Unknown || a == Audio::Ready;
}

void AudioEngine::open(int id, Kind kind, const QString &path, quint64 ticket) {
    startWorker();
    post([this, id, kind, file = QFile::encodeName(path), ticket] { remember(id, kind, file, ticket); });
}

void AudioEngine::play(int id, quint64 ticket) {
    post([this, id, ticket] { playSound(id, ticket); });
}

void AudioEngine::stop(int id) {
    post([this, id] { silence(id); });
}

void AudioEngine::close(int id) {
    post([this, id] { release(id); });
}

bool AudioEngine::openSamples() {
    if (!audioEnabled || !usable()) return false;
    startWorker();
    samplesOpen_ = worker_.joinable();
    return samplesOpen_;
}

void AudioEngine::playSamples(std::shared_ptr<const std::vector<std::int16_t>> samples, int rate) {
    if (samplesOpen_) post([this, samples = std::move(samples), rate] { playMemory(*samples, rate); });
}

void AudioEngine::stopSamples() {
    if (samplesOpen_) post([this] { stopMemory(); });
}

// The sound thread finishes its jobs and closes the library; if it has
// not ended within audioEndWait it is stuck there and left behind (the
// program is ending: nothing waits for it any more).
bool AudioEngine::shutdown() {
    bool ended = true;
    if (worker_.joinable()) {
        std::unique_lock lock(jobsMutex_);
        stopping_ = true;
        jobsReady_.notify_one();
        ended = workerEnded_.wait_for(lock, audioEndWait, [this] { return ended_; });
        if (!ended) jobs_.clear(); // should it come back after all, it runs nothing more
        lock.unlock();
        if (ended)
            worker_.join();
        else
            worker_.detach();
    }
    audio_ = Audio::Shut;
    for (MultimediaDevice *d : std::as_const(devices_))
        d->forget();
    return ended;
}

void AudioEngine::setHold(std::function<void()> hold) {
    std::lock_guard lock(jobsMutex_);
    hold_ = std::move(hold);
}

void AudioEngine::startWorker() {
    if (worker_.joinable() || audio_ == Audio::Shut) return;
    receiver_ = new QObject; // lives in this (the GUI) thread; kept to the end
    qAddPostRoutine([] { shutdownAudio(); });
    worker_ = std::thread([this] { run(); });
    holdUntilFirstPaint();
}

// The audio device and the sounds are opened only once the first window
// has been painted, so that they never compete with it for the processor.
// Without a window to wait for, the jobs start a second later.
void AudioEngine::holdUntilFirstPaint() {
    class Gate : public QObject {
      public:
        explicit Gate(AudioEngine *e) : engine_(e) {
            qApp->installEventFilter(this);
            QTimer::singleShot(1000, this, [this] { open(); });
        }
        bool eventFilter(QObject *o, QEvent *e) override {
            if (e->type() == QEvent::Paint && o->isWidgetType()) {
                qApp->removeEventFilter(this);
                QMetaObject::invokeMethod(
                    this, [this] { open(); }, Qt::QueuedConnection); // after the painted frame is shown
            }
            return false;
        }

      private:
        void open() {
            if (opened_) return;
            opened_ = true;
            engine_->release();
            deleteLater();
        }
        AudioEngine *engine_;
        bool opened_ = false;
    };
    if (QCoreApplication::instance())
        new Gate(this);
    else
        release();
}

void AudioEngine::release() {
    {
        std::lock_guard lock(jobsMutex_);
        if (released_) return;
        released_ = true;
    }
    jobsReady_.notify_one();
}

void AudioEngine::post(std::function<void()> job) {
    if (!worker_.joinable()) return;
    {
        std::lock_guard lock(jobsMutex_);
        jobs_.push_back(std::move(job));
    }
    jobsReady_.notify_one();
}

// Called from the sound threads: hands a report to the device on the GUI thread.
void AudioEngine::report(int device, Report what, quint64 ticket, int errorCode) {
    QMetaObject::invokeMethod(
        receiver_,
        [this, device, what, ticket, errorCode] {
            if (MultimediaDevice *d = devices_.value(device)) d->report(what, ticket, errorCode);
        },
        Qt::QueuedConnection);
}

} // namespace ui
