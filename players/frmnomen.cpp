#include "players/frmnomen.h"

#include "players/hosted.h"
#include "players/roster.h"
#include "settings/palette.h"
#include "ui/platform.h"

#include <QLineEdit>

using namespace ui;
using namespace palette;

frmNomen::frmNomen(const QString &caption, const QString &name,
                   std::function<QString(const QString &)> problem)
    : Form(QStringLiteral("frmNomen"), Border::FixedDialog, 5310, 1560), problem_(std::move(problem)) {
    palette::dressWindow(*this, QStringLiteral("LessiCorsa! Nomen"));
    QWidget *w = client();

    auto *label = new Label(w, QStringLiteral("titulus"));
    label->setRect(120, 120, 5070, 255);
    label->setFontSpec(arial, 9.75, true);
    label->setCaption(caption);

    nomen = new QLineEdit;
    nomen->setObjectName(QStringLiteral("nomen"));
    // No length of its own: the roster's check counts the characters (a
    // character beyond the Basic Multilingual Plane is one, not two) and
    // says what the limit is.
    nomen->setText(name);
    nomen->selectAll();
    QPalette p = nomen->palette();
    p.setColor(QPalette::Base, white);
    p.setColor(QPalette::Text, QColor(0, 0, 0));
    nomen->setPalette(p);
    auto *field = new players::Hosted(w, QStringLiteral("nomenCampus"), nomen);
    field->setRect(120, 450, 5070, 360);
    field->setFontSpec(arial, 9.75);

    auto button = [&](const QString &n, float left, const QString &text) {
        auto *b = new CommandButton(w, n);
        b->setRect(left, 960, 1335, 480);
        b->setFontSpec(arial, 9.75, true);
        b->setBackColor(controlBack);
        b->setCaption(text);
        return b;
    };
    okay = button(QStringLiteral("okay"), 2400, QStringLiteral("&O.K."));
    Exit = button(QStringLiteral("Exit"), 3855, QStringLiteral("&Exit (Esc)"));
    connect(okay, &Control::Click, this, &frmNomen::okay_Click);
    connect(Exit, &Control::Click, this, &QWidget::hide);
    setDefaultButton(okay);
    setCancelButton(Exit);
    nomen->setFocus();
}

frmNomen::~frmNomen() {
    releaseControls();
}

void frmNomen::okay_Click() {
    const QString text = nomen->text();
    if (const QString why = problem_(text); !why.isEmpty()) {
        platform().messageBox(why, QStringLiteral("LessiCorsa! Lusores"), Icon::Exclamation, Buttons::Ok);
        nomen->setFocus();
        return;
    }
    given_ = players::Roster::clean(text);
    hide();
}
