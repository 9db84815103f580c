// Opening SDL2 and SDL2_mixer on first use (see sdlapi.h).
#define LESSICORSA_SDL_PLAIN
#include "ui/sdlapi.h"

#include <dlfcn.h>
#include <mutex>
#include <type_traits>

namespace ui::sdl {

namespace {
Api table;
const Api *opened = nullptr;
QByteArray why;

// Opens a library for good (it is never closed: SDL keeps threads of its own).
void *open(const char *name) {
    void *h = dlopen(name, RTLD_NOW | RTLD_GLOBAL);
    if (!h) why = dlerror();
    return h;
}

bool fill() {
    void *sdl = open("libSDL2-2.0.so.0");
    void *mixer = sdl ? open("libSDL2_mixer-2.0.so.0") : nullptr;
    if (!mixer) return false;
    bool all = true;
    const auto take = [&](void *lib, const char *name, auto &slot) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(dlsym(lib, name));
        if (!slot) {
            all = false;
            why = QByteArray("no ") + name;
        }
    };
#define LESSICORSA_TAKE_SDL(f) take(sdl, #f, table.f);
#define LESSICORSA_TAKE_MIXER(f) take(mixer, #f, table.f);
    LESSICORSA_SDL_FUNCTIONS(LESSICORSA_TAKE_SDL)
    LESSICORSA_MIXER_FUNCTIONS(LESSICORSA_TAKE_MIXER)
#undef LESSICORSA_TAKE_SDL
#undef LESSICORSA_TAKE_MIXER
    return all;
}
} // namespace

const Api *api() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (fill()) opened = &table;
    });
    return opened;
}

bool loaded() {
    return opened != nullptr;
}

QByteArray failure() {
    return why;
}

} // namespace ui::sdl
