// The settings window's composition at creation: every control in its order
// of creation (front to back), with container, index, rectangle in twips,
// caption, colours, font and initial value; and the wiring of the handlers.

#include "settings/impostazioni.h"
#include "settings/palette.h"

using namespace ui;
using namespace palette;

namespace {

template <typename T>
T *make(QWidget *in, const QString &name, int index, QRectF r, const QString &caption = QString()) {
    auto *c = new T(in, name, index);
    c->setRect(r.x(), r.y(), r.width(), r.height());
    c->setFontSpec(arial, 8.25);
    if (!caption.isEmpty()) c->setCaption(caption);
    return c;
}

} // namespace

Impostazioni::Impostazioni(Traduci *main)
    : Form(QStringLiteral("Impostazioni"), Border::FixedSingle, 6915, 4710), main_(main) {
    setCaption(QStringLiteral("LessiCorsa! Novus ludus"));
    setBackColor(windowBack);
    setForeColor(red);
    QFont f(arial);
    f.setPointSizeF(8.25);
    setFont(f);
    setWindowIcon(ui::Picture::load(QStringLiteral("icon")).icon());
    setKeyPreview(true);
    setDiscardOnClose(true);
    createControls();
    setDefaultButton(okay(0));
    setCancelButton(okay(1));
    connectHandlers();
    Form_Load();
}

Impostazioni::~Impostazioni() {
    releaseControls();
}

void Impostazioni::createControls() {
    QWidget *w = client();

    // The buttons.
    auto button = [&](const QString &name, int index, QRectF r, const QString &caption, double pt,
                      bool bold) {
        auto *b = make<CommandButton>(w, name, index, r, caption);
        b->setFontSpec(arial, pt, bold);
        b->setBackColor(controlBack);
        return b;
    };
    okay.add(0, button(QStringLiteral("okay"), 0, {5520, 120, 1335, 570}, QStringLiteral("&O.K."), 12, true));
    okay.add(1, button(QStringLiteral("okay"), 1, {5520, 705, 650, 510}, QStringLiteral("&Exit (Esc)"), 9.75,
                       true));
    Memento =
        button(QStringLiteral("Memento"), -1, {6205, 705, 650, 510}, QStringLiteral("Me mento"), 9, false);
    Memento->useCustomPointer();

    // The names under the portraits and the heading between them.
    auto name = [&](int k, QRectF r, const QString &caption) {
        auto *l = make<Label>(w, QStringLiteral("nomefoto"), k, r, caption);
        l->setBorderStyle(1);
        l->setAlignment(Label::AlignCenter);
        l->setBackColor(white);
        l->useCustomPointer();
        nomefoto.add(k, l);
    };
    name(0, {1440, 4380, 4050, 255}, QStringLiteral("Sua cuique persona"));
    name(1, {5760, 4380, 1050, 255}, QString());
    name(2, {120, 4380, 1050, 255}, QString());

    // The portraits, and the speech bubbles with the quotations inside.
    auto picture = [&](int k, QRectF r) {
        auto *p = make<PictureBox>(w, QStringLiteral("Picture1"), k, r);
        p->setBackColor(windowBack);
        p->useCustomPointer();
        Picture1.add(k, p);
        return p;
    };
    picture(1, {5760, 3180, 1050, 1050});
    picture(2, {120, 3180, 1050, 1050});
    auto bubble = [&](int k, QRectF r, const QString &drawing, int quotation, QRectF textRect) {
        PictureBox *p = picture(k, r);
        p->setPicture(Picture::load(drawing, QSize(143, 70)));
        auto *b = make<Label>(p, QStringLiteral("battuta"), quotation, textRect);
        b->setFontSpec(QStringLiteral("Comic Sans MS"), 8.25);
        b->setAlignment(Label::AlignCenter);
        b->setWordWrap(true);
        b->setBackColor(white);
        battuta.add(quotation, b);
    };
    // Player 1's bubble points right, to the right-hand portrait; player 2's left.
    bubble(3, {3570, 3300, 2145, 1050}, QStringLiteral("bubble_right"), 1, {90, 150, 1530, 840});
    bubble(4, {1230, 3300, 2145, 1050}, QStringLiteral("bubble_left"), 2, {570, 150, 1530, 840});

    // The personal vocabulary and the exclusion of similar words.
    auto check = [&](QWidget *in, const QString &name, int index, QRectF r, const QString &caption) {
        auto *c = make<CheckBox>(in, name, index, r, caption);
        c->setBackColor(windowBack);
        return c;
    };
    Chfreq.add(0, check(w, QStringLiteral("Chfreq"), 0, {2160, 2720, 4590, 600},
                        QStringLiteral("Repertorio meo utor (vocpers.txt)")));
    Chfreq(0)->useCustomPointer();
    similino = check(w, QStringLiteral("similino"), -1, {2160, 2490, 4415, 210},
                     QStringLiteral("&Excipio simillima (duae priores litterae comparantur)"));

    // The language list.
    Frame4 = make<Frame>(w, QStringLiteral("Frame4"), -1, {5520, 1320, 1335, 1110},
                         QStringLiteral("Verto in...."));
    Frame4->setBackColor(windowBack);
    Lingue = make<ListBox>(Frame4, QStringLiteral("Lingue"), -1, {60, 210, 1200, 840});
    Lingue->setBackColor(controlBack);

    // The frequency classes and the grammatical classes.
    auto classes = [&](const QString &frameName, float top, const QString &caption, const QString &boxName,
                       ControlArray<CheckBox> &boxes, const QStringList &captions) {
        auto *f = make<Frame>(w, frameName, -1, {2040, top, 3375, 1215}, caption);
        f->setFontSpec(arial, 8.25, true);
        f->setBackColor(windowBack);
        for (int k = 1; k <= 4; ++k) {
            const QRectF r(120, 240 * k, 3135, 240);
            boxes.add(k, check(f, boxName, k, r, captions.at(k - 1)));
            boxes(k)->setValue(1);
        }
        return f;
    };
    Frame3 = classes(QStringLiteral("Frame3"), 1230, QStringLiteral("Ordines crebritatis"),
                     QStringLiteral("Chfreq"), Chfreq,
                     {QStringLiteral("Ordo I (creberrima)"), QStringLiteral("Ordo II"),
                      QStringLiteral("Ordo III"), QStringLiteral("Ordo IIII (rariora)")});
    Frame2 = classes(QStringLiteral("Frame2"), 0, QStringLiteral("Grammatica"), QStringLiteral("Chclassi"),
                     Chclassi,
                     {QStringLiteral("Nomina"), QStringLiteral("Adiectiva, pronomina"),
                      QStringLiteral("Verba"), QStringLiteral("Indeclinabilia ")});

    // The general options.
    Frame1 = make<Frame>(w, QStringLiteral("Frame1"), -1, {120, 0, 1815, 3075});
    Frame1->setBackColor(windowBack);
    suoni = check(Frame1, QStringLiteral("suoni"), -1, {90, 210, 760, 210}, QStringLiteral("&Sonus"));
    musica = check(Frame1, QStringLiteral("musica"), -1, {930, 210, 810, 210}, QStringLiteral("&Musica"));
    velocita = make<Label>(Frame1, QStringLiteral("velocità"), -1, {435, 600, 945, 195});
    velocita->setBackColor(windowBack);
    velocita->setAlignment(Label::AlignCenter);
    velocita->setAutoSizeKeepsCentre(true);
    velocita->setAutoSize(true);
    velocita->setCaption(QStringLiteral("Ludi celeritas"));
    velox = make<HScrollBar>(Frame1, QStringLiteral("velox"), -1, {120, 810, 1575, 250});
    velox->setMin(1);
    velox->setMax(5);
    velox->setValue(3);
    auto option = [&](int k, float top, const QString &caption) {
        auto *o = make<OptionButton>(Frame1, QStringLiteral("Giocatori"), k, {240, top, 1455, 300}, caption);
        o->setBackColor(windowBack);
        Giocatori.add(k, o);
    };
    option(1, 1140, QStringLiteral("&1 lusor"));
    option(2, 1410, QStringLiteral("&2 lusores"));
    Giocatori(2)->setValue(true);
    quverbi = make<ListBox>(Frame1, QStringLiteral("quverbi"), -1, {120, 1710, 1575, 1110});
    quverbi->setBackColor(controlBack);

    // The portrait store: the six characters' pictures, below the visible area.
    for (int k = 1; k <= 6; ++k) {
        auto *p = make<PictureBox>(w, QStringLiteral("foto"), k, {120 + 1110.0f * (k - 1), 5685, 1050, 1050});
        p->setFocusPolicy(Qt::NoFocus);
        p->setPicture(Picture::load(QStringLiteral("foto%1").arg(k), QSize(70, 70)));
        p->setShown(false);
        foto.add(k, p);
    }
}

void Impostazioni::connectHandlers() {
    for (const auto &[k, c] : Chclassi)
        connect(c, &Control::Click, this, [this, k = k] { Chclassi_Click(k); });
    for (const auto &[k, c] : Chfreq)
        connect(c, &Control::Click, this, [this, k = k] { Chfreq_Click(k); });
    connect(similino, &Control::Click, this, &Impostazioni::similino_Click);
    connect(Lingue, &Control::Click, this, &Impostazioni::Lingue_Click);
    for (const auto &[k, c] : Giocatori)
        connect(c, &Control::Click, this, [this, k = k] { Giocatori_Click(k); });
    connect(velox, &HScrollBar::Change, this, &Impostazioni::velox_Change);
    for (const auto &[k, c] : okay)
        connect(c, &Control::Click, this, [this, k = k] { okay_Click(k); });
    connect(Memento, &Control::Click, this, &Impostazioni::Memento_Click);
    for (const auto &[k, c] : Picture1) {
        connect(c, &Control::Click, this, [this, k = k] { Picture1_Click(k); });
        connect(c, &Control::GotFocus, this, [this, k = k] { Picture1_GotFocus(k); });
        connect(c, &Control::LostFocus, this, [this, k = k] { Picture1_LostFocus(k); });
    }
    for (const auto &[k, c] : battuta)
        connect(c, &Control::Click, this, [this, k = k] { battuta_Click(k); });
    for (const auto &[k, c] : nomefoto)
        connect(c, &Control::Click, this, [this, k = k] { nomefoto_Click(k); });
}
