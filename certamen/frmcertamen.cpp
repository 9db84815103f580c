#include "certamen/frmcertamen.h"

#include "certamen/certamen.h"
#include "certamen/hosted.h"
#include "settings/palette.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <cmath>

using namespace ui;
using namespace palette;
using namespace certamen;

namespace {

const QString title = QStringLiteral("LessiCorsa! Certamen");
// A list of 32 names is well under a kilobyte.
constexpr qint64 largestList = 64 * 1024;

} // namespace

frmCertamen::frmCertamen(Certamen &certamen, const std::optional<game::Choices> &choices)
    : Form(QStringLiteral("frmCertamen"), Border::FixedDialog, 6915, 5040), certamen_(certamen),
      choices_(choices) {
    setCaption(title);
    setBackColor(windowBack);
    setForeColor(red);
    QFont f(arial);
    f.setPointSizeF(8.25);
    setFont(f);
    setWindowIcon(Picture::load(QStringLiteral("icon")).icon());
    setDiscardOnClose(true);
    QWidget *w = client();

    auto label = [&](const QString &name, QRectF r, const QString &caption) {
        auto *l = new Label(w, name);
        l->setRect(r.x(), r.y(), r.width(), r.height());
        l->setFontSpec(arial, 8.25);
        l->setBackColor(windowBack);
        l->setCaption(caption);
        return l;
    };
    titulus = label(QStringLiteral("titulus"), {120, 90, 3800, 240},
                    QStringLiteral("Nomina certantium, singula in singulis versibus"));
    titulus->setFontBold(true);

    nominaText = new QPlainTextEdit;
    nominaText->setObjectName(QStringLiteral("nominaText"));
    nominaText->setTabChangesFocus(true);
    nominaText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette pal = nominaText->palette();
    pal.setColor(QPalette::Base, white);
    pal.setColor(QPalette::Text, QColor(0, 0, 0));
    nominaText->setPalette(pal);
    nomina = new Hosted(w, QStringLiteral("nomina"), nominaText);
    nomina->setRect(120, 360, 3800, 4080);
    nomina->setFontSpec(arial, 9.75);
    nomina->setToolTipText(tr("Un nome per riga: da 3 a 32 alunni o squadre"));
    connect(nominaText, &QPlainTextEdit::textChanged, this, &frmCertamen::count);

    auto button = [&](const QString &name, QRectF r, const QString &caption, double pt, bool bold) {
        auto *b = new CommandButton(w, name);
        b->setRect(r.x(), r.y(), r.width(), r.height());
        b->setFontSpec(arial, pt, bold);
        b->setBackColor(controlBack);
        b->setCaption(caption);
        return b;
    };
    Lege =
        button(QStringLiteral("Lege"), {120, 4530, 1900, 390}, QStringLiteral("&Lege ex indice…"), 9, false);
    Lege->setToolTipText(tr("Legge i nomi da un file di testo, uno per riga"));
    numerus = label(QStringLiteral("numerus"), {2100, 4590, 1820, 255}, QString());
    numerus->setAlignment(Label::AlignRight);

    Forma = new Frame(w, QStringLiteral("Forma"));
    Forma->setRect(4080, 0, 2715, 1035);
    Forma->setFontSpec(arial, 8.25, true);
    Forma->setBackColor(windowBack);
    Forma->setCaption(QStringLiteral("Forma certaminis"));
    auto option = [&](const QString &name, float top, const QString &caption, const QString &tip) {
        auto *o = new OptionButton(Forma, name);
        o->setRect(120, top, 2475, 300);
        o->setFontSpec(arial, 8.25);
        o->setBackColor(windowBack);
        o->setCaption(caption);
        o->setToolTipText(tip);
        return o;
    };
    Eliminatio = option(QStringLiteral("Eliminatio"), 270, QStringLiteral("Eli&minatio"),
                        tr("Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale"));
    Orbis =
        option(QStringLiteral("Orbis"), 600, QStringLiteral("O&rbis"),
               tr("Girone all'italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti"));
    Eliminatio->setValue(true);

    Optiones = button(QStringLiteral("Optiones"), {4080, 1140, 2715, 450}, QStringLiteral("Optiones lu&di…"),
                      9, false);
    Optiones->setToolTipText(tr("Sceglie, nella finestra delle impostazioni, come si gioca ogni partita"));
    optiones = label(QStringLiteral("optiones"), {4080, 1680, 2715, 1080}, QString());
    optiones->setBackColor(white);
    optiones->setBorderStyle(1);
    optiones->setAlignment(Label::AlignCenter);
    optiones->setWordWrap(true);

    Formae = new CheckBox(w, QStringLiteral("Formae"));
    Formae->setRect(4080, 2820, 2715, 300);
    Formae->setFontSpec(arial, 8.25);
    Formae->setBackColor(windowBack);
    Formae->setCaption(QStringLiteral("Ludi &formarum"));
    Formae->setToolTipText(tr("Ogni partita chiede le forme delle parole invece del loro significato"));
    Formae->setValue(choices_ && choices_->kind == QStringLiteral("formae"));

    tempus = label(QStringLiteral("tempus"), {4080, 3150, 2715, 300}, QString());
    tempus->setAlignment(Label::AlignCenter);
    tempus->setFontBold(true);
    tempus->setToolTipText(tr("Durata stimata: le partite per la durata tipica di una partita con queste "
                              "parole e questa velocità. Si può dividere in più lezioni: il certamen "
                              "riprende da dove si è fermato"));
    okay = button(QStringLiteral("okay"), {4080, 3510, 2715, 570}, QStringLiteral("&O.K."), 12, true);
    okay->setToolTipText(tr("Sorteggia il certamen e mostra la tabula"));
    Exit = button(QStringLiteral("Exit"), {4080, 4170, 2715, 510}, QStringLiteral("&Exit (Esc)"), 9.75, true);
    setCancelButton(Exit);
    connect(Lege, &Control::Click, this, &frmCertamen::Lege_Click);
    connect(Optiones, &Control::Click, this, &frmCertamen::Optiones_Click);
    connect(okay, &Control::Click, this, &frmCertamen::okay_Click);
    connect(Eliminatio, &Control::Click, this, &frmCertamen::count);
    connect(Orbis, &Control::Click, this, &frmCertamen::count);
    connect(Exit, &Control::Click, this, &QWidget::hide);
    showChoices();
    count();
    nominaText->setFocus();
}

frmCertamen::~frmCertamen() {
    releaseControls();
}

void frmCertamen::count() {
    int n = 0;
    for (const QString &l : vocabulary::splitLines(nominaText->toPlainText()))
        n += !l.trimmed().isEmpty();
    numerus->setCaption(QStringLiteral("%1 certantes").arg(n));
    if (!tempus) return;
    const int matches = matchCount(Orbis->value() ? Kind::Orbis : Kind::Eliminatio, n);
    if (!choices_ || matches <= 0) {
        tempus->setCaption(QString());
        return;
    }
    const int minutes = static_cast<int>(std::ceil(matches * typicalMatchSeconds(*choices_) / 60));
    tempus->setCaption(QStringLiteral("%1 certamina · circiter %2′").arg(matches).arg(minutes));
}

void frmCertamen::showChoices() {
    if (!choices_) {
        optiones->setCaption(QStringLiteral("Optiones ludi nondum electae"));
        count();
        return;
    }
    const game::Choices &c = *choices_;
    QStringList lines{QStringLiteral("Ludi celeritas: %1").arg(c.speed),
                      plainForm(c.wordsChosen) + QStringLiteral(" vocabula"), c.vocabularyFile};
    if (!c.language.isEmpty()) lines << c.language;
    QStringList sounds;
    if (c.soundsOn) sounds << QStringLiteral("Sonus");
    if (c.musicOn) sounds << QStringLiteral("Musica");
    if (!sounds.isEmpty()) lines << sounds.join(QStringLiteral(" · "));
    optiones->setCaption(lines.join(QLatin1Char('\r')));
    count();
}

void frmCertamen::Lege_Click() {
    const QString path = Certamen::fileDialog(this, QStringLiteral("LessiCorsa! Lege"), QDir::homePath(),
                                              QStringLiteral("Indices (*.txt);;Omnia (*)"), false);
    if (path.isEmpty()) return;
    QFile f(path);
    if (!vocabulary::isReadableFile(path) || QFileInfo(path).size() > largestList ||
        !f.open(QIODevice::ReadOnly)) {
        platform().messageBox(tr("Impossibile leggere il file %1 come elenco di nomi: deve essere un file di "
                                 "testo di al massimo 64 KB, un nome per riga.")
                                  .arg(QDir::toNativeSeparators(path)),
                              title, Icon::Exclamation, Buttons::Ok);
        return;
    }
    // UTF-8 or Windows-1252, as the vocabulary files.
    nominaText->setPlainText(vocabulary::decode(f.readAll()));
}

void frmCertamen::Optiones_Click() {
    std::optional<game::Choices> start = choices_;
    if (start) start->playerCount = 2;
    if (std::optional<game::Choices> c = certamen_.door().askChoices(start)) {
        choices_ = c;
        choices_->playerCount = 2;
        choices_->characters = {};
    }
    showChoices();
    raise();
    activateWindow();
}

void frmCertamen::okay_Click() {
    const Kind kind = Orbis->value() ? Kind::Orbis : Kind::Eliminatio;
    const NameList list = readNames(nominaText->toPlainText(), kind);
    if (!list.problem.isEmpty()) {
        platform().messageBox(list.problem, title, Icon::Exclamation, Buttons::Ok);
        nominaText->setFocus();
        return;
    }
    // The match choices are chosen once: now, if not before.
    if (!choices_) Optiones_Click();
    if (!choices_) return;
    choices_->kind = Formae->value() ? QStringLiteral("formae") : QString();
    QList<Entrant> entrants;
    for (const QString &n : list.names)
        entrants.append({n, QString()});
    drawn_ =
        Tournament::draw(kind, entrants, *choices_, [](int n) { return intScaled(platform().rnd(), n); });
    hide();
}
