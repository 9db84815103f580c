#include "ui/audioengine.h"

#include "ui/multimedia.h"

#include <QLoggingCategory>

#include "ui/sdlapi.h"

#include <cstring>
#include <utility>

// The sound engine's sounds, on its own thread: the devices' files noted,
// loaded and let go, their mixer channels and owners, and the sounds made in
// memory.

namespace ui {

using namespace audio;

namespace {

Q_LOGGING_CATEGORY(lcSound, "lessicorsa.sound", QtInfoMsg)

// Waveforms longer than this are loaded for each play (see letGoIfLong).
constexpr Uint32 longWaveBytes = 256 * 1024;

} // namespace

// An Open: the file is noted, and loaded at its first Play.
void AudioEngine::remember(int id, Kind kind, const QByteArray &file, quint64 ticket) {
    release(id);
    Sound s;
    s.kind = kind;
    s.file = file;
    s.openTicket = ticket;
    sounds_[id] = s;
}

// Loads the sound's file (for music also the SoundFont); false, reported
// and forgotten when it cannot be loaded.
bool AudioEngine::loadSound(int id, Sound &s) {
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
void AudioEngine::letGoIfLong(int id) {
    const auto it = sounds_.find(id);
    if (it == sounds_.end() || !it->second.chunk || it->second.chunk->alen <= longWaveBytes) return;
    if (Mix_Playing(it->second.channel)) return;
    Mix_FreeChunk(it->second.chunk);
    it->second.chunk = nullptr; // its channel stays its own
}

// Without an audio device every open device falls silent.
void AudioEngine::silenceAll() {
    for (const auto &[id, sound] : sounds_)
        report(id, OpenFailed, sound.openTicket, MultimediaDevice::NoSoundDevice);
    sounds_.clear();
}

// Each waveform gets a channel of its own, so effects sound together and a
// replay of one cuts only itself.
int AudioEngine::takeChannel() {
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

void AudioEngine::playSound(int id, quint64 ticket) {
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

void AudioEngine::setOwner(Owner &slot, Owner o) {
    std::lock_guard lock(ownersMutex_);
    slot = o;
}

// Stops the device's sound without a report: the device has already moved on.
void AudioEngine::silence(int id) {
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

void AudioEngine::release(int id) {
    const auto it = sounds_.find(id);
    if (it == sounds_.end()) return;
    silence(id);
    freeSound(it->second);
    sounds_.erase(it);
}

void AudioEngine::freeSound(Sound &s) {
    if (s.chunk) Mix_FreeChunk(s.chunk);
    if (s.channel >= 0) freeChannels_.push_back(s.channel);
    s.chunk = nullptr;
    if (s.music) Mix_FreeMusic(s.music);
    s = {};
}

// Converts the samples to the mixer's format and plays them on the
// channel kept for them, in place of the ones sounding there.
void AudioEngine::playMemory(const std::vector<std::int16_t> &samples, int rate) {
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

void AudioEngine::stopMemory() {
    if (memoryChannel_ >= 0) Mix_HaltChannel(memoryChannel_);
    if (memoryChunk_) Mix_FreeChunk(memoryChunk_);
    memoryChunk_ = nullptr;
}

} // namespace ui
