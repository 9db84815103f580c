#include "support/fakeplatform.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

FakePlatform::FakePlatform() {
    ui::setPlatform(this);
    // The tests run the ticks themselves: a real timer firing inside an event
    // pause of a test would add a tick of its own.
    ui::Timer::setDrivenByHand(true);
}
FakePlatform::~FakePlatform() {
    ui::setPlatform(nullptr);
}

ui::Answer FakePlatform::messageBox(const QString &text, const QString &title, ui::Icon icon, ui::Buttons) {
    messages.append({text, title, icon});
    if (onSoundOrMessage) {
        const auto f = onSoundOrMessage;
        f();
    }
    return answers.isEmpty() ? ui::Answer::Ok : answers.dequeue();
}

void FakePlatform::endProgram(int) {
    ++endCount;
}

float FakePlatform::timeOfDay() {
    double s = clockSeconds;
    while (s >= 86400)
        s -= 86400;
    return static_cast<float>(s / 86400.0);
}

void FakePlatform::holdOneSecond(QWidget *) {
    ++holds;
    if (onHold) {
        const auto f = onHold;
        f();
    }
    advance(1.0);
}

void FakePlatform::doEvents() {
    if (onDoEvents) {
        auto f = onDoEvents;
        onDoEvents = nullptr;
        f();
    }
    QCoreApplication::processEvents();
}

void FakePlatform::soundCommand(const QString &device, const QString &command) {
    soundLog.append(device + QLatin1Char(' ') + command);
    if (onSoundOrMessage) {
        const auto f = onSoundOrMessage;
        f();
    }
}

float FakePlatform::rnd() {
    return draws.isEmpty() ? 0.0f : draws.dequeue();
}

void FakePlatform::showModal(ui::Form *form) {
    modalWindows.append(form->objectName());
    form->show();
    if (onModal) {
        const auto f = onModal; // the callback may replace itself
        f(form);
    } else {
        form->hide();
    }
}

void useTemporarySettings() {
    static QTemporaryDir dir;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}
