#pragma once
// The sound engine behind the multimedia devices (ui/multimedia.h): the one
// owner of SDL audio, and the small pieces its files share. Used only in ui/.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

class QObject;

namespace ui {

class MultimediaDevice;

namespace audio {

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

// Set by setAudioEnabled and setAudioEndWait (see ui/multimedia.h).
inline bool audioEnabled = true;
inline std::chrono::milliseconds audioEndWait{1000};

} // namespace audio

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

    static AudioEngine &instance();

    // --- GUI thread ---------------------------------------------------------------------
    void add(MultimediaDevice *d);
    void remove(MultimediaDevice *d);
    bool usable() const;

    void open(int id, audio::Kind kind, const QString &path, quint64 ticket);
    void play(int id, quint64 ticket);
    void stop(int id);
    void close(int id);

    // Sounds made in memory (see openSamples).
    bool openSamples();
    void playSamples(std::shared_ptr<const std::vector<std::int16_t>> samples, int rate);
    void stopSamples();

    bool shutdown();

    void setHold(std::function<void()> hold);

  private:
    void startWorker();
    void holdUntilFirstPaint();
    void release();
    void post(std::function<void()> job);
    void report(int device, audio::Report what, quint64 ticket, int errorCode = 0);

    // --- the engine's thread ---------------------------------------------------------------
    void run();
    bool openAudio();
    void closeAudio();

    struct Sound {
        audio::Kind kind = audio::Kind::Wave;
        QByteArray file;
        quint64 openTicket = 0;
        Mix_Chunk *chunk = nullptr;
        Mix_Music *music = nullptr;
        int channel = -1; // a waveform's own mixer channel
    };

    void remember(int id, audio::Kind kind, const QByteArray &file, quint64 ticket);
    bool loadSound(int id, Sound &s);
    void letGoIfLong(int id);
    void silenceAll();
    int takeChannel();
    void playSound(int id, quint64 ticket);
    void setOwner(audio::Owner &slot, audio::Owner o);
    void silence(int id);
    void release(int id);
    void freeSound(Sound &s);
    void playMemory(const std::vector<std::int16_t> &samples, int rate);
    void stopMemory();

    // --- SDL's audio thread (also the engine's thread, inside Mix_Halt*) -----------------------
    static void channelFinished(int channel);
    static void musicFinished();
    static void mixed(void *, Uint8 *, int);

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
    std::vector<audio::Owner> channelOwners_;
    audio::Owner musicOwner_;
};

} // namespace ui
