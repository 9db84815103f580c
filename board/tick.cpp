// The heartbeat of the board: one handler for the idle screen (interval
// 1000 ms), a running game (600 - 100 x speed ms) and the end scene (50 ms).

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/convert.h"
#include "ui/platform.h"

using namespace ui;

namespace {
const QString prompt = QStringLiteral("Quamlibet");
const QColor white(255, 255, 255);
} // namespace

void Traduci::Timer1_Timer() {
    TraduciState &s = state;
    // A tick that falls while a word pool is built does nothing: as with a pool
    // built in one go, no tick runs between O.K. and the game's first word.
    if (buildingPool()) return;
    // 1. A two-player lock-out counts down in every situation.
    if (s.lockoutRemaining > 0) {
        s.lockoutRemaining -= Timer1->interval();
        if (s.lockoutRemaining <= 0) {
            s.lockoutRemaining = 0;
            s.lockedOut[1] = 0;
            s.lockedOut[2] = 0;
            Labelsotto1->setCaption(s.statusTexts[2]);
        }
    }
    // 2. The idle screen: two random portraits and the invitation.
    if (Timer1->interval() == 1000) {
        // The portraits of the settings window's store: the idle board makes
        // that window (hidden) when there is none.
        Impostazioni *settings = impostazioni();
        if (isVisible()) {
            // All six are rendered beside the first idle second (and after a
            // change of scale), rather than one by one as chance shows them.
            if (portraits_.empty())
                for (int k = 1; k <= 6; ++k)
                    portraits_.push_back(settings->foto(k)->picture());
            for (const Picture &p : portraits_)
                foto1->prepare(p);
        }
        foto1->setPicture(settings->foto(intScaled(platform().rnd(), 6) + 1)->picture());
        foto2->setPicture(settings->foto(intScaled(platform().rnd(), 6) + 1)->picture());
        showWord(QStringLiteral(
                     "Quamlibet clavem tange: laetaberis\rUn tasto per iniziare\rPress any key to begin"),
                 12);
        return;
    }
    // 3. A key may be judged here, before the rest of the tick.
    platform().doEvents();
    if (s.answering == 0) return;
    if (!s.gameOver) {
        // Elapsed time as a time of day; a game that runs past midnight goes on counting.
        float elapsed = platform().timeOfDay() - s.gameStartTime;
        if (elapsed < 0) elapsed += 1.0f;
        elapsed -= s.excludedTime;
        Lab(1)->setCaption(QStringLiteral("Tempus actum: ") + timeOfDayText(elapsed));
    }
    sign(s.currentCandidate)->setBackColor(white);

    s.walkFrame = (s.walkFrame + 1) % 5;
    if (s.lockedOut[1] == 0) figura(1)->setPicture(Imr(s.walkFrame)->picture());
    if (s.lockedOut[2] == 0 && s.playerCount == 2) figura(2)->setPicture(Iml(s.walkFrame)->picture());

    if (s.gameOver) {
        // The end scene: the loser's pedestal empties and its head falls down the track.
        auto fall = [&](int side) {
            ControlArray<Image> &pics = side == 2 ? Iml : Imr;
            if (figura(side)->pictureHandle() == pics(6)->pictureHandle())
                figura(side)->setPicture(pics(5)->picture());
            if (pics(7)->top() < barrone(side)->height_()) {
                pics(7)->setTop(pics(7)->top() + 90);
            } else if (Parola->caption().isEmpty()) {
                showWord(QStringLiteral("Quamlibet clavem tange"), 13);
                Parola->setTop(Frame1->height_() - Parola->height_() - 300);
            }
        };
        if (s.lockedOut[1] == 0) fall(2);
        if (s.lockedOut[2] == 0 && s.playerCount == 2) fall(1);
        return;
    }
    if (Parola->caption().left(9) == prompt) return;
    // The highlight moves to the next visible box; with none visible it stays.
    for (int step = 0; step < s.candidateCount; ++step) {
        s.currentCandidate = (s.currentCandidate + 1) % s.candidateCount;
        if (sign(s.currentCandidate)->shown()) {
            sign(s.currentCandidate)->setBackColor(Parola->foreColor());
            return;
        }
    }
}

void Traduci::showWord(const QString &text, double points) {
    showNote(QString());
    Parola->setFontSize(points);
    Parola->setCaption(text);
}
