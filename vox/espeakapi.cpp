// Opening eSpeak NG on first use (see espeakapi.h).
#define LESSICORSA_ESPEAK_PLAIN
#include "vox/espeakapi.h"

#include <dlfcn.h>
#include <mutex>
#include <type_traits>

namespace vox::espeak {

namespace {
Api table;
const Api *opened = nullptr;

bool fill() {
    // Opened for good: the library keeps threads of its own.
    void *lib = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return false;
    bool all = true;
    const auto take = [&](const char *name, auto &slot) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(dlsym(lib, name));
        all = all && slot;
    };
#define LESSICORSA_TAKE(f) take(#f, table.f);
    LESSICORSA_ESPEAK_FUNCTIONS(LESSICORSA_TAKE)
#undef LESSICORSA_TAKE
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

} // namespace vox::espeak
