#include "ui/platform.h"

#include "ui/form.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace ui {

namespace {
Platform realPlatform;
Platform *current = &realPlatform;
std::function<void()> beforeEnd;
} // namespace

Platform::~Platform() = default;

Platform &platform() {
    return *current;
}
void setPlatform(Platform *p) {
    current = p ? p : &realPlatform;
}
void setBeforeEnd(std::function<void()> f) {
    beforeEnd = std::move(f);
}

Answer Platform::messageBox(const QString &text, const QString &title, Icon icon, Buttons buttons) {
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? programTitle : title);
    box.setText(text);
    box.setIcon(icon == Icon::Critical      ? QMessageBox::Critical
                : icon == Icon::Exclamation ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int r = box.exec();
        return r == QMessageBox::Yes ? Answer::Yes : r == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
    if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void Platform::endProgram(int code) {
    // The program ends at once, wherever it stands: nothing after this runs.
    if (beforeEnd) beforeEnd();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

float Platform::timeOfDay() {
    const QTime t = QTime::currentTime();
    return static_cast<float>(t.msecsSinceStartOfDay() / 86400000.0);
}

void Platform::holdOneSecond(QWidget *window) {
    if (window) window->repaint();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_until(until);
}

void Platform::doEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Platform::doEventsHoldingInput() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Platform::randomize() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = QDateTime::currentMSecsSinceEpoch();
    std::seed_seq seq{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32),
                      static_cast<unsigned>(wall), static_cast<unsigned>(generator_())};
    generator_.seed(seq);
}

float Platform::rnd() {
    // 24 random bits: every float in [0, 1) with that spacing is equally likely.
    return static_cast<float>(generator_() >> 8) / 16777216.0f;
}

QSizeF Platform::screenTwips() {
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!s) return {1024 * 15.0, 768 * 15.0};
    const QSize px = s->size();
    return {px.width() * 15.0, px.height() * 15.0};
}

void Platform::soundCommand(const QString &, const QString &) {}

QRect Platform::screenArea(const QWidget *window, bool available) {
    const QScreen *s = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s) return {0, 0, 1024, 768};
    return available ? s->availableGeometry() : s->geometry();
}

void Platform::showModal(Form *form) {
    QPointer<Form> f(form);
    form->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(form, &Form::hiddenOrClosed, &loop, &QEventLoop::quit);
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    form->show();
    form->activateWindow();
    form->raise();
    if (f && !f->isHidden() && !f->discarded()) loop.exec(QEventLoop::DialogExec);
}

} // namespace ui
