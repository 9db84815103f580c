#pragma once
// A platform for tests: no timer fires by itself, message boxes and the end of
// the program are recorded, the clock stands still until the test moves it.

#include "ui/form.h"
#include "ui/platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

struct RecordedMessage {
    QString text;
    QString title;
    ui::Icon icon;
};

class FakePlatform : public ui::Platform {
  public:
    FakePlatform();
    ~FakePlatform() override;

    ui::Answer messageBox(const QString &text, const QString &title, ui::Icon icon,
                          ui::Buttons buttons) override;
    void endProgram(int code) override;
    float timeOfDay() override;
    void holdOneSecond(QWidget *window) override;
    void doEvents() override;
    void doEventsHoldingInput() override { doEvents(); }
    void randomize() override {}
    float rnd() override;
    QSizeF screenTwips() override { return screen; }
    // The screen in pixels, when a test sets it (the offscreen screen otherwise).
    QRect screenArea(const QWidget *w, bool available) override {
        return area.isValid() ? area : Platform::screenArea(w, available);
    }
    void showModal(ui::Form *form) override;
    void soundCommand(const QString &device, const QString &command) override;

    // Scripts the next random draws.
    void script(std::initializer_list<float> r) {
        for (float x : r)
            draws.enqueue(x);
    }
    // Moves the clock on.
    void advance(double seconds) { clockSeconds += seconds; }

    QList<RecordedMessage> messages;
    QQueue<ui::Answer> answers;
    int endCount = 0;
    double clockSeconds = 10 * 3600; // ten in the morning
    int holds = 0;
    QQueue<float> draws;
    QSizeF screen{1280 * 15.0, 1024 * 15.0};
    QRect area;
    // Called with each window shown modally; it should hide the window (press
    // O.K. or Exit). Without it the window is hidden at once.
    std::function<void(ui::Form *)> onModal;
    QList<QString> modalWindows;
    // Runs at each one-second hold, while the held state is shown.
    std::function<void()> onHold;
    // Runs at each event pause, before pending events are processed.
    std::function<void()> onDoEvents;
    // Every command given to any sound device, in order: "MCiwrong Play".
    QStringList soundLog;
    // Runs at each sound command (after it is logged, before the device
    // acts) and at each message box (after it is recorded, before it is
    // answered): a test reads there the state the command or box meets.
    std::function<void()> onSoundOrMessage;
};

// Points the settings store at a fresh temporary place for the test program.
void useTemporarySettings();
