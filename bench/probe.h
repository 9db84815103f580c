#pragma once
// The processes the benchmark starts: the game, created and shown exactly as
// app/main.cpp does, or the floor, a bare Qt window with twelve labels. Each
// reports its first paint; a full probe then measures its CPU use while idle,
// runs its highlight (the game: a real one-player game started through the
// settings window; the bare window: a timer moving a coloured label), records
// the times of its ticks and reports its peak memory.
//
// Two more kinds: the bare window playing musica.mid in a loop through
// SDL2_mixer (the floor of everything measured with music), and the game
// started once (a game start timed from O.K. to the first word, with the
// longest time the event loop stood still meanwhile).
//
// A probe speaks on standard output, one fact a line:
//   paint <ns>        first paint done, on the shared monotonic clock
//   idlecpu <pct>     CPU use while idle, percent of one core
//   interval <ms>     the interval the highlight actually runs at
//   ticks <ns>...     the time of each tick
//   gamecpu <pct>     CPU use while the highlight runs
//   rss <kB>          peak resident memory
//   gamestart <ms>    O.K. to the first word asked
//   freeze <ms>       the longest stand-still of the event loop around it
//   voicedelay <ms>...  each word's paint to its first sound
//   error <text>

#include <QStringList>

namespace bench {

struct ProbeOptions {
    bool game = true;       // the game, or the bare window
    bool paintOnly = false; // stop after the first paint
    int intervalMs = 100;   // the highlight's interval (game: 600 - 100 x speed)
    int ticks = 300;        // intervals to record
    double idleSeconds = 5; // idle time measured before the highlight starts (0: none)
    bool music = false;     // the bare window plays musica.mid in a loop
    bool gameStart = false; // the game: time one game start, then end
    // The game is played: each word answered right as soon as the highlight
    // stands on it (the spoken word's benchmark, bench/vox).
    bool play = false;
    // Each word's delay from its paint to the first sample of the mix above
    // silence (the spoken word; music off, so that only it sounds then).
    bool voiceDelay = false;
};

// The command-line arguments that make the benchmark program a probe.
QStringList probeArguments(const ProbeOptions &o);
// True when the arguments ask for a probe.
bool isProbe(int argc, char **argv);
// Runs the probe process and returns its exit code.
int runProbe(int argc, char **argv);

} // namespace bench
