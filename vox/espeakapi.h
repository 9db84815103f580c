#pragma once
// eSpeak NG, opened when the spoken word is first used rather than mapped with
// the program (it brings its own libraries, which a game without Vox never
// needs). Only synthesizer.cpp includes this header, after the library's own:
// from here on each eSpeak NG function it calls goes through the table of the
// library opened.

#include <espeak-ng/espeak_ng.h>

#define LESSICORSA_ESPEAK_FUNCTIONS(X)                                                                       \
    X(espeak_Info)                                                                                           \
    X(espeak_SetSynthCallback)                                                                               \
    X(espeak_ng_ClearErrorContext)                                                                           \
    X(espeak_ng_GetSampleRate)                                                                               \
    X(espeak_ng_Initialize)                                                                                  \
    X(espeak_ng_InitializeOutput)                                                                            \
    X(espeak_ng_InitializePath)                                                                              \
    X(espeak_ng_SetVoiceByName)                                                                              \
    X(espeak_ng_Synthesize)

namespace vox::espeak {

struct Api {
#define LESSICORSA_ESPEAK_POINTER(f) decltype(&::f) f = nullptr;
    LESSICORSA_ESPEAK_FUNCTIONS(LESSICORSA_ESPEAK_POINTER)
#undef LESSICORSA_ESPEAK_POINTER
};

// The library's functions, the library opened at the first call; null when
// it cannot be opened, which leaves the spoken word without a voice.
const Api *api();

} // namespace vox::espeak

// Each function by its own name, through the table (none is called before
// api() has succeeded). espeakapi.cpp, which fills the table, names them plainly.
#ifndef LESSICORSA_ESPEAK_PLAIN
#define LESSICORSA_ESPEAK_CALL(f) (vox::espeak::api()->f)
#define espeak_Info LESSICORSA_ESPEAK_CALL(espeak_Info)
#define espeak_SetSynthCallback LESSICORSA_ESPEAK_CALL(espeak_SetSynthCallback)
#define espeak_ng_ClearErrorContext LESSICORSA_ESPEAK_CALL(espeak_ng_ClearErrorContext)
#define espeak_ng_GetSampleRate LESSICORSA_ESPEAK_CALL(espeak_ng_GetSampleRate)
#define espeak_ng_Initialize LESSICORSA_ESPEAK_CALL(espeak_ng_Initialize)
#define espeak_ng_InitializeOutput LESSICORSA_ESPEAK_CALL(espeak_ng_InitializeOutput)
#define espeak_ng_InitializePath LESSICORSA_ESPEAK_CALL(espeak_ng_InitializePath)
#define espeak_ng_SetVoiceByName LESSICORSA_ESPEAK_CALL(espeak_ng_SetVoiceByName)
#define espeak_ng_Synthesize LESSICORSA_ESPEAK_CALL(espeak_ng_Synthesize)
#endif
