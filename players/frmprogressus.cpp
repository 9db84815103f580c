#include "players/frmprogressus.h"

#include "settings/palette.h"
#include "ui/convert.h"
#include "ui/platform.h"
#include "ui/wholefile.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

using namespace ui;
using namespace palette;
using namespace players;

namespace {

const QString title = QStringLiteral("LessiCorsa! Progressus");
const QColor blue(0, 0, 255);

// Empties a chart of its series and axes.
void clear(QChart *c) {
    c->removeAllSeries();
    for (QAbstractAxis *a : c->axes()) {
        c->removeAxis(a);
        delete a;
    }
}

// A time axis from `from` to `to` (milliseconds since the epoch), a value
// axis from 0 to a round number above `top`; a count's axis in whole numbers.
void addAxes(QChart *c, QAbstractSeries *s, double from, double to, double top, bool counts = false) {
    auto *x = new QDateTimeAxis;
    constexpr double day = 86400000.0;
    if (to <= from) to = from + day / 24;
    // A little room at both ends, so that the first and the last game's
    // points show whole; the hours when everything is within two days.
    const double room = (to - from) / 30;
    from -= room;
    to += room;
    x->setFormat(to - from < 2 * day ? QStringLiteral("dd.MM hh:mm") : QStringLiteral("dd.MM.yy"));
    x->setTickCount(5);
    x->setRange(QDateTime::fromMSecsSinceEpoch(qint64(from)), QDateTime::fromMSecsSinceEpoch(qint64(to)));
    auto *y = new QValueAxis;
    if (counts) {
        // A tick at every 1, 2 or 5 times a power of ten, at most five above 0.
        int step = 1;
        for (int scale = 1; step * 5 < top; scale *= 10)
            for (int m : {1, 2, 5})
                if ((step = m * scale) * 5 >= top) break;
        y->setRange(0, step * std::max(1.0, std::ceil(top / step)));
        y->setTickType(QValueAxis::TicksDynamic);
        y->setTickAnchor(0);
        y->setTickInterval(step);
        y->setLabelFormat(QStringLiteral("%d"));
    } else {
        y->setRange(0, std::max(top * 1.05, 1.0)); // room above the highest point
        y->applyNiceNumbers();
        y->setLabelFormat(QStringLiteral("%.3g"));
    }
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    s->attachAxis(x);
    s->attachAxis(y);
}

double highest(const QList<QPointF> &points) {
    double top = 0;
    for (const QPointF &p : points)
        top = std::max(top, p.y());
    return top;
}

} // namespace

frmProgressus::frmProgressus(History &history, const QList<Player> &players, const QString &playerId)
    : Form(QStringLiteral("frmProgressus"), Border::FixedDialog, 7035, 6300), history_(history),
      players_(players) {
    palette::dressWindow(*this, title);
    QWidget *w = client();

    auto *caption = new Label(w, QStringLiteral("titulusLusor"));
    caption->setRect(120, 150, 600, 255);
    caption->setFontSpec(arial, 9.75, true);
    caption->setBackColor(windowBack);
    caption->setCaption(QStringLiteral("Lusor:"));
    lusor = new QComboBox;
    lusor->setObjectName(QStringLiteral("lusor"));
    for (const Player &p : players_)
        lusor->addItem(p.name, p.id);
    lusor->setCurrentIndex(std::max(0, static_cast<int>(lusor->findData(playerId))));
    QPalette p = lusor->palette();
    p.setColor(QPalette::Button, controlBack);
    p.setColor(QPalette::Base, white);
    p.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    lusor->setPalette(p);
    auto *box = new Hosted(w, QStringLiteral("lusorCampus"), lusor);
    box->setRect(735, 90, 2550, 375);
    box->setFontSpec(arial, 9.75);

    auto button = [&](const QString &name, float left, float width, const QString &text) {
        auto *b = new CommandButton(w, name);
        b->setRect(left, 75, width, 405);
        b->setFontSpec(arial, 9.75, true);
        b->setBackColor(controlBack);
        b->setCaption(text);
        return b;
    };
    Exporta = button(QStringLiteral("Exporta"), 3420, 1680, QStringLiteral("E&xporta"));
    Exit = button(QStringLiteral("Exit"), 5220, 1695, QStringLiteral("&Exit (Esc)"));
    Exporta->setToolTipText(tr("Salva le partite del giocatore in un file CSV"));
    connect(Exporta, &Control::Click, this, &frmProgressus::Exporta_Click);
    connect(Exit, &Control::Click, this, &QWidget::hide);
    setCancelButton(Exit);

    // Two rows of choices, each in a frame of its own so that they exclude
    // only each other: the time range, and the chart shown.
    auto row = [&](const QString &name, float top, const QStringList &captions,
                   ui::ControlArray<OptionButton> *into, float left = 120, float width = 6795) {
        auto *frame = new Frame(w, name);
        frame->setRect(left, top, width, 345);
        frame->setBorderStyle(0);
        frame->setBackColor(windowBack);
        QList<OptionButton *> made;
        for (int k = 0; k < captions.size(); ++k) {
            auto *o = new OptionButton(frame, name, k);
            o->setRect(k * width / captions.size(), 0, width / captions.size(), 345);
            o->setFontSpec(arial, 9.75, true);
            o->setBackColor(windowBack);
            o->setForeColor(red);
            o->setCaption(captions[k]);
            if (into) into->add(k, o);
            made.append(o);
        }
        return made;
    };
    row(QStringLiteral("tempus"), 570,
        {QStringLiteral("&Hebdomas"), QStringLiteral("&Mensis"), QStringLiteral("&Omnia")}, &tempus, 120,
        4200);
    // The games of words and those of forms are shown apart.
    row(QStringLiteral("ludus"), 570, {QStringLiteral("&Vocabula"), QStringLiteral("&Formae")}, &ludus, 4440,
        2475);
    ludus(0)->setValue(true);
    const QList<OptionButton *> kinds = row(QStringLiteral("genus"), 945,
                                            {QStringLiteral("&Celeritas"), QStringLiteral("E&rrores"),
                                             QStringLiteral("&Perdidicta"), QStringLiteral("&Saepe errata")},
                                            nullptr);
    const QStringList titles{QStringLiteral("Vocabula recta per minutum"),
                             QStringLiteral("Errores per vocabulum"),
                             QStringLiteral("Vocabula perdidicta per hebdomadas"),
                             QStringLiteral("Viginti vocabula saepissime errata")};
    for (int k = 0; k < 4; ++k) {
        auto *c = new ChartBox(w, QStringLiteral("tabula"), k);
        c->setRect(120, 1380, 6795, 4500);
        c->chart()->setTitle(titles[k]);
        c->setShown(k == 0);
        tabula.add(k, c);
        connect(kinds[k], &Control::Click, this, [this, k] {
            for (int j = 0; j < 4; ++j)
                tabula(j)->setShown(j == k);
        });
    }
    kinds[0]->setValue(true);

    summa = new Label(w, QStringLiteral("summa"));
    summa->setRect(120, 5970, 6795, 255);
    summa->setFontSpec(arial, 8.25);
    summa->setBorderStyle(1);
    summa->setAlignment(Label::AlignCenter);
    summa->setBackColor(white);

    askPath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("LessiCorsa! Exporta"), suggested,
                                            QStringLiteral("CSV (*.csv)"));
    };
    tempus(1)->setValue(true); // a month: fills the charts
    for (auto &[k, o] : tempus)
        connect(o, &Control::Click, this, &frmProgressus::fill);
    for (auto &[k, o] : ludus)
        connect(o, &Control::Click, this, &frmProgressus::fill);
    connect(lusor, &QComboBox::currentIndexChanged, this, &frmProgressus::fill);
    fill();
}

frmProgressus::~frmProgressus() {
    releaseControls();
}

QString frmProgressus::kind() const {
    return ludus(1)->value() ? QStringLiteral("formae") : QString();
}

Range frmProgressus::range() const {
    if (tempus(0)->value()) return Range::Week;
    if (tempus(2)->value()) return Range::Everything;
    return Range::Month;
}

void frmProgressus::fill() {
    const QString id = lusor->currentData().toString();
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime since = rangeStart(range(), now);
    QList<QDate> mastered;
    QList<MissedCount> missed;
    history_.read([&](const HistoryStore &s) {
        games_ = s.games(id, since, false, kind());
        if (kind().isEmpty())
            mastered = s.masteredDays(id, since.date()); // words leave the missed list, forms never enter it
        missed = s.mostMissed(id, since, 20, kind());
    });

    // The time axes run from the range's start (or the first game) to now.
    double from = since.isValid() ? double(since.toMSecsSinceEpoch()) : double(now.toMSecsSinceEpoch());
    if (!games_.isEmpty()) from = std::min(from, double(games_.first().started));
    if (!mastered.isEmpty())
        from = std::min(from, double(QDateTime(mastered.first(), QTime()).toMSecsSinceEpoch()));
    const double to = double(now.toMSecsSinceEpoch());

    // A point a game; with more games than the chart has room for, the mean
    // of each stretch of time (so that ten thousand games draw at once).
    constexpr int room = 300;
    const std::array<QList<QPointF>, 2> lines{thinned(wordsPerMinute(games_), room),
                                              thinned(errorsPerWord(games_), room)};
    for (int k = 0; k < 2; ++k) {
        QChart *c = tabula(k)->chart();
        clear(c);
        auto *s = new QLineSeries;
        s->setColor(k == 0 ? blue : red);
        s->replace(lines[k]);
        // A few games show as points too: one game alone would draw no line.
        s->setPointsVisible(lines[k].size() < 60);
        c->addSeries(s);
        addAxes(c, s, from, to, highest(lines[k]));
    }

    // The weeks as bars, drawn as an area over a stepped outline.
    {
        QChart *c = tabula(2)->chart();
        clear(c);
        const QList<std::pair<QDate, int>> weeks =
            masteredPerWeek(mastered, QDateTime::fromMSecsSinceEpoch(qint64(from)).date(), now.date());
        auto *upper = new QLineSeries;
        double top = 0;
        constexpr double day = 86400000.0;
        for (const auto &[monday, n] : weeks) {
            const double t = double(QDateTime(monday, QTime()).toMSecsSinceEpoch());
            upper->append(
                {{t + day / 2, 0}, {t + day / 2, double(n)}, {t + 6.5 * day, double(n)}, {t + 6.5 * day, 0}});
            top = std::max(top, double(n));
        }
        auto *area = new QAreaSeries(upper);
        upper->setParent(area); // an area series does not own its outline
        area->setColor(controlBack);
        c->addSeries(area);
        const double start =
            weeks.isEmpty() ? from : double(QDateTime(weeks.first().first, QTime()).toMSecsSinceEpoch());
        // To the end of the current week, so that its bar stands whole.
        const double end =
            weeks.isEmpty() ? to
                            : double(QDateTime(weeks.last().first.addDays(7), QTime()).toMSecsSinceEpoch());
        addAxes(c, area, start, std::max({to, end, start + 7 * day}), top, true);
    }

    // The most missed words, the most missed at the top.
    {
        QChart *c = tabula(3)->chart();
        clear(c);
        auto *set = new QBarSet(QStringLiteral("Errores"));
        set->setColor(red);
        QStringList labels;
        for (qsizetype i = missed.size() - 1; i >= 0; --i) {
            // The headword alone ("cupido" of "cupido, cupidinis"): twenty rows leave little room.
            QString label = missed[i].latin.section(QLatin1Char(','), 0, 0).trimmed();
            // Two words of the same headword are told apart by class, else by their whole entry.
            if (labels.contains(label)) label += QStringLiteral(" (%1)").arg(missed[i].category);
            if (labels.contains(label)) label = missed[i].latin;
            labels.append(label);
            *set << missed[i].misses;
        }
        auto *bars = new QHorizontalBarSeries;
        bars->append(set);
        bars->setBarWidth(0.7);
        // The counts stand at the bars' ends: the rows keep the chart's whole height.
        bars->setLabelsVisible(true);
        bars->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
        bars->setLabelsFormat(QStringLiteral("@value"));
        set->setLabelColor(palette::white);
        c->addSeries(bars);
        auto *y = new QBarCategoryAxis;
        y->append(labels);
        auto *x = new QValueAxis;
        x->setRange(0, std::max(1, missed.isEmpty() ? 1 : missed.first().misses));
        x->setVisible(false);
        c->addAxis(y, Qt::AlignLeft);
        c->addAxis(x, Qt::AlignBottom);
        bars->attachAxis(y);
        bars->attachAxis(x);
    }
    for (auto &[k, c] : tabula)
        c->restyle();

    int right = 0, errors = 0;
    for (const PlayedGame &g : games_) {
        right += g.right;
        errors += g.errors;
    }
    summa->setCaption(QStringLiteral("Ludi: %1   Vocabula recta: %2   Errores: %3   Perdidicta: %4")
                          .arg(plainForm(double(games_.size())), plainForm(right), plainForm(errors),
                               plainForm(double(mastered.size()))));
    Exporta->setEnabled(!games_.isEmpty());
}

void frmProgressus::Exporta_Click() {
    const QString name = lusor->currentText();
    const QString path = askPath(
        QDir::home().filePath(QStringLiteral("historia-%1.csv")
                                  .arg(Roster::clean(name).replace(QLatin1Char('/'), QLatin1Char('-')))));
    if (path.isEmpty()) return;
    QList<PlayedGame> games;
    const QString id = lusor->currentData().toString();
    history_.read([&](const HistoryStore &s) {
        games = s.games(id, rangeStart(range(), QDateTime::currentDateTime()), true, kind());
    });
    const ui::WriteResult written = ui::writeWhole(path, csv(games, name));
    if (written) return;
    platform().messageBox(tr("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(path)) +
                              QLatin1Char(' ') + ui::whyAndKept(written, path),
                          title, Icon::Exclamation, Buttons::Ok);
}
