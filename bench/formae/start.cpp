// The start of a game of forms on the board: from the settings window's O.K.
// to the first form shown, on the standard vocabulary with the game's own
// lexicon. Once straight after start-up (the lexicon still being read on the
// worker), then with the list's forms made ahead (as when the player has
// opened the menu "Formae"), beside its floor: a game of words started the
// same way. Prints the median of RUNS (default 9) and the longest start.
//
//   lessicorsa-bench-formae-start [RUNS]

#include "../measure.h"
#include "board/traduci.h"
#include "formae/lexicon.h"
#include "settings/impostazioni.h"
#include "ui/button.h"
#include "ui/platform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

// The real platform, but the settings window is confirmed at once (the clock
// starts there), and messages are noted instead of shown.
class StartPlatform : public ui::Platform {
  public:
    ui::Answer messageBox(const QString &text, const QString &, ui::Icon, ui::Buttons) override {
        messages << text.left(80);
        return ui::Answer::Ok;
    }
    void showModal(ui::Form *form) override {
        if (auto *w = qobject_cast<Impostazioni *>(form)) {
            okay = Clock::now();
            w->okay(0)->press();
        }
        form->hide();
    }
    Clock::time_point okay;
    QStringList messages;
};

// The first word of each game, timed.
class FirstWord : public game::Listener {
  public:
    void gameStarting(const game::Choices &) override { waiting = true; }
    void wordAsked(const game::Word &) override {
        if (std::exchange(waiting, false)) shown = Clock::now();
    }
    bool waiting = false;
    Clock::time_point shown;
};

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir dir;
    for (const char *f : {"vocabula.txt", "lexicon.txt"})
        QFile::copy(QStringLiteral(ASSETS_DIR "/") + QLatin1String(f), dir.filePath(QLatin1String(f)));
    QDir::setCurrent(dir.path());
    StartPlatform platform;
    ui::setPlatform(&platform);
    {
        Traduci b;
        FirstWord first;
        b.addListener(&first);
        auto *ludus = b.findChild<QAction *>(QStringLiteral("LudusFormarum"));
        auto *menu = b.findChild<QMenu *>(QStringLiteral("Formae1"));
        if (!ludus || !menu) return 1;
        const auto start = [&](auto trigger) {
            trigger();
            return std::chrono::duration<double, std::milli>(first.shown - platform.okay).count();
        };
        // The start-up's pending events run, as the program's event loop runs them before any click.
        QCoreApplication::processEvents();
        const double cold = start([&] { ludus->trigger(); });
        // The list's forms made ahead, as opening the menu does.
        emit menu->aboutToShow();
        QThread::sleep(3);
        std::vector<double> forms, words;
        for (int i = 0; i < runs; ++i) {
            forms.push_back(start([&] { ludus->trigger(); }));
            words.push_back(start([&] { b.Imposta->trigger(); }));
        }
        std::printf("A game started, from the settings' O.K. to the first word shown (median of %d)\n\n",
                    runs);
        std::printf("| Measure | ms |\n| --- | ---: |\n");
        std::printf("| A game of forms straight after start-up (the lexicon still read) | %.1f |\n", cold);
        std::printf("| A game of forms, the list's forms made ahead | %.1f |\n", bench::median(forms));
        std::printf("| The longest of those | %.1f |\n", *std::max_element(forms.begin(), forms.end()));
        std::printf("| Floor: a game of words started the same way | %.1f |\n", bench::median(words));
        for (const QString &m : platform.messages)
            std::printf("message: %s\n", qPrintable(m));
    }
    ui::setPlatform(nullptr);
    return 0;
}
