#include "ui/multimedia.h"

#include "ui/platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <cstdio>
#include <deque>
#include <dlfcn.h>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace ui {

namespace {

Q_LOGGING_CATEGORY(lcSound, "lessicorsa.sound", QtInfoMsg)

// What the sound thread tells a device about one of its plays or opens.
// Unplayable: the play failed, or ended before it had sounded (a damaged
// file the library took), and the file is not to be tried again.
enum Report { Finished, Cut, Unplayable, OpenFailed };
enum class Kind { Wave, Music };

// Who is sounding on a mixer channel or as the music: a device and its play ticket.
struct Owner {
    int device = 0;
    quint64 ticket = 0;
    quint64 startMix = 0; // the mixer's buffer count when the play began
};

// A piece of music that ends within this many mixer buffers of its start
// (about 50 ms) has not sounded at all: a real piece lasts seconds, and the
// synthesiser's tail alone lasts two.
constexpr quint64 musicAtOnceBuffers = 2;
// Waveforms longer than this are loaded for each play (see letGoIfLong).
constexpr Uint32 longWaveBytes = 256 * 1024;

bool audioEnabled = true;
std::chrono::milliseconds audioEndWait{1000};
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

// ALSA writes a screenful of errors to the terminal when there is no sound
// card (each name of its configuration it fails to find); the game says it in
// one line instead. SDL loads the library itself, so its error handler is
// reached the same way, and kept quiet only while the device is opened.
class QuietAlsa {
  public:
    QuietAlsa() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        if (!driver.isEmpty() && driver != "alsa") return;
        library_ = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (library_)
            setHandler_ = reinterpret_cast<SetHandler>(dlsym(library_, "snd_lib_error_set_handler"));
        if (setHandler_) setHandler_(&quiet);
    }
    ~QuietAlsa() {
        if (setHandler_) setHandler_(nullptr); // ALSA's own again
        if (library_) dlclose(library_);
    }
    QuietAlsa(const QuietAlsa &) = delete;
    QuietAlsa &operator=(const QuietAlsa &) = delete;

  private:
    using Handler = void (*)(const char *, int, const char *, int, const char *, ...);
    using SetHandler = int (*)(Handler);
    static void quiet(const char *, int, const char *, int, const char *, ...) {}
    void *library_ = nullptr;
    SetHandler setHandler_ = nullptr;
};

void sayNoSound(const char *why) {
    const QString line = QCoreApplication::translate(
                             "ui::MultimediaDevice",
                             "nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.")
                             .arg(QString::fromUtf8(why));
    std::fprintf(stderr, "lessicorsa: %s\n", line.toLocal8Bit().constData());
}

} // namespace

// The one owner of SDL audio in the process.
//
// Every SDL_mixer call runs on the engine's own thread, one job at a time in
// the order the devices' commands were given, so that opening the audio
// device and loading the MIDI SoundFont (together a tenth of a second or more)
// never hold up the window. Nothing is opened or loaded before it is needed:
// an Open only notes the file; the first Play opens the audio device, and
// each sound is loaded at its first Play (the music, with the SoundFont, only
// when music is played). A game without sound never opens the audio device,
// whose mixing thread would otherwise wake the process forty times a second.
// SDL tells of a finished sound on its
// audio thread; the engine passes that on, like its own failures, as a queued
// call to the GUI thread, where the device compares the play ticket with the
// one it is waiting for, so the end of a superseded play is never taken for
// the end of the current one.
class AudioEngine {
  public:
    enum class Audio { Unknown, Ready, Failed, Shut };

    static AudioEngine &instance() {
        // Never destroyed: SDL may still call back while static objects are torn down.
        static AudioEngine *engine = new AudioEngine;
        return *engine;
    }

    // --- GUI thread ---------------------------------------------------------------------
    void add(MultimediaDevice *d) { devices_.insert(d->id_, d); }
    void remove(MultimediaDevice *d) { devices_.remove(d->id_); }
    // False once the audio is known to be missing, or closed for good.
    bool usable() const {
        const Audio a = audio_.load();
        return a == Audio::Unknown || a == Audio::Ready;
    }

    void open(int id, Kind kind, const QString &path, quint64 ticket) {
        startWorker();
        post([this, id, kind, file = QFile::encodeName(path), ticket] { remember(id, kind, file, ticket); });
    }
    void play(int id, quint64 ticket) {
        post([this, id, ticket] { playSound(id, ticket); });
    }
    void stop(int id) {
        post([this, id] { silence(id); });
    }
    void close(int id) {
        post([this, id] { release(id); });
    }

    // Sounds made in memory (see openSamples).
    bool openSamples() {
        if (!audioEnabled || !usable()) return false;
        startWorker();
        samplesOpen_ = worker_.joinable();
        return samplesOpen_;
    }
    void playSamples(std::shared_ptr<const std::vector<std::int16_t>> samples, int rate) {
        if (samplesOpen_) post([this, samples = std::move(samples), rate] { playMemory(*samples, rate); });
    }
    void stopSamples() {
        if (samplesOpen_) post([this] { stopMemory(); });
    }

    // The sound thread finishes its jobs and closes the library; if it has
    // not ended within audioEndWait it is stuck there and left behind (the
    // program is ending: nothing waits for it any more).
    bool shutdown() {
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

    void setHold(std::function<void()> hold) {
        std::lock_guard lock(jobsMutex_);
        hold_ = std::move(hold);
    }

  private:
    void startWorker() {
        if (worker_.joinable() || audio_ == Audio::Shut) return;
        receiver_ = new QObject; // lives in this (the GUI) thread; kept to the end
        qAddPostRoutine([] { shutdownAudio(); });
        worker_ = std::thread([this] { run(); });
        holdUntilFirstPaint();
    }

    // The audio device and the sounds are opened only once the first window
    // has been painted, so that they never compete with it for the processor.
    // Without a window to wait for, the jobs start a second later.
    void holdUntilFirstPaint() {
        class Gate : public QObject {
          public:
            explicit Gate(AudioEngine *e) : engine_(e) {
                qApp->installEventFilter(this);
                QTimer::singleShot(1000, this, [this] { open(); });
            }
            bool eventFilter(QObject *o, QEvent *e) override {
                if (e->type() == QEvent::Paint && o->isWidgetType()) {
                    qApp->removeEventFilter(this);
                    QTimer::singleShot(0, this, [this] { open(); }); // after the painted frame is shown
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

    void release() {
        {
            std::lock_guard lock(jobsMutex_);
            if (released_) return;
            released_ = true;
        }
        jobsReady_.notify_one();
    }

    void post(std::function<void()> job) {
        if (!worker_.joinable()) return;
        {
            std::lock_guard lock(jobsMutex_);
            jobs_.push_back(std::move(job));
        }
        jobsReady_.notify_one();
    }

    // Called from the sound threads: hands a report to the device on the GUI thread.
    void report(int device, Report what, quint64 ticket, int errorCode = 0) {
        QMetaObject::invokeMethod(
            receiver_,
            [this, device, what, ticket, errorCode] {
                if (MultimediaDevice *d = devices_.value(device)) d->report(what, ticket, errorCode);
            },
            Qt::QueuedConnection);
    }

    // --- the engine's thread ---------------------------------------------------------------
    void run() {
        for (;;) {
            std::function<void()> job, hold;
            {
                std::unique_lock lock(jobsMutex_);
                jobsReady_.wait(lock, [this] { return stopping_ || (released_ && !jobs_.empty()); });
                if (stopping_ && (!released_ || jobs_.empty())) break;
                job = std::move(jobs_.front());
                jobs_.pop_front();
                hold = hold_;
            }
            if (hold) hold();
            job();
        }
        closeAudio();
        // SDL keeps its error text per thread and frees it by itself only for
        // threads it started.
        SDL_TLSCleanup();
        {
            std::lock_guard lock(jobsMutex_);
            ended_ = true;
        }
        workerEnded_.notify_all();
    }

    bool openAudio() {
        if (audio_ != Audio::Unknown) return audio_ == Audio::Ready;
        // Without this hint SDL installs its own SIGINT/SIGTERM handlers and the
        // program no longer ends on Ctrl+C or a plain kill.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        QuietAlsa quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            sayNoSound(SDL_GetError());
            audio_ = Audio::Failed;
            return false;
        }
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
            sayNoSound(Mix_GetError());
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            audio_ = Audio::Failed;
            return false;
        }
        Mix_ChannelFinished(&channelFinished);
        Mix_HookMusicFinished(&musicFinished);
        Mix_SetPostMix(&mixed, nullptr);
        audio_ = Audio::Ready;
        return true;
    }

    void closeAudio() {
        if (audio_ != Audio::Ready) return;
        {
            std::lock_guard lock(ownersMutex_);
            channelOwners_.assign(channelOwners_.size(), Owner{});
            musicOwner_ = {};
        }
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (auto &[id, sound] : sounds_)
            freeSound(sound);
        sounds_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    struct Sound {
        Kind kind = Kind::Wave;
        QByteArray file;
        quint64 openTicket = 0;
        Mix_Chunk *chunk = nullptr;
        Mix_Music *music = nullptr;
        int channel = -1; // a waveform's own mixer channel
    };

    // An Open: the file is noted, and loaded at its first Play.
    void remember(int id, Kind kind, const QByteArray &file, quint64 ticket) {
        release(id);
        Sound s;
        s.kind = kind;
        s.file = file;
        s.openTicket = ticket;
        sounds_[id] = s;
    }

    // Loads the sound's file (for music also the SoundFont); false, reported
    // and forgotten when it cannot be loaded.
    bool loadSound(int id, Sound &s) {
        if (s.kind == Kind::Music) {
            s.music = Mix_LoadMUS(s.file.constData()); // also fails when there is no SoundFont
        } else {
            s.chunk = Mix_LoadWAV(s.file.constData());
            if (s.chunk && s.chunk->alen == 0) { // a header without samples: it would end at once
                Mix_FreeChunk(s.chunk);
                s.chunk = nullptr;
            }
        }
        if (!s.chunk && !s.music) {
            qCInfo(lcSound) << "cannot play" << s.file << Mix_GetError();
            report(id, OpenFailed, s.openTicket, MultimediaDevice::UnplayableFile);
            sounds_.erase(id);
            return false;
        }
        if (s.chunk && s.channel < 0) s.channel = takeChannel();
        return true;
    }

    // A long waveform (the fanfare: half a megabyte of samples) is let go
    // once it has sounded, and loaded again at its next Play; the short
    // effects of a game stay loaded.
    void letGoIfLong(int id) {
        const auto it = sounds_.find(id);
        if (it == sounds_.end() || !it->second.chunk || it->second.chunk->alen <= longWaveBytes) return;
        if (Mix_Playing(it->second.channel)) return;
        Mix_FreeChunk(it->second.chunk);
        it->second.chunk = nullptr; // its channel stays its own
    }

    // Without an audio device every open device falls silent.
    void silenceAll() {
        for (const auto &[id, sound] : sounds_)
            report(id, OpenFailed, sound.openTicket, MultimediaDevice::NoSoundDevice);
        sounds_.clear();
    }

    // Each waveform gets a channel of its own, so effects sound together and a
    // replay of one cuts only itself.
    int takeChannel() {
        if (freeChannels_.empty()) {
            const int had = int(channelOwners_.size());
            const int now = had + 16;
            Mix_AllocateChannels(now);
            {
                std::lock_guard lock(ownersMutex_);
                channelOwners_.resize(now);
            }
            for (int c = now - 1; c >= had; --c)
                freeChannels_.push_back(c);
        }
        const int c = freeChannels_.back();
        freeChannels_.pop_back();
        return c;
    }

    void playSound(int id, quint64 ticket) {
        auto it = sounds_.find(id);
        if (it == sounds_.end()) return; // its Open failed, and that has been reported
        if (!openAudio()) return silenceAll();
        Sound &s = it->second;
        if (!s.chunk && !s.music && !loadSound(id, s)) return;
        const quint64 now = mixCount_.load();
        if (s.chunk) {
            silence(id);
            setOwner(channelOwners_[s.channel], {id, ticket, now});
            if (Mix_PlayChannel(s.channel, s.chunk, 0) < 0) {
                setOwner(channelOwners_[s.channel], {});
                report(id, Unplayable, ticket);
            }
            return;
        }
        // One music at a time: a music device that was playing is cut short.
        Owner before;
        {
            std::lock_guard lock(ownersMutex_);
            before = std::exchange(musicOwner_, Owner{});
        }
        Mix_HaltMusic();
        if (before.device && before.device != id) report(before.device, Cut, before.ticket);
        setOwner(musicOwner_, {id, ticket, now});
        if (Mix_PlayMusic(s.music, 0) != 0) {
            setOwner(musicOwner_, {});
            report(id, Unplayable, ticket);
        }
    }

    void setOwner(Owner &slot, Owner o) {
        std::lock_guard lock(ownersMutex_);
        slot = o;
    }

    // Stops the device's sound without a report: the device has already moved on.
    void silence(int id) {
        const auto it = sounds_.find(id);
        if (it == sounds_.end()) return;
        if (it->second.chunk) {
            setOwner(channelOwners_[it->second.channel], {});
            Mix_HaltChannel(it->second.channel);
            return;
        }
        bool mine;
        {
            std::lock_guard lock(ownersMutex_);
            mine = musicOwner_.device == id;
            if (mine) musicOwner_ = {};
        }
        if (mine) Mix_HaltMusic();
    }

    void release(int id) {
        const auto it = sounds_.find(id);
        if (it == sounds_.end()) return;
        silence(id);
        freeSound(it->second);
        sounds_.erase(it);
    }

    void freeSound(Sound &s) {
        if (s.chunk) Mix_FreeChunk(s.chunk);
        if (s.channel >= 0) freeChannels_.push_back(s.channel);
        s.chunk = nullptr;
        if (s.music) Mix_FreeMusic(s.music);
        s = {};
    }

    // Converts the samples to the mixer's format and plays them on the
    // channel kept for them, in place of the ones sounding there.
    void playMemory(const std::vector<std::int16_t> &samples, int rate) {
        if (samples.empty() || !openAudio()) return;
        stopMemory();
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        SDL_AudioCVT cvt;
        if (!Mix_QuerySpec(&frequency, &format, &channels) ||
            SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, rate, format, Uint8(channels), frequency) < 0)
            return;
        cvt.len = int(samples.size() * sizeof(std::int16_t));
        cvt.buf = static_cast<Uint8 *>(SDL_malloc(size_t(cvt.len) * size_t(cvt.len_mult)));
        if (!cvt.buf) return;
        std::memcpy(cvt.buf, samples.data(), size_t(cvt.len));
        Mix_Chunk *chunk =
            SDL_ConvertAudio(&cvt) == 0 ? Mix_QuickLoad_RAW(cvt.buf, Uint32(cvt.len_cvt)) : nullptr;
        if (!chunk) {
            SDL_free(cvt.buf);
            return;
        }
        chunk->allocated = 1; // freeing the chunk frees the samples
        if (memoryChannel_ < 0) memoryChannel_ = takeChannel();
        memoryChunk_ = chunk;
        Mix_PlayChannel(memoryChannel_, chunk, 0);
    }

    void stopMemory() {
        if (memoryChannel_ >= 0) Mix_HaltChannel(memoryChannel_);
        if (memoryChunk_) Mix_FreeChunk(memoryChunk_);
        memoryChunk_ = nullptr;
    }

    // --- SDL's audio thread (also the engine's thread, inside Mix_Halt*) -----------------------
    static void channelFinished(int channel) {
        AudioEngine &e = instance();
        Owner o;
        {
            std::lock_guard lock(e.ownersMutex_);
            if (channel >= 0 && channel < int(e.channelOwners_.size()))
                o = std::exchange(e.channelOwners_[channel], Owner{});
        }
        if (o.device) {
            e.report(o.device, Finished, o.ticket);
            {
                std::lock_guard lock(e.jobsMutex_);
                e.jobs_.push_back([&e, id = o.device] { e.letGoIfLong(id); });
            }
            e.jobsReady_.notify_one();
        }
    }

    // For MIDI this comes when the synthesiser's last notes have died away,
    // two or three seconds after the last note of the piece. A damaged MIDI
    // file that the library took ends here at once; reported as a normal end
    // it would be reopened and played again without pause.
    static void musicFinished() {
        AudioEngine &e = instance();
        Owner o;
        {
            std::lock_guard lock(e.ownersMutex_);
            o = std::exchange(e.musicOwner_, Owner{});
        }
        if (!o.device) return;
        const bool atOnce = e.mixCount_.load() - o.startMix <= musicAtOnceBuffers;
        e.report(o.device, atOnce ? Unplayable : Finished, o.ticket);
    }

    // After each buffer the mixer fills: the count measures how long a play has sounded.
    static void mixed(void *, Uint8 *, int) { ++instance().mixCount_; }

    std::atomic<Audio> audio_{Audio::Unknown};
    QHash<int, MultimediaDevice *> devices_; // GUI thread only
    QObject *receiver_ = nullptr;

    std::thread worker_;
    std::mutex jobsMutex_;
    std::condition_variable jobsReady_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    bool released_ = false; // the first paint has been made
    bool ended_ = false;    // the thread has left its loop and closed the library
    std::condition_variable workerEnded_;
    std::function<void()> hold_; // tests only

    std::unordered_map<int, Sound> sounds_; // the engine's thread only
    int memoryChannel_ = -1;                // the sounds made in memory: their channel and the one playing
    Mix_Chunk *memoryChunk_ = nullptr;
    std::atomic<bool> samplesOpen_{false};
    std::vector<int> freeChannels_;
    std::atomic<quint64> mixCount_{0};

    // Shared with SDL's audio thread. Never held while calling into SDL_mixer,
    // which takes its own audio lock before calling back.
    std::mutex ownersMutex_;
    std::vector<Owner> channelOwners_;
    Owner musicOwner_;
};

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
