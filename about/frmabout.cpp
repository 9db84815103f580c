// The about window's composition at creation and its load.

#include "about/frmabout.h"

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "ui/platform.h"

#include <QFontMetrics>
#include <QIcon>

using namespace ui;

namespace {

const QColor orange(255, 128, 0);
const QColor paleYellow(255, 255, 128);
const QColor grey(128, 128, 128);
const QColor white(255, 255, 255);

// The credits and the contact address.
const QString authorLine = QStringLiteral("Ludum fecit artifex");
const QString placeLine = QStringLiteral("Romae, in Latio");
const QString yearsLine = QStringLiteral("A. D. MMXXVI");
const QString contactAddress = QStringLiteral("lessicorsa@example.org");

} // namespace

frmAbout::frmAbout(Traduci *main)
    : Form(QStringLiteral("frmAbout"), Border::FixedDialog, 10170, 3555), main_(main) {
    setCaption(QStringLiteral("LessiCorsa!"));
    setBackColor(orange);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    setFont(f);
    setWindowIcon(ui::Picture::load(QStringLiteral("icon")).icon());
    setScale(unitX, unitY);
    setDiscardOnClose(true);
    createControls();
    Form_Load();
}

frmAbout::~frmAbout() {
    releaseControls();
}

void frmAbout::createControls() {
    QWidget *w = client();
    // Rectangles are given in twips and kept in the window's units.
    auto place = [](Control *c, float l, float t, float wd, float h) {
        c->setRect(l / unitX, t / unitY, wd / unitX, h / unitY);
    };
    auto label = [&](const QString &name, int index, float l, float t, float wd, float h, const QString &font,
                     double pt) {
        auto *c = new Label(w, name, index);
        place(c, l, t, wd, h);
        c->setBackColor(orange);
        c->setFontSpec(font, pt, true);
        c->setAutoSize(true);
        return c;
    };
    auto image = [&](const QString &name, int index, float l, float t, float wd, float h,
                     const QString &picture, bool stretch) {
        auto *c = new Image(w, name, index);
        place(c, l, t, wd, h);
        c->setStretch(stretch);
        c->setPicture(Picture::load(picture));
        return c;
    };
    const QString arial = QStringLiteral("Arial"), sansSerif = QStringLiteral("MS Sans Serif");

    for (int k : {2, 1}) {
        auto *p = new PictureBox(w, QStringLiteral("Picture1"), k);
        place(p, k == 1 ? 7401 : 4579, 2280, 1050, 1050);
        p->setBackColor(orange);
        p->setFocusPolicy(Qt::NoFocus);
        p->useCustomPointer();
        Picture1.add(k, p);
    }

    Command3 = new CommandButton(w, QStringLiteral("Command3"));
    place(Command3, 120, 240, 1335, 1695);
    Command3->setBackColor(paleYellow);
    Command3->setFontSpec(sansSerif, 8.25, true);
    Command3->setCaption(QStringLiteral("Artificis imago (vetustior)"));
    Command3->useCustomPointer();
    connect(Command3, &Control::Click, this, &frmAbout::Command3_Click);

    Command1 = new CommandButton(w, QStringLiteral("Command1"));
    place(Command1, 2640, 2280, 735, 975);
    Command1->setBackColor(paleYellow);
    Command1->setFontSpec(arial, 9.75, true);
    Command1->setCaption(QStringLiteral("O.K."));
    Command1->useCustomPointer();
    connect(Command1, &Control::Click, this, &frmAbout::Command1_Click);
    setDefaultButton(Command1);
    setCancelButton(Command1);

    Freccia.add(
        3, image(QStringLiteral("Freccia"), 3, 7241, 580, 1935, 1140, QStringLiteral("freccia_bent"), false));
    Freccia(3)->hide();

    Label1.add(1, label(QStringLiteral("Label1"), 1, 8519, 2460, 705, 270, arial, 11.25));
    Label1.add(2, label(QStringLiteral("Label1"), 2, 5700, 2460, 705, 270, arial, 11.25));

    Freccia.add(
        1, image(QStringLiteral("Freccia"), 1, 7561, 480, 958, 1740, QStringLiteral("freccia_up"), true));
    Freccia.add(
        2, image(QStringLiteral("Freccia"), 2, 4579, 480, 958, 1739, QStringLiteral("freccia_up"), true));
    Image2 = image(QStringLiteral("Image2"), -1, 4200, 120, 5790, 1920, QStringLiteral("keyboard"), true);

    lbldes = label(QStringLiteral("lbldes"), -1, 1533, 869, 510, 195, sansSerif, 8.25);

    Image1 = image(QStringLiteral("Image1"), -1, 120, 240, 1335, 1695, QStringLiteral("artifex"), true);
    Image1->useCustomPointer();

    // An engraved separator under the credits: a grey line over a white one.
    auto *groove = new Line(w, QStringLiteral("Line1"), 1);
    groove->setForeColor(grey);
    groove->setEnds(90 / unitX, 2085 / unitY, 3408 / unitX, 2085 / unitY);
    Line1.add(1, groove);
    auto *ridge = new Line(w, QStringLiteral("Line1"), 0);
    ridge->setForeColor(white);
    ridge->setBorderWidth(2);
    ridge->setEnds(105 / unitX, 2100 / unitY, 3392 / unitX, 2100 / unitY);
    Line1.add(0, ridge);

    lblVersion = label(QStringLiteral("lblVersion"), -1, 1530, 510, 1260, 240, sansSerif, 9.75);
    email = label(QStringLiteral("email"), -1, 210, 2325, 885, 195, sansSerif, 8.25);
    email->setForeColor(QColor(0, 0, 0));
}

void frmAbout::Form_Load() {
    if (main_->sign(1)->caption() == QStringLiteral("?")) {
        // No game has been set up in this run: only the credits part shows.
        setOuterWidth(narrowWidth);
    } else {
        Impostazioni *settings = main_->impostazioni();
        Picture1(1)->setPicture(settings->Picture1(1)->picture());
        if (main_->colonna(2)->shown()) {
            // Two players: each character with the arrow to its key, 1 left and 0 right.
            Label1(1)->setCaption(settings->nomefoto(1)->caption());
            Picture1(2)->setPicture(settings->Picture1(2)->picture());
            Label1(2)->setCaption(settings->nomefoto(2)->caption());
            Freccia(1)->show();
            Freccia(2)->show();
            Freccia(3)->hide();
        } else {
            // One player, who answers with Enter or Space: the bent arrow points at both.
            Label1(1)->setCaption(settings->nomefoto(1)->caption() +
                                  QStringLiteral("\r'Enter' vel\r'Space'"));
            Label1(2)->hide();
            Picture1(2)->hide();
            Freccia(1)->hide();
            Freccia(2)->hide();
            Freccia(3)->show();
            Picture1(1)->setLeft(6000);
            Label1(1)->setLeft(7050);
        }
    }
    lblVersion->setCaption(QStringLiteral("LessiCorsa %1.%2.%3")
                               .arg(ui::versionMajor)
                               .arg(ui::versionMinor)
                               .arg(ui::versionRevision));
    lbldes->setCaption(authorLine + QLatin1Char('\r') + placeLine + QLatin1Char('\r') + yearsLine);
    email->setCaption(QStringLiteral("Artificis\rinscriptio electronica:\r\r") + contactAddress);
}

void frmAbout::activate() {
    Command1->setFocus();
}

void frmAbout::Command1_Click() {
    close();
}

void frmAbout::Command3_Click() {
    Command3->hide();
}
