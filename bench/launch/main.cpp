// The start as a user sees it. Each program is started by fork and exec and
// timed from the exec to the X server's map of its window (MapNotify on the
// root window, the window told by its _NET_WM_PID), the game and a bare Qt
// window one after the other in the same run. At the map it reads which
// shared libraries the process has mapped (/proc/PID/maps). Then each plays
// music (the game with its stored settings' defaults: the fanfare, then the
// music; the bare window musica.mid in a loop) and is measured idle: the CPU
// it uses over a stretch of time and its peak memory (VmHWM).
//
//   lessicorsa-bench-launch [start runs] [idle seconds]
//
// Every process uses SDL's dummy audio driver (it mixes in real time, as a
// sound card would), a settings, data and cache folder of the benchmark's own, and
// the build's run folder (the vocabulary and the sounds). One start of each
// comes first and is not counted, so both find the files in the page cache
// and the game its pictures rendered on disk by an earlier start.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

std::string slurp(const std::string &path) {
    std::ifstream f(path);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::string loadAverage() {
    std::string l = slurp("/proc/loadavg");
    l.erase(l.find(' ', l.find(' ', l.find(' ') + 1) + 1));
    return l;
}

// The shared libraries a process has mapped.
std::set<std::string> libraries(pid_t pid) {
    std::set<std::string> libs;
    std::ifstream f("/proc/" + std::to_string(pid) + "/maps");
    for (std::string line; std::getline(f, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos) continue;
        const std::string path = line.substr(slash);
        if (path.find(".so") != std::string::npos) libs.insert(path.substr(path.rfind('/') + 1));
    }
    return libs;
}

long statusKb(pid_t pid, const char *key) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(f, line);)
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key) + 1);
    return -1;
}

// User and system CPU time of a process, in ms.
double cpuMs(pid_t pid) {
    const std::string s = slurp("/proc/" + std::to_string(pid) + "/stat");
    const auto close = s.rfind(')');
    std::vector<std::string> fields;
    std::string field;
    for (char c : s.substr(close + 2)) {
        if (c == ' ') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    const double ticks = std::atof(fields.at(11).c_str()) + std::atof(fields.at(12).c_str());
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

class Launcher {
  public:
    Launcher() {
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) {
            std::fprintf(stderr, "no X display\n");
            std::exit(1);
        }
        pidAtom_ = XInternAtom(dpy_, "_NET_WM_PID", False);
        XSelectInput(dpy_, DefaultRootWindow(dpy_), SubstructureNotifyMask);
        XSync(dpy_, False);
    }

    struct Run {
        pid_t pid = -1;
        double mapMs = -1;
        std::set<std::string> libs;
    };

    // Starts `argv` and waits for the map of its window.
    Run start(const std::vector<std::string> &argv) {
        drain();
        Run r;
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        const double t0 = nowMs();
        r.pid = fork();
        if (r.pid == 0) {
            if (chdir(RUN_DIR) != 0) _exit(126);
            execv(args[0], args.data());
            _exit(127);
        }
        const double deadline = t0 + 30000;
        while (nowMs() < deadline) {
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            if (!XPending(dpy_)) poll(&p, 1, 100);
            while (XPending(dpy_)) {
                XEvent e;
                XNextEvent(dpy_, &e);
                if (e.type == MapNotify && pidOf(e.xmap.window) == r.pid) {
                    r.mapMs = nowMs() - t0;
                    r.libs = libraries(r.pid);
                    return r;
                }
            }
        }
        return r;
    }

    static void stop(pid_t pid) {
        kill(pid, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

  private:
    void drain() {
        XSync(dpy_, False);
        while (XPending(dpy_)) {
            XEvent e;
            XNextEvent(dpy_, &e);
        }
    }
    long pidOf(Window w) {
        Atom type;
        int format;
        unsigned long n = 0, after = 0;
        unsigned char *data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(dpy_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after,
                               &data) == Success &&
            data && n == 1)
            pid = static_cast<long>(*reinterpret_cast<unsigned long *>(data));
        if (data) XFree(data);
        return pid;
    }
    Display *dpy_;
    Atom pidAtom_;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char **argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 20;
    char folder[] = "/tmp/lessicorsa-launch-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    setenv("XDG_CONFIG_HOME", (std::string(folder) + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (std::string(folder) + "/cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(folder) + "/data").c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string runtime = std::string(folder) + "/runtime";
    mkdir(runtime.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("QT_LOGGING_RULES", "qt.qpa.*=false", 1);
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    std::printf("load average at the start: %s (%ld cores, shared with other work)\n", loadAverage().c_str(),
                cores);

    Launcher launcher;
    const std::vector<std::string> game{GAME_PATH}, bare{BARE_PATH}, bareText{BARE_PATH, "--text"};
    const std::string music = std::string(RUN_DIR) + "/musica.mid";
    const std::vector<std::string> bareMusic{BARE_PATH, "--music", music};

    // One start of each not counted, then the two in turn.
    for (const auto *p : {&game, &bare, &bareText})
        Launcher::stop(launcher.start(*p).pid);
    std::vector<double> gameMs, bareMs, textMs;
    std::set<std::string> gameLibs, bareLibs;
    for (int i = 0; i < runs; ++i) {
        for (const auto *p : {&game, &bare, &bareText}) {
            Launcher::Run r = launcher.start(*p);
            if (r.mapMs < 0) std::fprintf(stderr, "no map in 30 s\n");
            (p == &game ? gameMs : p == &bare ? bareMs : textMs).push_back(r.mapMs);
            if (p != &bareText) (p == &game ? gameLibs : bareLibs) = r.libs;
            Launcher::stop(r.pid);
        }
    }
    const double g = median(gameMs), b = median(bareMs), t = median(textMs);
    std::printf("\nexec to map, median of %d (min):\n", runs);
    std::printf("  bare Qt window   %7.1f ms (%.1f)\n", b, *std::min_element(bareMs.begin(), bareMs.end()));
    std::printf("  with one label   %7.1f ms (%.1f)   %.2fx the bare window\n", t,
                *std::min_element(textMs.begin(), textMs.end()), t / b);
    std::printf("  LessiCorsa       %7.1f ms (%.1f)   %.2fx the bare window (target <= 1.3x)\n", g,
                *std::min_element(gameMs.begin(), gameMs.end()), g / b);
    std::printf("\nshared libraries mapped at the map: bare %zu, LessiCorsa %zu; the game's beyond the bare "
                "window's:\n ",
                bareLibs.size(), gameLibs.size());
    for (const std::string &l : gameLibs)
        if (!bareLibs.count(l)) std::printf(" %s", l.c_str());
    std::printf("\n");

    // Music and idle: started, left to settle (the game's fanfare ends and its
    // music begins), then measured over idleSeconds.
    std::vector<double> cpu[2], hwm[2];
    for (int i = 0; i < 3; ++i) {
        for (int k : {0, 1}) {
            Launcher::Run r = launcher.start(k == 0 ? game : bareMusic);
            std::this_thread::sleep_for(std::chrono::seconds(8));
            const double c0 = cpuMs(r.pid), t0 = nowMs();
            std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
            cpu[k].push_back(100.0 * (cpuMs(r.pid) - c0) / (nowMs() - t0));
            hwm[k].push_back(static_cast<double>(statusKb(r.pid, "VmHWM:")) / 1024.0);
            Launcher::stop(r.pid);
        }
    }
    std::printf("\nwith music, idle, median of 3:\n");
    std::printf("  peak memory (VmHWM)  bare %.1f MiB, LessiCorsa %.1f MiB: %+.1f MiB (target <= +5)\n",
                median(hwm[1]), median(hwm[0]), median(hwm[0]) - median(hwm[1]));
    std::printf("  idle CPU over %d s   bare %.2f %%, LessiCorsa %.2f %% of a core: %+.2f (target <= +0.2)\n",
                idleSeconds, median(cpu[1]), median(cpu[0]), median(cpu[0]) - median(cpu[1]));
    std::printf("\nload average at the end: %s\n", loadAverage().c_str());
    std::string rm = std::string("rm -rf ") + folder;
    return std::system(rm.c_str()) == 0 ? 0 : 1;
}
