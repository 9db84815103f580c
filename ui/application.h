#pragma once
// Application-wide set-up shared by the program and the tests: the style, the
// font substitutions that give the design's fonts on a free system, and the
// 96-dpi font scale the design's twips assume.

namespace ui {

// Call before creating the QApplication.
void prepareEnvironment();
// The game's own process, before any thread starts: every thread allocates
// from one heap. The program's threads (the window system's reader, the
// picture worker, the sound engine, the mixer) allocate little, and each
// heap of its own would keep its pages; with one, two megabytes less stay
// resident while music plays.
void shareOneHeap();
// Call right after creating the QApplication.
void setUpApplication();

} // namespace ui
