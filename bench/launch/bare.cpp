// The floor of the start: a bare Qt window, a program that links Qt Widgets
// alone, of the board's size and title. With --music <file> it plays the file
// in a loop through SDL2_mixer once the window is shown, the libraries opened
// then (so that its start stays a bare window's), with the audio format the
// game opens.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <dlfcn.h>

namespace {

void playMusic(const QByteArray &file) {
    void *sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
    void *mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_GLOBAL);
    if (!sdl || !mixer) {
        std::fprintf(stderr, "lessicorsa-bare: no SDL2_mixer\n");
        return;
    }
    auto setHint = reinterpret_cast<int (*)(const char *, const char *)>(dlsym(sdl, "SDL_SetHint"));
    auto initSub = reinterpret_cast<int (*)(unsigned)>(dlsym(sdl, "SDL_InitSubSystem"));
    auto openAudio = reinterpret_cast<int (*)(int, unsigned short, int, int)>(dlsym(mixer, "Mix_OpenAudio"));
    auto loadMus = reinterpret_cast<void *(*)(const char *)>(dlsym(mixer, "Mix_LoadMUS"));
    auto playMus = reinterpret_cast<int (*)(void *, int)>(dlsym(mixer, "Mix_PlayMusic"));
    setHint("SDL_NO_SIGNAL_HANDLERS", "1");
    const unsigned initAudio = 0x10, s16sys = 0x8010;
    if (initSub(initAudio) != 0 || openAudio(44100, s16sys, 2, 1024) != 0) return;
    if (void *music = loadMus(file.constData())) playMus(music, -1);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("LessiCorsa!"));
    w.resize(469, 420); // the board: 7035 x 6300 twips
    if (argc > 1 && qstrcmp(argv[1], "--text") == 0)
        (new QLabel(QStringLiteral("Verbum Latinum"), &w))->move(20, 20);
    w.show();
    if (argc > 2 && qstrcmp(argv[1], "--music") == 0) {
        const QByteArray file = argv[2];
        QTimer::singleShot(0, &app, [file] { playMusic(file); });
    }
    return app.exec();
}
