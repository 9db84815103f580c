// The main window's composition at creation: every control in its order of
// creation (front to back), with container, index, rectangle in twips, text,
// colours, font, picture and shown state.

#include "board/species.h"
#include "board/traduci.h"
#include "ui/multimedia.h"

#include <QGuiApplication>
#include <QMenu>

using namespace ui;

namespace {

const QColor orange(255, 128, 0);
const QColor darkRed(64, 0, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);
const QColor paleYellow(255, 255, 128);

template <typename T>
T *make(QWidget *in, const QString &name, int index, float l, float t, float w, float h, bool shown) {
    auto *c = new T(in, name, index);
    c->setRect(l, t, w, h);
    c->setShown(shown);
    return c;
}

Label *label(QWidget *in, const QString &name, int index, QRectF r, const QString &caption, bool shown) {
    auto *c = make<Label>(in, name, index, r.x(), r.y(), r.width(), r.height(), shown);
    c->setCaption(caption);
    return c;
}

Image *image(QWidget *in, const QString &name, int index, QRectF r, const QString &picture, bool stretch,
             bool shown) {
    auto *c = make<Image>(in, name, index, r.x(), r.y(), r.width(), r.height(), shown);
    c->setStretch(stretch);
    if (!picture.isEmpty()) c->setPicture(Picture::load(picture, (r.size() / twipsPerPixel).toSize()));
    return c;
}

} // namespace

void Traduci::createControls() {
    QWidget *w = client();

    MCImusica = new MultimediaDevice(QStringLiteral("MCImusica"), QStringLiteral("musica.mid"), this);
    MCiwrong = new MultimediaDevice(QStringLiteral("MCiwrong"), QStringLiteral("Wrong.wav"), this);
    MCIright = new MultimediaDevice(QStringLiteral("MCIright"), QStringLiteral("Right.wav"), this);
    MCIvittoria = new MultimediaDevice(QStringLiteral("MCIvittoria"), QStringLiteral("Vittoria.wav"), this);

    for (int k : {1, 2}) {
        const QRectF r = k == 1 ? QRectF(480, 4800, 510, 660) : QRectF(3240, 5040, 510, 660);
        auto *f =
            make<PictureBox>(w, QStringLiteral("figura"), k, r.x(), r.y(), r.width(), r.height(), false);
        f->setFocusPolicy(Qt::NoFocus);
        f->setBackColor(k == 1 ? blue : red);
        f->setPicture(Picture::load(k == 1 ? QStringLiteral("imr0") : QStringLiteral("iml0"), QSize(34, 44)));
        figura.add(k, f);
    }

    Frame1 = make<Frame>(w, QStringLiteral("Frame1"), -1, 0, 0, 4925, 4515, true);
    Frame1->setBackColor(darkRed);
    Frame1->setBorderStyle(0);
    QWidget *f1 = Frame1;

    auto quotation = [&](int k, QRectF r, double pt) {
        auto *b = label(f1, QStringLiteral("battuta"), k, r, QStringLiteral("Battuta"), false);
        b->setForeColor(darkRed);
        b->setBackStyle(0);
        b->setAlignment(Label::AlignCenter);
        b->setWordWrap(true);
        b->setFontSpec(QStringLiteral("Comic Sans MS"), pt, true);
        battuta.add(k, b);
    };
    auto bubble = [&](int k, QRectF r) {
        auto *b =
            image(f1, QStringLiteral("fumetto"), k, r, QStringLiteral("fumetto%1").arg(k), false, false);
        fumetto.add(k, b);
    };
    quotation(2, {2040, 3720, 1725, 900}, 9.75);
    bubble(4, {1920, 3480, 2175, 2370});
    bubble(3, {3480, 3000, 2370, 2415});
    quotation(1, {360, 2640, 3975, 1335}, 18);
    bubble(2, {240, 240, 4350, 4320});
    bubble(1, {720, 2520, 4350, 4320});

    auto candidate = [&](int k, QRectF r, const QColor &back) {
        auto *s = label(f1, QStringLiteral("sign"), k, r, QStringLiteral("?"), true);
        s->setBackColor(back);
        s->setBorderStyle(1);
        s->setAlignment(Label::AlignCenter);
        s->setWordWrap(true);
        s->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25);
        sign.add(k, s);
    };
    candidate(11, {0, 0, 1575, 495}, QColor(255, 255, 192));
    for (int k = 1; k <= 10; ++k)
        candidate(k, {0, 0, 1575, 495}, paleYellow);
    Parola = label(f1, QStringLiteral("Parola"), -1, {1245, 1800, 825, 390}, QString(), true);
    Parola->setBackColor(darkRed);
    Parola->setForeColor(yellow);
    Parola->setAlignment(Label::AlignCenter);
    Parola->setFontSpec(QStringLiteral("Comic Sans MS"), 14.25);
    Parola->setAutoSizeKeepsCentre(true);
    Parola->setAutoSize(true);
    Parola->setCaption(QStringLiteral("Parola"));
    Lemma = label(f1, QStringLiteral("Lemma"), -1, {1245, 2200, 825, 240}, QString(), false);
    Lemma->setBackStyle(0);
    Lemma->setForeColor(yellow);
    Lemma->setAlignment(Label::AlignCenter);
    Lemma->setFontSpec(QStringLiteral("Arial"), 9);
    Lemma->setAutoSizeKeepsCentre(true);
    Lemma->setAutoSize(true);
    candidate(0, {600, 480, 1575, 495}, paleYellow);
    // The names of the pupils who play, when a feature names them: at the
    // panel's foot, above each one's portrait.
    for (int k : {1, 2}) {
        Label *n = label(f1, QStringLiteral("nomen"), k, {0, 0, 1500, 285}, QString(), false);
        n->setBackStyle(0);
        n->setForeColor(yellow);
        n->setFontSpec(QStringLiteral("Arial"), 11);
        n->setFontBold(true);
        n->setAutoSize(true);
        nomen.add(k, n);
    }

    Frame2 = make<Frame>(w, QStringLiteral("Frame2"), -1, 3960, 3360, 2415, 1695, false);
    Frame2->setCaption(QStringLiteral("Frame2"));
    Frame2->setFontSpec(QStringLiteral("Arial"), 9);
    auto list = [&](const QString &name, float top) {
        auto *l = make<ListBox>(Frame2, name, -1, 240, top, 1215, 270, true);
        l->setFontSpec(QStringLiteral("Arial"), 8.25);
        return l;
    };
    frequenza = list(QStringLiteral("frequenza"), 1200);
    categoria = list(QStringLiteral("categoria"), 840);
    traduzione = list(QStringLiteral("traduzione"), 600);
    vocabolo = list(QStringLiteral("vocabolo"), 240);

    Cornice = make<Frame>(w, QStringLiteral("Cornice"), -1, 2040, 3000, 3375, 1095, true);
    Cornice->setBackColor(orange);
    auto status = [&](int k, QRectF r, const QString &caption) {
        auto *l = label(Cornice, QStringLiteral("Lab"), k, r, caption, true);
        l->setBackColor(orange);
        l->setFontSpec(QStringLiteral("Arial"), 11.25, true);
        l->setAutoSize(true);
        Lab.add(k, l);
    };
    status(2, {90, 780, 975, 270}, QStringLiteral("Penalità: "));
    status(1, {90, 720, 1395, 270}, QStringLiteral("Tempo: 00 00"));
    Labverbi = label(Cornice, QStringLiteral("Labverbi"), -1, {90, 240, 1935, 375},
                     QStringLiteral("Vocaboli: "), true);
    Labverbi->setBackColor(orange);
    Labverbi->setFontSpec(QStringLiteral("Arial"), 11.25, true);

    errati = make<ListBox>(w, QStringLiteral("errati"), -1, 5520, 120, 1215, 1035, false);
    errati->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25);

    Timer1 = new Timer(this, QStringLiteral("Timer1"), 1000, false);

    for (const auto &[side, array] :
         {std::pair{QStringLiteral("iml"), &Iml}, std::pair{QStringLiteral("imr"), &Imr}}) {
        const QString name = side == QStringLiteral("iml") ? QStringLiteral("Iml") : QStringLiteral("Imr");
        for (int k = 0; k <= 7; ++k) {
            const QRectF r = k == 7 ? QRectF(0, 0, 375, 315) : QRectF(0, 0, k == 4 ? 495 : 510, 660);
            array->add(k, image(w, name, k, r, side + QString::number(k), false, false));
        }
    }

    arapacis = image(w, QStringLiteral("arapacis"), -1, {5400, 2520, 2700, 1050}, QStringLiteral("arapacis"),
                     false, false);

    auto statusLine = [&](const QString &name, QRectF r) {
        auto *l = label(w, name, -1, r, QString(), false);
        l->setBackColor(orange);
        l->setBorderStyle(1);
        l->setAlignment(Label::AlignCenter);
        l->setFontSpec(QStringLiteral("MS Sans Serif"), 8.25);
        return l;
    };
    auto score = [&](int k, QRectF r, const QColor &colour) {
        auto *l = label(w, QStringLiteral("punti"), k, r, QStringLiteral("0"), false);
        l->setBackColor(QGuiApplication::palette().color(QPalette::Window));
        l->setForeColor(colour);
        l->setBorderStyle(1);
        l->setAlignment(Label::AlignCenter);
        l->setFontSpec(QStringLiteral("Arial"), 14.25, true);
        punti.add(k, l);
    };
    Labelsotto1 = statusLine(QStringLiteral("Labelsotto1"), {0, 6000, 5700, 300});
    score(1, {4920, 2400, 420, 375}, blue);
    colonna.add(1, image(w, QStringLiteral("colonna"), 1, {5400, 3360, 510, 495},
                         QStringLiteral("colonna_blue"), true, false));
    foto2 = image(w, QStringLiteral("foto2"), -1, {5880, 2160, 1050, 1050}, QString(), false, false);
    Labelsotto2 = statusLine(QStringLiteral("Labelsotto2"), {5715, 6000, 1305, 300});
    foto1 = image(w, QStringLiteral("foto1"), -1, {2280, 2880, 1050, 1050}, QString(), false, true);
    score(2, {3840, 5040, 420, 375}, red);
    base.add(1, image(w, QStringLiteral("base"), 1, {5160, 1680, 510, 420}, QStringLiteral("base_blue"), true,
                      false));
    base.add(2, image(w, QStringLiteral("base"), 2, {1800, 5040, 510, 420}, QStringLiteral("base_red"), true,
                      false));
    colonna.add(2, image(w, QStringLiteral("colonna"), 2, {2280, 5040, 510, 495},
                         QStringLiteral("colonna_red"), true, false));
    for (int k : {2, 1}) {
        const QRectF r = k == 2 ? QRectF(480, 4680, 540, 975) : QRectF(5760, 1320, 540, 555);
        auto *b = make<Shape>(w, QStringLiteral("barra"), k, r.x(), r.y(), r.width(), r.height(), false);
        b->setBackColor(k == 1 ? blue : red);
        barra.add(k, b);
    }
    barrone.add(1, image(w, QStringLiteral("barrone"), 1, {6000, 1440, 690, 6285}, QStringLiteral("barrone"),
                         true, false));
    barrone.add(2, image(w, QStringLiteral("barrone"), 2, {720, 0, 690, 6285}, QStringLiteral("barrone"),
                         true, false));
}

void Traduci::createMenu() {
    QMenu *m = addMenu(QStringLiteral("Imposta1"), QStringLiteral("&Incipit ludus"));
    Imposta = new MenuItem(this, QStringLiteral("Imposta"), QStringLiteral("&Novus ludus"));
    m->addAction(Imposta);
    m->addSeparator()->setObjectName(QStringLiteral("linea"));
    Esci = new MenuItem(this, QStringLiteral("Esci"), QStringLiteral("&Finis"));
    m->addAction(Esci);
    // The view's own menu, beside the game's: zoom steps and full screen.
    new Species(this);
    QMenu *help = addMenu(QStringLiteral("Info1"), QStringLiteral("?"));
    Info = new MenuItem(this, QStringLiteral("Info"), QStringLiteral("Info"));
    Info->setShortcut(QKeySequence(Qt::Key_F1));
    Info->setShortcutContext(Qt::WindowShortcut);
    help->addAction(Info);
    addAction(Info); // F1 works even while the menu is closed
    connect(Imposta, &QAction::triggered, this, &Traduci::Imposta_Click);
    connect(Esci, &QAction::triggered, this, &Traduci::Esci_Click);
    connect(Info, &QAction::triggered, this, &Traduci::Info_Click);

    // The features beyond the board, their menus before the help menu.
    createFeatures();
}
