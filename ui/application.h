#pragma once
// Application-wide set-up shared by the program and the tests: the style, the
// font substitutions that give the design's fonts on a free system, and the
// 96-dpi font scale the design's twips assume.

namespace ui {

// Call before creating the QApplication.
void prepareEnvironment();
// Call right after creating the QApplication.
void setUpApplication();

} // namespace ui
