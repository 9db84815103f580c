#include "certamen/tabula.h"

#include "certamen/certamen.h"
#include "certamen/hosted.h"
#include "certamen/paint.h"
#include "settings/palette.h"
#include "ui/platform.h"
#include "ui/timer.h"
#include "ui/wholefile.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <cmath>

using namespace ui;
using namespace certamen;

namespace {

const QString title = QStringLiteral("LessiCorsa! Certamen");
// Long enough to find one's name on a page from the back of the room.
constexpr int pageMs = 8000;

// The results in order of play, annulled ones struck through: round, the two
// names, words right, errors, time.
class ResultsModel : public QAbstractTableModel {
  public:
    explicit ResultsModel(Certamen &c, QObject *parent) : QAbstractTableModel(parent), c_(c) {}
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() || !c_.tournament() ? 0 : static_cast<int>(c_.tournament()->log().size());
    }
    int columnCount(const QModelIndex & = {}) const override { return 6; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char *const heads[] = {"Gradus", "Sinister (1)", "Dexter (0)",
                                            "Recte",  "Errores",      "Tempus"};
        return QString::fromLatin1(heads[section]);
    }
    QVariant data(const QModelIndex &i, int role) const override {
        const Tournament &t = *c_.tournament();
        const Entry &e = t.log()[i.row()];
        const Match &m = t.matches()[e.match];
        if (role == Qt::FontRole) {
            QFont f;
            f.setStrikeOut(e.annulled);
            f.setBold(!e.annulled && (i.column() == 1 || i.column() == 2) &&
                      e.outcome.winner == m.side[i.column() - 1]);
            return f;
        }
        if (role == Qt::ForegroundRole && e.annulled) return QColor(faded);
        if (role == Qt::TextAlignmentRole)
            return i.column() == 1 || i.column() == 2 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                      : int(Qt::AlignCenter);
        if (role != Qt::DisplayRole) return {};
        return resultCells(t, e).at(i.column());
    }
    void refresh() {
        beginResetModel();
        endResetModel();
    }

  private:
    Certamen &c_;
};

// The board's size, menu bar included, in twips: the table covers it.
QSizeF boardTwips(Certamen &c) {
    auto *board = qobject_cast<Form *>(c.door().boardWindow());
    return board ? board->designPixels() * twipsPerPixel : QSizeF(7035, 6600);
}

QString today() {
    return QDate::currentDate().toString(Qt::ISODate);
}

} // namespace

Tabula::Tabula(Certamen &certamen, Mode mode)
    : Form(QStringLiteral("Tabula"), Border::FixedSingle, static_cast<float>(boardTwips(certamen).width()),
           static_cast<float>(boardTwips(certamen).height())),
      certamen_(certamen), mode_(mode) {
    setCaption(QStringLiteral("LessiCorsa! Tabula"));
    setBackColor(palette::windowBack);
    setForeColor(palette::red);
    QFont f(palette::arial);
    f.setPointSizeF(9);
    setFont(f);
    setWindowIcon(Picture::load(QStringLiteral("icon")).icon());
    setKeyPreview(true);
    setMarginColour(panel);
    const float w = scaleWidth(), h = scaleHeight();
    QWidget *client = this->client();

    pictura =
        new Pictura(client, QStringLiteral("pictura"), [this](QPainter &p, const QRectF &r) { paint(p, r); });
    Pagina = new Timer(this, QStringLiteral("Pagina"), pageMs, true);
    connect(Pagina, &Timer::tick, this, [this] {
        ++page_;
        pictura->update();
    });

    // The end's list of results and its buttons.
    auto *table = new QTableView;
    model_ = new ResultsModel(certamen, this);
    table->setModel(model_);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    QPalette pal = table->palette();
    pal.setColor(QPalette::Base, palette::white);
    pal.setColor(QPalette::Window, palette::controlBack);
    pal.setColor(QPalette::Button, palette::controlBack);
    table->setPalette(pal);
    eventus = new Hosted(client, QStringLiteral("eventus"), table);
    // 13 pixels at 100 %: some 31 at full screen 1080 high.
    eventus->setFontSpec(palette::arial, 9.75);
    for (int c : {3, 4, 5})
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    eventus->setRect(120, h * 0.64f + 90, w * 0.76f - 120, h * 0.36f - 180);
    auto button = [&](const QString &name, float top, const QString &caption) {
        auto *b = new CommandButton(client, name);
        b->setRect(w * 0.78f, top, w * 0.22f - 120, 480);
        b->setFontSpec(palette::arial, 9.75, true);
        b->setBackColor(palette::controlBack);
        b->setCaption(caption);
        return b;
    };
    const float top = h * 0.64f + 90;
    Exporta = button(QStringLiteral("Exporta"), top, QStringLiteral("&Exporta"));
    Imprime = button(QStringLiteral("Imprime"), top + 540, QStringLiteral("&Imprime"));
    Iterum = button(QStringLiteral("Iterum"), top + 1080, QStringLiteral("I&terum…"));
    Exit = button(QStringLiteral("Exit"), top + 1620, QStringLiteral("E&xit (Esc)"));
    Exporta->setToolTipText(tr("Salva i risultati in un file CSV, da aprire con un foglio di calcolo"));
    Imprime->setToolTipText(tr("Stampa i risultati, o li salva in un file PDF"));
    connect(Exporta, &Control::Click, this, &Tabula::Exporta_Click);
    connect(Imprime, &Control::Click, this, &Tabula::Imprime_Click);
    Iterum->setToolTipText(tr("Annulla il risultato di una partita, che si gioca di nuovo"));
    connect(Iterum, &Control::Click, &certamen, &Certamen::Iterum_Click);
    connect(Exit, &Control::Click, this, &QWidget::hide);

    if (QWidget *board = certamen.door().boardWindow()) board->installEventFilter(this);
    setMode(mode);
}

Tabula::~Tabula() {
    releaseControls();
}

void Tabula::setMode(Mode mode) {
    mode_ = mode;
    const bool end = mode == Mode::End;
    const float w = scaleWidth(), h = scaleHeight();
    pictura->setRect(0, 0, w, end ? h * 0.64f : h);
    for (Control *c : std::initializer_list<Control *>{eventus, Exporta, Imprime, Iterum, Exit})
        c->setShown(end);
    setCancelButton(end ? Exit : nullptr);
    refresh();
}

QString Tabula::prompt() const {
    return mode_ == Mode::Next ? QStringLiteral("Enter aut spatium: incipite!")
                               : QStringLiteral("Quamlibet clavem tange: redi");
}

QString Tabula::hint() const {
    if (mode_ != Mode::Next) return tr("Un tasto qualsiasi: torna al gioco");
    const bool left = certamen_.mayChangeCharacter(0), right = certamen_.mayChangeCharacter(1);
    const QString keys = left && right ? QStringLiteral("1, 0")
                         : left        ? QStringLiteral("1")
                                       : QStringLiteral("0");
    QStringList latin, local;
    if (left || right) {
        latin << keys + QStringLiteral(": persona mutatur");
        local << keys + QStringLiteral(": ") + tr("cambia il personaggio");
    }
    latin << QStringLiteral("A: absens") << QStringLiteral("I: iterum") << QStringLiteral("Esc: claude");
    local << QStringLiteral("A: ") + tr("un alunno è assente")
          << QStringLiteral("I: ") + tr("rigioca una partita") << QStringLiteral("Esc: ") + tr("chiudi");
    const QString dot = QStringLiteral(" · ");
    return latin.join(dot) + QLatin1Char('\n') + tr("Invio o spazio: inizia la partita") + dot +
           local.join(dot);
}

void Tabula::paint(QPainter &p, const QRectF &r) {
    const std::optional<Tournament> &t = certamen_.tournament();
    if (!t) {
        p.fillRect(r, paper);
        return;
    }
    if (mode_ == Mode::End)
        paintEnd(p, r, *t, page_, height());
    else
        paintTabula(p, r, *t, page_, left(), prompt(), hint());
}

QString Tabula::left() const {
    const std::optional<Tournament> &t = certamen_.tournament();
    if (!t) return QString();
    const int n = t->matchesLeft();
    const int minutes = static_cast<int>(std::ceil(n * typicalMatchSeconds(t->choices()) / 60));
    return QStringLiteral("Restant %1 certamina, circiter %2 minuta").arg(n).arg(minutes) +
           QStringLiteral(" · ") + tr("Partite da giocare: %1, circa %2 minuti").arg(n).arg(minutes);
}

void Tabula::present() {
    page_ = 0;
    auto *board = qobject_cast<Form *>(certamen_.door().boardWindow());
    setFullArea(board && board->fullArea());
    show();
    follow();
    raise();
    activateWindow();
    refresh();
}

void Tabula::refresh() {
    static_cast<ResultsModel *>(model_)->refresh();
    pictura->update();
}

void Tabula::follow() {
    auto *board = qobject_cast<Form *>(certamen_.door().boardWindow());
    if (!board) return;
    setFullArea(board->fullArea());
    if (!board->fullArea()) move(board->pos());
}

bool Tabula::eventFilter(QObject *watched, QEvent *event) {
    // The table keeps to the board: its place, and full screen or not.
    const QEvent::Type type = event->type();
    if (isVisible() && (type == QEvent::Move || type == QEvent::WindowStateChange)) follow();
    return Form::eventFilter(watched, event);
}

void Tabula::keyPress(int &keyAscii, const QKeyEvent *) {
    const int key = keyAscii;
    switch (mode_) {
    case Mode::Next:
        // Only the keys meant start a match: not a pupil leaning on the keyboard.
        keyAscii = 0;
        if (key == 27)
            hide();
        else if (key == '1' || key == '0')
            certamen_.changeCharacter(key == '1' ? 0 : 1);
        else if (key == 13 || key == 32)
            certamen_.playNext();
        else if (key == 'a' || key == 'A')
            certamen_.Absens_Click();
        else if (key == 'i' || key == 'I')
            certamen_.Iterum_Click();
        return;
    case Mode::View:
        keyAscii = 0;
        hide();
        return;
    case Mode::End:
        return; // Esc is the Exit button's; the buttons take the rest
    }
}

void Tabula::Exporta_Click() {
    const std::optional<Tournament> &t = certamen_.tournament();
    if (!t) return;
    const QString path =
        Certamen::fileDialog(this, QStringLiteral("LessiCorsa! Exporta"),
                             QDir::home().filePath(QStringLiteral("certamen-%1.csv").arg(today())),
                             QStringLiteral("CSV (*.csv)"), true);
    if (path.isEmpty()) return;
    if (const WriteResult written = writeWhole(path, t->csv()); !written)
        platform().messageBox(tr("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(path)) +
                                  QLatin1Char(' ') + whyAndKept(written, path),
                              title, Icon::Exclamation, Buttons::Ok);
}

void Tabula::Imprime_Click() {
    const std::optional<Tournament> &t = certamen_.tournament();
    if (!t) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("certamen"));
    // Where no printer is set up, the dialog offers this PDF file.
    printer.setOutputFileName(QDir::home().filePath(QStringLiteral("certamen-%1.pdf").arg(today())));
    if (!Certamen::printDialog(printer, this)) return;
    print(printer, *t);
}
