#include "board/species.h"

#include "settings/viewstore.h"
#include "ui/form.h"

#include <QAction>
#include <QMenu>

using namespace ui;

Species::Species(Form *board) : QObject(board), board_(board) {
    QMenu *m = board->addMenu(QStringLiteral("Species"), QStringLiteral("&Species"));
    auto item = [&](const QString &name, const QString &caption, QList<QKeySequence> keys, auto slot) {
        auto *a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        m->addAction(a);
        board->addAction(a); // the keys work while the menu is closed
    };
    item(QStringLiteral("Maior"), QStringLiteral("&Maior"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &Species::larger);
    item(QStringLiteral("Minor"), QStringLiteral("M&inor"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         &Species::smaller);
    item(QStringLiteral("MagnitudoPrima"), QStringLiteral("Magnitudo &prima"),
         {QKeySequence(Qt::CTRL | Qt::Key_0)}, &Species::natural);
    m->addSeparator();
    item(QStringLiteral("TotaArea"), QStringLiteral("&Tota area"), {QKeySequence(Qt::Key_F11)},
         &Species::toggleFullArea);
    setViewKeyHandler([this](ViewKey k) { handle(k); });

    board->setMarginColour(QColor(64, 0, 0));
    const int stored = viewstore::step(store_);
    step_ = std::min(stored ? stored : firstStartStep(board->designPixels(), board->screenArea(true).size()),
                     largestStep());
    full_ = viewstore::fullArea(store_);
    apply();
}

Species::~Species() {
    setViewKeyHandler(nullptr);
}

int Species::largestStep() const {
    // The window manager's frame, when there is one, takes its room too.
    const QSize frame = board_->frameGeometry().size() - board_->size();
    return largestFittingStep(board_->designPixels(), board_->screenArea(true).size() - frame);
}

void Species::handle(ViewKey key) {
    switch (key) {
    case ViewKey::Larger:
        larger();
        break;
    case ViewKey::Smaller:
        smaller();
        break;
    case ViewKey::Natural:
        natural();
        break;
    case ViewKey::FullArea:
        toggleFullArea();
        break;
    case ViewKey::None:
        break;
    }
}

void Species::larger() {
    setStep(nextStep(step_, +1, largestStep()));
}

void Species::smaller() {
    setStep(nextStep(step_, -1, largestStep()));
}

void Species::natural() {
    setStep(zoomSteps.front());
}

void Species::setStep(int percent) {
    if (percent != step_) {
        step_ = percent;
        viewstore::writeStep(store_, step_);
    }
    // A step chosen at full screen takes effect when the board leaves it.
    if (!full_) apply();
}

void Species::toggleFullArea() {
    full_ = !full_;
    viewstore::writeFullArea(store_, full_);
    apply();
}

void Species::apply() {
    if (full_) {
        board_->setFullArea(true);
        setViewScale(fullAreaScale(board_->designPixels(), board_->screenArea(false).size()));
    } else {
        setViewScale(step_ / 100.0);
        board_->setFullArea(false);
    }
    // The board takes its scale even while hidden (at start-up, before it is
    // centred; during the settings window), so that it shows where it belongs.
    board_->applyViewScale();
}
