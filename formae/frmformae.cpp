#include "formae/frmformae.h"

#include "settings/palette.h"
#include "ui/button.h"
#include "ui/frame.h"
#include "ui/picture.h"

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

struct Box {
    QString caption, tip;
};

} // namespace

frmFormae::frmFormae(const formae::Asks &a)
    : Form(QStringLiteral("frmFormae"), Border::FixedDialog, 6915, 2430) {
    palette::dressWindow(*this, QStringLiteral("LessiCorsa! Formae"));
    QWidget *w = client();

    // A framed group of check boxes, one below the other.
    auto group = [&](const QString &frameName, QRectF r, const QString &caption, const QString &boxName,
                     ControlArray<CheckBox> &boxes, const QList<Box> &items, const QList<bool> &values) {
        auto *fr = make<Frame>(w, frameName, -1, r, caption);
        fr->setFontSpec(arial, 8.25, true);
        fr->setBackColor(windowBack);
        for (int k = 1; k <= items.size(); ++k) {
            auto *c =
                make<CheckBox>(fr, boxName, k, {120, 240.0f * static_cast<float>(k), r.width() - 240, 240},
                               items[k - 1].caption);
            c->setBackColor(windowBack);
            c->setToolTipText(items[k - 1].tip);
            c->setValue(values[k - 1] ? 1 : 0);
            boxes.add(k, c);
            connect(c, &Control::Click, this, [this, &boxes, k] {
                keepOne(boxes, k);
                if (&boxes == &Genera) showVerbs();
            });
        }
        return fr;
    };
    group(QStringLiteral("Frame1"), {120, 0, 2040, 1335}, QStringLiteral("Vocabula"),
          QStringLiteral("Genera"), Genera,
          {{QStringLiteral("Nomina"), tr("Chiedi le forme dei nomi")},
           {QStringLiteral("Adiectiva"), tr("Chiedi le forme degli aggettivi")},
           {QStringLiteral("Pronomina"), tr("Chiedi le forme dei pronomi")},
           {QStringLiteral("Verba"), tr("Chiedi le forme dei verbi")}},
          {a.nouns, a.adjectives, a.pronouns, a.verbs});
    group(QStringLiteral("Frame2"), {2280, 0, 2160, 1335}, QStringLiteral("Modi verborum"),
          QStringLiteral("Modi"), Modi,
          {{QStringLiteral("Indicativus"), tr("Chiedi le forme del modo indicativo")},
           {QStringLiteral("Coniunctivus"), tr("Chiedi le forme del modo congiuntivo")},
           {QStringLiteral("Imperativus"), tr("Chiedi le forme del modo imperativo")},
           {QStringLiteral("Infinitivus"), tr("Chiedi le forme del modo infinito")}},
          QList<bool>(a.moods.begin(), a.moods.end()));
    group(QStringLiteral("Frame3"), {4560, 0, 2235, 1815}, QStringLiteral("Tempora"),
          QStringLiteral("Tempora"), Tempora,
          {{QStringLiteral("Praesens"), tr("Chiedi le forme del presente")},
           {QStringLiteral("Imperfectum"), tr("Chiedi le forme dell'imperfetto")},
           {QStringLiteral("Futurum"), tr("Chiedi le forme del futuro semplice")},
           {QStringLiteral("Perfectum"), tr("Chiedi le forme del perfetto")},
           {QStringLiteral("Plusquamperfectum"), tr("Chiedi le forme del piuccheperfetto")},
           {QStringLiteral("Futurum exactum"), tr("Chiedi le forme del futuro anteriore")}},
          QList<bool>(a.tenses.begin(), a.tenses.end()));
    group(QStringLiteral("Frame4"), {2280, 1455, 2160, 855}, QStringLiteral("Genera verbi"),
          QStringLiteral("Genus"), Genus,
          {{QStringLiteral("Activum"), tr("Chiedi le forme attive")},
           {QStringLiteral("Passivum"), tr("Chiedi le forme passive (e dei deponenti)")}},
          QList<bool>(a.voices.begin(), a.voices.end()));

    auto button = [&](const QString &name, QRectF r, const QString &caption) {
        auto *b = make<CommandButton>(w, name, -1, r, caption);
        b->setFontSpec(arial, 9.75, true);
        b->setBackColor(controlBack);
        return b;
    };
    okay = button(QStringLiteral("okay"), {120, 1455, 975, 570}, QStringLiteral("&O.K."));
    Exit = button(QStringLiteral("Exit"), {1185, 1455, 975, 570}, QStringLiteral("&Exit (Esc)"));
    okay->setToolTipText(tr("Conserva queste scelte per le partite di forme"));
    Exit->setToolTipText(tr("Chiudi senza cambiare le scelte"));
    connect(okay, &Control::Click, this, &frmFormae::okay_Click);
    connect(Exit, &Control::Click, this, &frmFormae::Exit_Click);
    setDefaultButton(okay);
    setCancelButton(Exit);
    showVerbs();
}

frmFormae::~frmFormae() {
    releaseControls();
}

void frmFormae::keepOne(ControlArray<CheckBox> &group, int k) {
    for (const auto &[i, c] : group)
        if (c->value()) return;
    group(k)->setValue(1);
}

void frmFormae::showVerbs() {
    const bool verbs = Genera(4)->value() != 0;
    for (ControlArray<CheckBox> *g : {&Modi, &Tempora, &Genus})
        for (const auto &[i, c] : *g)
            c->setEnabled(verbs);
}

formae::Asks frmFormae::asks() const {
    formae::Asks a;
    a.nouns = Genera(1)->value();
    a.adjectives = Genera(2)->value();
    a.pronouns = Genera(3)->value();
    a.verbs = Genera(4)->value();
    for (int k = 1; k <= 4; ++k)
        a.moods[k - 1] = Modi(k)->value();
    for (int k = 1; k <= 6; ++k)
        a.tenses[k - 1] = Tempora(k)->value();
    for (int k = 1; k <= 2; ++k)
        a.voices[k - 1] = Genus(k)->value();
    return a;
}

void frmFormae::okay_Click() {
    confirmed_ = true;
    hide();
}

void frmFormae::Exit_Click() {
    hide();
}
