#include "ui/multimedia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace ui {

namespace {

Q_LOGGING_CATEGORY(lcSound, "lessicorsa.sound", QtInfoMsg)

// What the sound thread tells a device about one of its plays or opens.
enum Report { Finished, Cut, PlayFailed, OpenFailed };
enum class Kind { Wave, Music };

// Who is sounding on a mixer channel or as the music: a device and its play ticket.
struct Owner {
    int device = 0;
    quint64 ticket = 0;
};

bool audioEnabled = true;
int lastDeviceId = 0;
quint64 lastTicket = 0;

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

// The one owner of SDL audio in the process.
//
// Every SDL_mixer call runs on the engine's own thread, one job at a time in
// the order the devices' commands were given, so that opening the audio
// device and loading the MIDI SoundFont (together a tenth of a second or more)
// never hold up the window. SDL tells of a finished sound on its
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
        post([this, id, kind, file = QFile::encodeName(path), ticket] { load(id, kind, file, ticket); });
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

    void shutdown() {
        if (worker_.joinable()) {
            {
                std::lock_guard lock(jobsMutex_);
                stopping_ = true;
            }
            jobsReady_.notify_one();
            worker_.join();
        }
        audio_ = Audio::Shut;
        for (MultimediaDevice *d : std::as_const(devices_))
            d->forget();
    }

  private:
    void startWorker() {
        if (worker_.joinable() || audio_ == Audio::Shut) return;
        receiver_ = new QObject; // lives in this (the GUI) thread; kept to the end
        qAddPostRoutine(shutdownAudio);
        worker_ = std::thread([this] { run(); });
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
            std::function<void()> job;
            {
                std::unique_lock lock(jobsMutex_);
                jobsReady_.wait(lock, [this] { return stopping_ || !jobs_.empty() || !idleJobs_.empty(); });
                auto &queue = !jobs_.empty() ? jobs_ : idleJobs_;
                if (queue.empty() || (stopping_ && &queue == &idleJobs_)) break;
                job = std::move(queue.front());
                queue.pop_front();
            }
            job();
        }
        closeAudio();
        // SDL keeps its error text per thread and frees it by itself only for
        // threads it started.
        SDL_TLSCleanup();
    }

    bool openAudio() {
        if (audio_ != Audio::Unknown) return audio_ == Audio::Ready;
        // Without this hint SDL installs its own SIGINT/SIGTERM handlers and the
        // program no longer ends on Ctrl+C or a plain kill.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            qCInfo(lcSound) << "no sound:" << SDL_GetError();
            audio_ = Audio::Failed;
            return false;
        }
        if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
            qCInfo(lcSound) << "no sound:" << Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            audio_ = Audio::Failed;
            return false;
        }
        Mix_ChannelFinished(&channelFinished);
        Mix_HookMusicFinished(&musicFinished);
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
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        for (auto &[id, sound] : sounds_)
            freeSound(sound);
        sounds_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    struct Sound {
        Mix_Chunk *chunk = nullptr;
        Mix_Music *music = nullptr;
        int channel = -1; // a waveform's own mixer channel
    };

    void load(int id, Kind kind, const QByteArray &file, quint64 ticket) {
        if (!openAudio()) {
            report(id, OpenFailed, ticket, MultimediaDevice::NoSoundDevice);
            return;
        }
        release(id);
        if (kind == Kind::Music) {
            pendingMusic_[id] = {file, ticket};
            std::lock_guard lock(jobsMutex_);
            idleJobs_.push_back([this, id, ticket] { loadMusic(id, ticket); });
            return;
        }
        Sound s;
        s.chunk = Mix_LoadWAV(file.constData());
        if (!s.chunk) return cannotLoad(id, file, ticket);
        s.channel = takeChannel();
        sounds_[id] = s;
    }

    // Loading MIDI music means loading the SoundFont, a tenth of a second or
    // more. It waits until the engine has nothing else to do, or until the
    // music is played, so a sound asked for meanwhile (the start-up fanfare)
    // is not held up.
    void loadMusic(int id, quint64 ticket) {
        const auto it = pendingMusic_.find(id);
        if (it == pendingMusic_.end() || it->second.ticket != ticket) return; // closed meanwhile
        const QByteArray file = it->second.file;
        pendingMusic_.erase(it);
        Sound s;
        s.music = Mix_LoadMUS(file.constData()); // also fails when there is no SoundFont
        if (!s.music) return cannotLoad(id, file, ticket);
        sounds_[id] = s;
    }

    void cannotLoad(int id, const QByteArray &file, quint64 ticket) {
        qCInfo(lcSound) << "cannot play" << file << Mix_GetError();
        report(id, OpenFailed, ticket, MultimediaDevice::UnplayableFile);
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
        if (const auto p = pendingMusic_.find(id); p != pendingMusic_.end()) loadMusic(id, p->second.ticket);
        const auto it = sounds_.find(id);
        if (it == sounds_.end()) return; // its Open failed, and that has been reported
        const Sound &s = it->second;
        if (s.chunk) {
            silence(id);
            setOwner(channelOwners_[s.channel], {id, ticket});
            if (Mix_PlayChannel(s.channel, s.chunk, 0) < 0) {
                setOwner(channelOwners_[s.channel], {});
                report(id, PlayFailed, ticket, MultimediaDevice::UnplayableFile);
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
        setOwner(musicOwner_, {id, ticket});
        if (Mix_PlayMusic(s.music, 0) != 0) {
            setOwner(musicOwner_, {});
            report(id, PlayFailed, ticket, MultimediaDevice::UnplayableFile);
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
        pendingMusic_.erase(id);
        const auto it = sounds_.find(id);
        if (it == sounds_.end()) return;
        silence(id);
        freeSound(it->second);
        sounds_.erase(it);
    }

    void freeSound(Sound &s) {
        if (s.chunk) {
            Mix_FreeChunk(s.chunk);
            freeChannels_.push_back(s.channel);
        }
        if (s.music) Mix_FreeMusic(s.music);
        s = {};
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
        if (o.device) e.report(o.device, Finished, o.ticket);
    }

    // For MIDI this comes when the synthesiser's last notes have died away,
    // two or three seconds after the last note of the piece.
    static void musicFinished() {
        AudioEngine &e = instance();
        Owner o;
        {
            std::lock_guard lock(e.ownersMutex_);
            o = std::exchange(e.musicOwner_, Owner{});
        }
        if (o.device) e.report(o.device, Finished, o.ticket);
    }

    std::atomic<Audio> audio_{Audio::Unknown};
    QHash<int, MultimediaDevice *> devices_; // GUI thread only
    QObject *receiver_ = nullptr;

    std::thread worker_;
    std::mutex jobsMutex_;
    std::condition_variable jobsReady_;
    std::deque<std::function<void()>> jobs_;
    std::deque<std::function<void()>> idleJobs_; // run only when jobs_ is empty
    bool stopping_ = false;

    struct PendingMusic {
        QByteArray file;
        quint64 ticket;
    };
    std::unordered_map<int, Sound> sounds_; // the engine's thread only
    std::unordered_map<int, PendingMusic> pendingMusic_;
    std::vector<int> freeChannels_;

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
        const bool wasPlaying = mode_ == Playing;
        mode_ = NotOpen;
        error_ = errorCode;
        openTicket_ = playTicket_ = 0;
        if (wasPlaying) emit Done(Failure);
        return;
    }
    if (mode_ != Playing || ticket != playTicket_)
        return; // the end of a play that was stopped or replaced meanwhile
    mode_ = Stopped;
    playTicket_ = 0;
    if (what == PlayFailed) error_ = errorCode;
    emit Done(what == Finished ? Successful : what == Cut ? Aborted : Failure);
}

void MultimediaDevice::forget() {
    mode_ = NotOpen;
    openTicket_ = playTicket_ = 0;
}

void setAudioEnabled(bool on) {
    audioEnabled = on;
}

void shutdownAudio() {
    AudioEngine::instance().shutdown();
}

} // namespace ui
