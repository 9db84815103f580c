#pragma once
// SDL2 and SDL2_mixer, opened when the sound engine first needs them rather
// than mapped with the program: together they bring some forty libraries
// (FluidSynth, JACK, PulseAudio, codecs) that a start does not need before its
// window is on the screen. Only the sound engine's files include this header,
// after <SDL.h> and <SDL_mixer.h>: from here on each SDL function they call
// goes through the table of the libraries opened.

#include <QByteArray>

#include <SDL.h>
#include <SDL_mixer.h>

#define LESSICORSA_SDL_FUNCTIONS(X)                                                                          \
    X(SDL_SetHint)                                                                                           \
    X(SDL_InitSubSystem)                                                                                     \
    X(SDL_QuitSubSystem)                                                                                     \
    X(SDL_GetError)                                                                                          \
    X(SDL_TLSCleanup)                                                                                        \
    X(SDL_BuildAudioCVT)                                                                                     \
    X(SDL_ConvertAudio)                                                                                      \
    X(SDL_malloc)                                                                                            \
    X(SDL_free)
#define LESSICORSA_MIXER_FUNCTIONS(X)                                                                        \
    X(Mix_OpenAudio)                                                                                         \
    X(Mix_CloseAudio)                                                                                        \
    X(Mix_QuerySpec)                                                                                         \
    X(Mix_AllocateChannels)                                                                                  \
    X(Mix_LoadMUS)                                                                                           \
    X(Mix_LoadWAV)                                                                                           \
    X(Mix_QuickLoad_RAW)                                                                                     \
    X(Mix_FreeChunk)                                                                                         \
    X(Mix_FreeMusic)                                                                                         \
    X(Mix_PlayChannel)                                                                                       \
    X(Mix_PlayMusic)                                                                                         \
    X(Mix_HaltChannel)                                                                                       \
    X(Mix_HaltMusic)                                                                                         \
    X(Mix_Playing)                                                                                           \
    X(Mix_ChannelFinished)                                                                                   \
    X(Mix_HookMusicFinished)                                                                                 \
    X(Mix_SetPostMix)

namespace ui::sdl {

struct Api {
#define LESSICORSA_SDL_POINTER(f) decltype(&::f) f = nullptr;
    LESSICORSA_SDL_FUNCTIONS(LESSICORSA_SDL_POINTER)
    LESSICORSA_MIXER_FUNCTIONS(LESSICORSA_SDL_POINTER)
#undef LESSICORSA_SDL_POINTER
};

// The libraries' functions, the libraries opened at the first call (on the
// sound engine's thread); null when they cannot be opened, which leaves the
// game silent as a missing sound device does.
const Api *api();
// Why they could not be opened.
QByteArray failure();
// True once api() has opened them (it never opens them itself).
bool loaded();

} // namespace ui::sdl

// Each function by its own name, through the table (the engine calls none
// before api() has succeeded). sdlapi.cpp, which fills the table, names them
// plainly.
#ifndef LESSICORSA_SDL_PLAIN
#define LESSICORSA_SDL_CALL(f) (ui::sdl::api()->f)
#define SDL_SetHint LESSICORSA_SDL_CALL(SDL_SetHint)
#define SDL_InitSubSystem LESSICORSA_SDL_CALL(SDL_InitSubSystem)
#define SDL_QuitSubSystem LESSICORSA_SDL_CALL(SDL_QuitSubSystem)
#define SDL_GetError LESSICORSA_SDL_CALL(SDL_GetError)
#define SDL_TLSCleanup LESSICORSA_SDL_CALL(SDL_TLSCleanup)
#define SDL_BuildAudioCVT LESSICORSA_SDL_CALL(SDL_BuildAudioCVT)
#define SDL_ConvertAudio LESSICORSA_SDL_CALL(SDL_ConvertAudio)
#define SDL_malloc LESSICORSA_SDL_CALL(SDL_malloc)
#define SDL_free LESSICORSA_SDL_CALL(SDL_free)
#define Mix_OpenAudio LESSICORSA_SDL_CALL(Mix_OpenAudio)
#define Mix_CloseAudio LESSICORSA_SDL_CALL(Mix_CloseAudio)
#define Mix_QuerySpec LESSICORSA_SDL_CALL(Mix_QuerySpec)
#define Mix_AllocateChannels LESSICORSA_SDL_CALL(Mix_AllocateChannels)
#define Mix_LoadMUS LESSICORSA_SDL_CALL(Mix_LoadMUS)
#define Mix_LoadWAV LESSICORSA_SDL_CALL(Mix_LoadWAV)
#define Mix_QuickLoad_RAW LESSICORSA_SDL_CALL(Mix_QuickLoad_RAW)
#define Mix_FreeChunk LESSICORSA_SDL_CALL(Mix_FreeChunk)
#define Mix_FreeMusic LESSICORSA_SDL_CALL(Mix_FreeMusic)
#define Mix_PlayChannel LESSICORSA_SDL_CALL(Mix_PlayChannel)
#define Mix_PlayMusic LESSICORSA_SDL_CALL(Mix_PlayMusic)
#define Mix_HaltChannel LESSICORSA_SDL_CALL(Mix_HaltChannel)
#define Mix_HaltMusic LESSICORSA_SDL_CALL(Mix_HaltMusic)
#define Mix_Playing LESSICORSA_SDL_CALL(Mix_Playing)
#define Mix_ChannelFinished LESSICORSA_SDL_CALL(Mix_ChannelFinished)
#define Mix_HookMusicFinished LESSICORSA_SDL_CALL(Mix_HookMusicFinished)
#define Mix_SetPostMix LESSICORSA_SDL_CALL(Mix_SetPostMix)
#endif
