#pragma once
// Platform services the windows use, each behind one seam.
//
// Production code calls ui::platform(); the real implementation shows real
// message boxes, ends the process, reads the wall clock, waits for real and
// runs modal loops. A test installs its own Platform with ui::setPlatform()
// (see tests/support/fakeplatform.h): message boxes are recorded and answered
// with a chosen button, the end of the program is recorded instead of done, the
// clock is advanced by the test, random draws are scripted, and a modal window
// is handed to a callback instead of running a nested loop.
//
// Contract for callers: endProgram() may return (in tests), so every call site
// returns at once after calling it.

#include <QRect>
#include <QSizeF>
#include <QString>
#include <functional>
#include <random>

class QWidget;

namespace ui {

class Form;

enum class Icon { None, Critical, Exclamation };
enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The program title, used by message boxes that have no title of their own.
inline const QString programTitle = QStringLiteral("LessiCorsa!");

inline constexpr int versionMajor = LESSICORSA_VERSION_MAJOR;
inline constexpr int versionMinor = LESSICORSA_VERSION_MINOR;
inline constexpr int versionRevision = LESSICORSA_VERSION_REVISION;

class Platform {
  public:
    virtual ~Platform();

    // A modal message box; an empty title means the program title.
    virtual Answer messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons);
    // Ends the program at once (closing the sound devices on the way).
    virtual void endProgram(int code);
    // The time of day as a fraction of a day, in single precision.
    virtual float timeOfDay();
    // Shows the current state of `window` at once, then holds the thread for
    // one second without handling any event: input stays queued.
    virtual void holdOneSecond(QWidget *window);
    // Lets pending window events run inside a handler.
    virtual void doEvents();
    // The same for every event but the user's input: keys and clicks stay
    // queued until the next doEvents() or the return to the event loop.
    virtual void doEventsHoldingInput();
    // Seeds the random generator from the clock.
    virtual void randomize();
    // A uniform draw in [0, 1).
    virtual float rnd();
    // The screen's size in twips.
    virtual QSizeF screenTwips();
    // The screen `window` is on, in pixels: its whole area or the part free
    // for windows (without panels and docks).
    virtual QRect screenArea(const QWidget *window, bool available);
    // Shows `form` modally and returns when it has been hidden or closed.
    virtual void showModal(Form *form);
    // Told of every command given to a sound device (the device's name and
    // the command), before the device carries it out. The real platform
    // does nothing here.
    virtual void soundCommand(const QString &device, const QString &command);

  private:
    std::mt19937 generator_{std::random_device{}()};
};

Platform &platform();
// Installs a platform (not owned); nullptr restores the real one.
void setPlatform(Platform *p);

// Registers what ending the program must do first (closing the sound devices).
void setBeforeEnd(std::function<void()> f);

} // namespace ui
