#include "ui/audioengine.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "ui/sdlapi.h"

#include <cstdio>
#include <dlfcn.h>

// What runs on the sound engine's own thread apart from the sounds
// (ui/audiosounds.cpp): its job loop, the audio device opened and closed;
// and SDL_mixer's callbacks, which come on SDL's audio thread.

namespace ui {

using namespace audio;

namespace {

// A piece of music that ends within this many mixer buffers of its start
// (about 50 ms) has not sounded at all: a real piece lasts seconds, and the
// synthesiser's tail alone lasts two.
constexpr quint64 musicAtOnceBuffers = 2;

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

void AudioEngine::run() {
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
    if (sdl::loaded()) SDL_TLSCleanup();
    {
        std::lock_guard lock(jobsMutex_);
        ended_ = true;
    }
    workerEnded_.notify_all();
}

bool AudioEngine::openAudio() {
    if (audio_ != Audio::Unknown) return audio_ == Audio::Ready;
    // The libraries are opened here, at the first sound, not with the program.
    if (!sdl::api()) {
        sayNoSound(sdl::failure().constData());
        audio_ = Audio::Failed;
        return false;
    }
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

void AudioEngine::closeAudio() {
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

void AudioEngine::channelFinished(int channel) {
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
void AudioEngine::musicFinished() {
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
void AudioEngine::mixed(void *, Uint8 *, int) {
    ++instance().mixCount_;
}

} // namespace ui
