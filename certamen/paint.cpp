#include "certamen/paint.h"

#include "settings/roster.h"
#include "ui/namefit.h"
#include "ui/picture.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace certamen {

std::function<void(const QString &, double, const QRectF &)> nameDrawn;

namespace {

QFont fontOf(double px, bool bold = false, const QString &family = QStringLiteral("Arial")) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    f.setBold(bold);
    return f;
}

// One line of text in `r`, cut short with an ellipsis when it is too wide
// (or, with `shrink`, drawn smaller until it fits).
void text(QPainter &p, const QRectF &r, const QString &s, int align, double px, bool bold, const QColor &c,
          bool shrink = false) {
    p.setFont(fontOf(px, bold));
    if (const double width = QFontMetricsF(p.font(), p.device()).horizontalAdvance(s);
        shrink && width > r.width() && width > 0)
        p.setFont(fontOf(px * r.width() / width * 0.97 - 0.5, bold));
    p.setPen(c);
    const QString shown = QFontMetricsF(p.font(), p.device()).elidedText(s, Qt::ElideRight, r.width());
    p.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

QStringList allNames(const Tournament &t) {
    QStringList l;
    for (const Entrant &e : t.entrants())
        l << e.name;
    return l;
}

// A pupil's name in `r`: smaller down to `minPx`, then over two lines, then
// shortened so that it still tells the pupil apart (see ui::fitName).
void nameText(QPainter &p, const QRectF &r, const QString &s, const Tournament &t, int align, double px,
              double minPx, bool bold, const QColor &c) {
    const ui::FittedName f = ui::fitName(s, allNames(t), fontOf(px, bold), px, minPx, r.size());
    p.setFont(fontOf(f.px, bold));
    p.setPen(c);
    QRectF drawn;
    p.drawText(r, align | Qt::AlignVCenter, f.text, &drawn);
    if (nameDrawn && !f.text.isEmpty()) nameDrawn(f.text, f.px, drawn.intersected(r));
}

// The character's portrait, if the name is one of the roster's.
void portrait(QPainter &p, const QRectF &r, const QString &character) {
    if (const int k = roster::numberOf(character))
        ui::Picture::load(QStringLiteral("foto%1").arg(k), QSize(70, 70)).render(p, r);
}

QString roman(int n) {
    static const char *const numerals[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
    return n >= 0 && n <= 10 ? QString::fromLatin1(numerals[n]) : QString::number(n);
}

double lineWidth(const QRectF &r) {
    return std::max(1.0, std::min(r.width(), r.height()) / 450);
}

QString heading(const Tournament &t) {
    int done = 0, all = 0;
    for (const Match &m : t.matches()) {
        all += !m.bye;
        done += m.played();
    }
    const QString form = t.kind() == Kind::Orbis ? QStringLiteral("Orbis") : QStringLiteral("Eliminatio");
    return QStringLiteral("Certamen: %1 · %2 certantes · acta %3 ex %4")
        .arg(form)
        .arg(t.entrants().size())
        .arg(done)
        .arg(all);
}

// The knockout's bracket: a column a round and one for the champion.
void paintBracket(QPainter &p, const QRectF &r, const Tournament &t) {
    const std::vector<Match> &ms = t.matches();
    const int rounds = t.rounds(), first = static_cast<int>(std::count_if(
                                       ms.begin(), ms.end(), [](const Match &m) { return m.round == 1; }));
    const double head = std::min(r.height() * 0.07, r.width() * 0.035);
    const QRectF area = r.adjusted(0, head, 0, 0);
    const double column = area.width() / (rounds + 1), gap = column * 0.1;
    const double slot = area.height() / first, boxHeight = std::min(slot * 0.86, area.height() / 4.5);
    const double px = boxHeight * 0.28, pen = lineWidth(r);
    const int next = t.next();
    std::vector<double> centre(ms.size());
    int at = 0;
    for (int round = 1; round <= rounds; ++round) {
        const double x = area.left() + (round - 1) * column;
        text(p, QRectF(x, r.top(), column - gap, head), roundName(t, round), Qt::AlignHCenter, head * 0.55,
             true, ink);
        const int count = first >> (round - 1);
        for (int k = 0; k < count; ++k, ++at) {
            const Match &m = ms[at];
            // A later round's match stands between its two feeders, the
            // previous round's matches 2k and 2k + 1.
            centre[at] = round == 1 ? area.top() + slot * (k + 0.5)
                                    : (centre[at - count * 2 + k] + centre[at - count * 2 + k + 1]) / 2;
            const QRectF b(x, centre[at] - boxHeight / 2, column - gap, boxHeight);
            p.setPen(QPen(ink, pen));
            p.setBrush(at == next ? highlight : box);
            p.drawRect(b);
            p.drawLine(QPointF(b.left(), b.center().y()), QPointF(b.right(), b.center().y()));
            for (int s : {0, 1}) {
                const QRectF row(b.left() + px * 0.4, b.top() + s * boxHeight / 2, b.width() - px * 0.8,
                                 boxHeight / 2);
                const int e = m.side[s];
                const bool won = m.played() && m.outcome->winner == e;
                const bool lost = m.played() && !won;
                QString score;
                if (m.played()) score = QString::number(m.outcome->right[s]);
                const double scoreWidth = m.played() ? px * 1.6 : 0;
                if (e >= 0)
                    nameText(p, row.adjusted(0, 0, -scoreWidth, 0), t.name(e), t, Qt::AlignLeft, px, px * 0.8,
                             won, lost ? faded : Qt::black);
                else
                    text(p, row, m.bye ? QStringLiteral("—") : QString(), Qt::AlignLeft, px, won, Qt::black);
                if (m.played()) text(p, row, score, Qt::AlignRight, px, won, lost ? faded : Qt::black);
            }
            // The line on to the next round's match.
            const double xOut = b.right(), xMid = b.right() + gap / 2;
            p.setPen(QPen(ink, pen));
            p.drawLine(QPointF(xOut, centre[at]), QPointF(xMid, centre[at]));
            if (k % 2) p.drawLine(QPointF(xMid, centre[at - 1]), QPointF(xMid, centre[at]));
            if (k % 2 || count == 1) {
                const double target = count == 1 ? centre[at] : (centre[at - 1] + centre[at]) / 2;
                p.drawLine(QPointF(xMid, target), QPointF(xMid + gap / 2, target));
            }
        }
    }
    // The champion, once there is one.
    const QList<int> champion = t.champions();
    const QRectF b(area.left() + rounds * column, centre.back() - boxHeight / 4, column - gap, boxHeight / 2);
    text(p, QRectF(b.left(), r.top(), b.width(), head), QStringLiteral("Victor"), Qt::AlignHCenter,
         head * 0.55, true, ink);
    p.setPen(QPen(ink, pen * 2));
    p.setBrush(champion.isEmpty() ? paper : highlight);
    p.drawRect(b);
    if (!champion.isEmpty())
        nameText(p, b.adjusted(px * 0.4, 0, -px * 0.4, 0), t.name(champion.first()), t, Qt::AlignHCenter,
                 px * 1.1, px * 0.8, true, Qt::black);
}

// The league's table: place, name, matches played, wins, words right, errors.
void paintLeague(QPainter &p, const QRectF &r, const Tournament &t) {
    const std::vector<Standing> table = t.standings();
    const int rows = static_cast<int>(table.size()) + 1;
    const double rowHeight = std::min(r.height() / rows, r.width() / 14), px = rowHeight * 0.6;
    const double widths[] = {0.1, 0.38, 0.13, 0.13, 0.13, 0.13};
    const QStringList heads = {QStringLiteral("Locus"), QStringLiteral("Nomen"),
                               QStringLiteral("Lusa"),  QStringLiteral("Victoriae"),
                               QStringLiteral("Recte"), QStringLiteral("Errores")};
    const int next = t.next();
    const std::array<int, 2> playing = next >= 0 ? t.matches()[next].side : std::array<int, 2>{-1, -1};
    const double pen = lineWidth(r);
    for (int row = 0; row < rows; ++row) {
        const double y = r.top() + row * rowHeight;
        const Standing *s = row > 0 ? &table[row - 1] : nullptr;
        const bool next = s && (s->entrant == playing[0] || s->entrant == playing[1]);
        p.setPen(Qt::NoPen);
        p.setBrush(row == 0 ? paper : next ? highlight : box);
        p.drawRect(QRectF(r.left(), y, r.width(), rowHeight));
        const QStringList cells = s ? QStringList{QString::number(s->place) + QLatin1Char('.'),
                                                  t.name(s->entrant),
                                                  QString::number(s->played),
                                                  QString::number(s->wins),
                                                  QString::number(s->right),
                                                  QString::number(s->errors)}
                                    : heads;
        double x = r.left();
        for (int c = 0; c < 6; ++c) {
            const double w = widths[c] * r.width();
            const QRectF cell(x + px * 0.2, y, w - px * 0.4, rowHeight);
            if (row > 0 && c == 1)
                nameText(p, cell, cells[c], t, Qt::AlignLeft, px, px * 0.85, false, Qt::black);
            else
                text(p, cell, cells[c], c == 1 ? Qt::AlignLeft : Qt::AlignHCenter, row == 0 ? px * 0.8 : px,
                     row == 0 || c == 3, row == 0 ? ink : Qt::black, row == 0);
            x += w;
        }
        p.setPen(QPen(ink, pen));
        p.drawLine(QPointF(r.left(), y + rowHeight), QPointF(r.right(), y + rowHeight));
    }
}

// The offset in the list of matches of a knockout's round (from 1).
int roundStart(const Tournament &t, int round) {
    int at = 0;
    while (at < static_cast<int>(t.matches().size()) && t.matches()[at].round < round)
        ++at;
    return at;
}

int roundCount(const Tournament &t, int round) {
    return static_cast<int>(std::count_if(t.matches().begin(), t.matches().end(),
                                          [round](const Match &m) { return m.round == round; }));
}

// A part of the bracket: rounds `from` to `to`, the first of them from its
// match `first`, `count` matches of it.
struct BracketPage {
    int from, to, first, count;
};

// At most eight names in a part's first column: the first rounds in parts of
// four matches, then the last three rounds together.
std::vector<BracketPage> bracketPages(const Tournament &t) {
    const int rounds = t.rounds(), first = roundCount(t, 1);
    if (rounds <= 3) return {{1, rounds, 0, first}};
    std::vector<BracketPage> pages;
    for (int k = 0; k < first; k += 4)
        pages.push_back({1, 3, k, 4});
    pages.push_back({rounds - 2, rounds, 0, roundCount(t, rounds - 2)});
    return pages;
}

int overviewPages(const Tournament &t) {
    return t.kind() == Kind::Orbis ? 1 : static_cast<int>(bracketPages(t).size());
}

// The overview's page that holds the next match, so that it comes first.
int overviewPageOfNext(const Tournament &t) {
    const int next = t.next();
    if (t.kind() == Kind::Orbis || next < 0) return 0;
    const std::vector<BracketPage> pages = bracketPages(t);
    const int round = t.matches()[next].round, k = next - roundStart(t, round);
    for (size_t i = 0; i < pages.size(); ++i) {
        const BracketPage &g = pages[i];
        const int shift = round - g.from;
        if (round >= g.from && round <= g.to && k >= (g.first >> shift) && k < ((g.first + g.count) >> shift))
            return static_cast<int>(i);
    }
    return 0;
}

// One side of a match's box: the name (or a bye's dash) and the words right.
void sideRow(QPainter &p, const QRectF &row, const Tournament &t, const Match &m, int s, double px,
             double minPx) {
    const int e = m.side[s];
    const bool won = m.played() && m.outcome->winner == e, lost = m.played() && !won;
    const QColor colour = lost ? faded : Qt::black;
    const double scoreWidth = m.played() ? px * 2.6 : 0;
    if (e >= 0)
        nameText(p, row.adjusted(0, 0, -scoreWidth, 0), t.name(e), t, Qt::AlignLeft, px, minPx, won, colour);
    else
        text(p, row, m.bye ? QStringLiteral("—") : QString(), Qt::AlignLeft, px, false, colour);
    if (m.played())
        text(p, row,
             m.outcome->walkover ? (won ? QString() : QStringLiteral("abs."))
                                 : QString::number(m.outcome->right[s]),
             Qt::AlignRight, px * (m.outcome->walkover ? 0.8 : 1), won, colour);
}

void matchBox(QPainter &p, const QRectF &b, const Tournament &t, int at, double px, double minPx,
              double pen) {
    const Match &m = t.matches()[at];
    p.setPen(QPen(ink, pen));
    p.setBrush(at == t.next() ? highlight : box);
    p.drawRect(b);
    p.drawLine(QPointF(b.left(), b.center().y()), QPointF(b.right(), b.center().y()));
    for (int s : {0, 1})
        sideRow(
            p,
            QRectF(b.left() + px * 0.3, b.top() + s * b.height() / 2, b.width() - px * 0.6, b.height() / 2),
            t, m, s, px, minPx);
}

// A part of the knockout's bracket, as large as `px` allows.
void paintBracketPage(QPainter &p, const QRectF &r, const Tournament &t, const BracketPage &g, double px,
                      double minPx) {
    const int rounds = t.rounds();
    const bool last = g.to == rounds;
    // The champion's column is narrower: one name, no score.
    const int columns = g.to - g.from + 1;
    const double column = r.width() / (columns + (last ? 0.75 : 0)), gap = column * 0.07, head = px * 1.3,
                 pen = lineWidth(r);
    const QRectF area = r.adjusted(0, head, 0, 0);
    const double slot = area.height() / g.count, boxHeight = std::min(slot * 0.9, px * 2.7);
    std::vector<double> centres, before;
    for (int round = g.from; round <= g.to; ++round) {
        const int j = round - g.from, count = std::max(1, g.count >> j), first = g.first >> j;
        const double x = r.left() + j * column;
        text(p, QRectF(x, r.top(), column - gap, head), roundName(t, round), Qt::AlignHCenter, px * 0.75,
             true, ink);
        centres.assign(count, 0);
        for (int k = 0; k < count; ++k) {
            centres[k] = j == 0 ? area.top() + slot * (k + 0.5) : (before[2 * k] + before[2 * k + 1]) / 2;
            const QRectF b(x, centres[k] - boxHeight / 2, column - gap, boxHeight);
            matchBox(p, b, t, roundStart(t, round) + first + k, px, minPx, pen);
            // The line on to the next round's match.
            const double xMid = b.right() + gap / 2;
            p.setPen(QPen(ink, pen));
            p.drawLine(QPointF(b.right(), centres[k]), QPointF(xMid, centres[k]));
            if (k % 2) {
                p.drawLine(QPointF(xMid, centres[k - 1]), QPointF(xMid, centres[k]));
                const double mid = (centres[k - 1] + centres[k]) / 2;
                p.drawLine(QPointF(xMid, mid), QPointF(xMid + gap / 2, mid));
            } else if (count == 1 && (round < g.to || last)) {
                p.drawLine(QPointF(xMid, centres[k]), QPointF(xMid + gap / 2, centres[k]));
            }
        }
        before = centres;
    }
    if (!last) return;
    const QList<int> champion = t.champions();
    const QRectF b(r.left() + columns * column, centres.back() - boxHeight / 4,
                   r.right() - columns * column - r.left(), boxHeight / 2);
    text(p, QRectF(b.left(), r.top(), b.width(), head), QStringLiteral("Victor"), Qt::AlignHCenter, px * 0.75,
         true, ink);
    p.setPen(QPen(ink, pen * 2));
    p.setBrush(champion.isEmpty() ? paper : highlight);
    p.drawRect(b);
    if (!champion.isEmpty())
        nameText(p, b.adjusted(px * 0.3, 0, -px * 0.3, 0), t.name(champion.first()), t, Qt::AlignHCenter, px,
                 minPx, true, Qt::black);
}

void paintOverview(QPainter &p, const QRectF &r, const Tournament &t, int page, double px, double minPx) {
    if (t.kind() == Kind::Orbis) {
        paintLeague(p, r, t);
        return;
    }
    const std::vector<BracketPage> pages = bracketPages(t);
    const int k = page % static_cast<int>(pages.size());
    paintBracketPage(p, r, t, pages[k], px, minPx);
    if (pages.size() > 1)
        text(p, QRectF(r.left(), r.top(), r.width(), px * 1.3),
             QStringLiteral("%1/%2").arg(k + 1).arg(pages.size()), Qt::AlignRight, px * 0.6, false, faded);
}

// The matches of the round being played (the byes left out).
QList<int> roundShown(const Tournament &t) {
    const int next = t.next();
    const int round = next >= 0 ? t.matches()[next].round : t.rounds();
    QList<int> l;
    for (size_t i = 0; i < t.matches().size(); ++i)
        if (t.matches()[i].round == round && !t.matches()[i].bye) l.append(static_cast<int>(i));
    return l;
}

int perRoundPage(const QRectF &r, double px) {
    return std::max(1, static_cast<int>((r.height() - px * 1.4) / (px * 3.0)));
}

void paintRound(QPainter &p, const QRectF &r, const Tournament &t, int page, double px, double minPx) {
    const QList<int> ms = roundShown(t);
    if (ms.isEmpty()) return;
    const int per = perRoundPage(r, px), pages = (static_cast<int>(ms.size()) + per - 1) / per;
    const int k = page % pages;
    QString title = roundName(t, t.matches()[ms.first()].round);
    if (pages > 1) title += QStringLiteral(" · %1/%2").arg(k + 1).arg(pages);
    text(p, QRectF(r.left(), r.top(), r.width(), px * 1.3), title, Qt::AlignLeft, px * 0.8, true, ink);
    const double pen = lineWidth(r);
    for (int i = 0; i < per && k * per + i < ms.size(); ++i) {
        const QRectF b(r.left(), r.top() + px * 1.4 + i * px * 3.0, r.width(), px * 2.7);
        matchBox(p, b, t, ms.at(k * per + i), px, minPx, pen);
    }
}

int roundPages(const Tournament &t, const QRectF &r, double px) {
    const int n = static_cast<int>(roundShown(t).size()), per = perRoundPage(r, px);
    return std::max(1, (n + per - 1) / per);
}

// The round's page that holds the next match.
int roundPageOfNext(const Tournament &t, const QRectF &r, double px) {
    const qsizetype at = roundShown(t).indexOf(t.next());
    return at < 0 ? 0 : static_cast<int>(at) / perRoundPage(r, px);
}
} // namespace

QString roundName(const Tournament &t, int round) {
    if (t.kind() == Kind::Eliminatio && round == t.rounds()) return QStringLiteral("Gradus ultimus");
    return QStringLiteral("Gradus ") + roman(round);
}

QString duration(int seconds) {
    return QStringLiteral("%1′ %2″").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QStringList resultCells(const Tournament &t, const Entry &e) {
    const Match &m = t.matches()[e.match];
    const Outcome &o = e.outcome;
    QString round = roundName(t, m.round);
    if (e.annulled) round += QStringLiteral(" · irritum");
    if (o.walkover) {
        const int absent = o.winner == m.side[0] ? 1 : 0;
        return {round,
                t.name(m.side[0]),
                t.name(m.side[1]),
                QStringLiteral("absens %1").arg(absent == 0 ? QStringLiteral("(1)") : QStringLiteral("(0)")),
                QString(),
                QString()};
    }
    return {round,
            t.name(m.side[0]),
            t.name(m.side[1]),
            QStringLiteral("%1 : %2").arg(o.right[0]).arg(o.right[1]),
            QStringLiteral("%1 : %2").arg(o.errors[0]).arg(o.errors[1]),
            duration(o.seconds)};
}

double leastNamePx(double height) {
    // 33 pixels on a screen 1080 high: capitals and descenders some 30 high.
    return height * 33.0 / 1080;
}

void paintTabula(QPainter &p, const QRectF &r, const Tournament &t, int tick, const QString &left,
                 const QString &prompt, const QString &hint) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, paper);
    const double H = r.height(), W = r.width(), minPx = leastNamePx(H), px = minPx * 1.12;
    const double margin = std::min(W, H) * 0.02;
    const QRectF inner = r.adjusted(margin, margin * 0.5, -margin, 0);
    text(p, QRectF(inner.left(), inner.top(), inner.width(), H * 0.05), heading(t), Qt::AlignLeft, H * 0.036,
         true, red, true);
    text(p, QRectF(inner.left(), inner.top() + H * 0.05, inner.width(), H * 0.045), left, Qt::AlignLeft,
         H * 0.03, false, ink, true);
    const double panelTop = std::round(H * 0.63);
    const QRectF body(inner.left(), inner.top() + H * 0.105, inner.width(),
                      panelTop - inner.top() - H * 0.115);
    if (W >= 1.4 * H) {
        // Wide: the round on the left, the whole draw beside it.
        const QRectF round(body.left(), body.top(), body.width() * 0.42, body.height());
        const QRectF all(body.left() + body.width() * 0.45, body.top(), body.width() * 0.55, body.height());
        paintRound(p, round, t, roundPageOfNext(t, round, px) + tick, px, minPx);
        paintOverview(p, all, t, overviewPageOfNext(t) + tick, px, minPx);
    } else {
        // Narrow: the round's pages, then the draw's, in turn.
        const int rp = roundPages(t, body, px), op = overviewPages(t), k = tick % (rp + op);
        if (k < rp)
            paintRound(p, body, t, roundPageOfNext(t, body, px) + k, px, minPx);
        else
            paintOverview(p, body, t, overviewPageOfNext(t) + k - rp, px, minPx);
    }
    p.restore();
    paintNextPair(p, QRectF(r.left(), r.top() + panelTop, W, H - panelTop), t, prompt, hint);
}

void paintEnd(QPainter &p, const QRectF &r, const Tournament &t, int tick, double unit) {
    const QRectF band(r.left(), r.top(), r.width(), std::round(r.height() * 0.3));
    paintChampion(p, band, t);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rest = r.adjusted(0, band.height(), 0, 0);
    p.fillRect(rest, paper);
    const double minPx = leastNamePx(unit), margin = std::min(r.width(), r.height()) * 0.02;
    // The last rounds first: the final is what the class looks at.
    const int pages = overviewPages(t);
    paintOverview(p, rest.adjusted(margin, margin, -margin, -margin), t, pages - 1 + tick, minPx * 1.05,
                  minPx);
    p.restore();
}

void paintStandings(QPainter &p, const QRectF &r, const Tournament &t) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, paper);
    const QRectF inner =
        r.adjusted(r.width() * 0.02, r.height() * 0.02, -r.width() * 0.02, -r.height() * 0.02);
    const double head = std::min(inner.height() * 0.08, inner.width() * 0.04);
    text(p, QRectF(inner.left(), inner.top(), inner.width(), head), heading(t), Qt::AlignLeft, head * 0.6,
         true, red);
    const QRectF body = inner.adjusted(0, head * 1.2, 0, 0);
    if (t.kind() == Kind::Orbis)
        paintLeague(p, body, t);
    else
        paintBracket(p, body, t);
    p.restore();
}

void paintNextPair(QPainter &p, const QRectF &r, const Tournament &t, const QString &prompt,
                   const QString &hint) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, panel);
    const double h = r.height(), w = r.width();
    const int last = t.last();
    if (last >= 0) {
        const Match &m = t.matches()[last];
        const Outcome &o = *m.outcome;
        // A walkover has no score: the absent pupil is named.
        const QString line = o.walkover
                                 ? QStringLiteral("Modo actum (%1): %2 – %3 · absens %4")
                                       .arg(roundName(t, m.round), t.name(m.side[0]), t.name(m.side[1]),
                                            t.name(o.winner == m.side[0] ? m.side[1] : m.side[0]))
                                 : QStringLiteral("Modo actum (%1): %2  %3 : %4  %5 · %6")
                                       .arg(roundName(t, m.round), t.name(m.side[0]))
                                       .arg(o.right[0])
                                       .arg(o.right[1])
                                       .arg(t.name(m.side[1]), duration(o.seconds));
        text(p, QRectF(r.left() + w * 0.03, r.top() + h * 0.03, w * 0.94, h * 0.13), line, Qt::AlignHCenter,
             h * 0.09, false, Qt::white, true);
    }
    const int next = t.next();
    if (next >= 0) {
        const Match &m = t.matches()[next];
        text(p, QRectF(r.left(), r.top() + h * 0.18, w, h * 0.1),
             QStringLiteral("Proximum certamen · %1").arg(roundName(t, m.round)), Qt::AlignHCenter, h * 0.07,
             true, highlight);
        // Left and right as the players sit: key 1 on the left, key 0 on the right.
        const double side = std::min(h * 0.36, w * 0.16);
        for (int s : {0, 1}) {
            const Entrant &e = t.entrants().at(m.side[s]);
            const double x = s == 0 ? r.left() + w * 0.03 : r.right() - w * 0.03 - side;
            const QRectF picture(x, r.top() + h * 0.3, side, side);
            p.fillRect(picture, paper);
            portrait(p, picture, e.character);
            text(p, QRectF(x - side * 0.25, picture.bottom(), side * 1.5, h * 0.09),
                 e.character + QStringLiteral(" · ") + (s == 0 ? QStringLiteral("1") : QStringLiteral("0")),
                 Qt::AlignHCenter, h * 0.06, false, Qt::white);
        }
        // Each name beside its portrait, "contra" between them.
        const double inner = w - 2 * (w * 0.05 + side), between = inner * 0.12;
        const double half = (inner - between) / 2, top = r.top() + h * 0.3;
        for (int s : {0, 1}) {
            const double x = r.left() + w * 0.05 + side + s * (half + between);
            nameText(p, QRectF(x, top, half, side), t.name(m.side[s]), t,
                     s == 0 ? Qt::AlignLeft : Qt::AlignRight, side * 0.3, side * 0.24, true, Qt::white);
        }
        text(p, QRectF(r.left() + w * 0.05 + side + half, top, between, side), QStringLiteral("contra"),
             Qt::AlignHCenter, side * 0.18, false, highlight);
    }
    text(p, QRectF(r.left(), r.top() + h * 0.77, w, h * 0.11), prompt, Qt::AlignHCenter, h * 0.085, true,
         highlight);
    // The keys in Latin, and below in the interface's language.
    const QStringList hints = hint.split(QLatin1Char('\n'));
    for (int k = 0; k < hints.size() && k < 2; ++k)
        text(p, QRectF(r.left() + w * 0.02, r.top() + h * (0.88 + 0.055 * k), w * 0.96, h * 0.055),
             hints.at(k), Qt::AlignHCenter, h * 0.045, false, k ? paper : Qt::white, true);
    p.restore();
}

void paintChampion(QPainter &p, const QRectF &r, const Tournament &t) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, panel);
    const QList<int> champions = t.champions();
    if (champions.isEmpty()) {
        p.restore();
        return;
    }
    const double h = r.height(), w = r.width(), side = std::min(h * 0.8, w * 0.18);
    const Entrant &e = t.entrants().at(champions.first());
    const QRectF picture(r.left() + w * 0.03, r.top() + (h - side) / 2, side, side);
    p.fillRect(picture, paper);
    portrait(p, picture, e.character);
    // The victory line in a bubble, as the board's end shows it.
    const QRectF bubble(r.right() - w * 0.03 - side * 143 / 70, picture.top(), side * 143 / 70, side);
    if (const int k = roster::numberOf(e.character)) {
        ui::Picture::load(QStringLiteral("bubble_left"), QSize(143, 70)).render(p, bubble);
        p.setFont(fontOf(side * 0.15, false, QStringLiteral("Comic Sans MS")));
        p.setPen(Qt::black);
        p.drawText(bubble.adjusted(bubble.width() * 0.24, bubble.height() * 0.08, -bubble.width() * 0.05,
                                   -bubble.height() * 0.08),
                   Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromLatin1(roster::characters[k - 1].victory));
    }
    QStringList names;
    for (int c : champions)
        names << t.name(c);
    const double x = picture.right() + w * 0.03, width = bubble.left() - w * 0.02 - x;
    text(p, QRectF(x, r.top() + h * 0.12, width, h * 0.22),
         champions.size() > 1 ? QStringLiteral("Victores pares") : QStringLiteral("Victor certaminis"),
         Qt::AlignLeft, h * 0.15, true, highlight);
    if (champions.size() == 1)
        nameText(p, QRectF(x, r.top() + h * 0.36, width, h * 0.6), names.first(), t, Qt::AlignLeft, h * 0.3,
                 h * 0.2, true, Qt::white);
    else
        text(p, QRectF(x, r.top() + h * 0.36, width, h * 0.5), names.join(QStringLiteral(" · ")),
             Qt::AlignLeft, h * 0.3, true, Qt::white, true);
    p.restore();
}

void paintResults(QPainter &p, const QRectF &r, const Tournament &t, int from, int count) {
    p.save();
    const std::vector<Entry> &log = t.log();
    const int rows = count + 1;
    const double rowHeight = std::min(r.height() / rows, r.width() / 30), px = rowHeight * 0.55;
    const double widths[] = {0.16, 0.25, 0.25, 0.12, 0.10, 0.12};
    const QStringList heads = {QStringLiteral("Gradus"),     QStringLiteral("Sinister (1)"),
                               QStringLiteral("Dexter (0)"), QStringLiteral("Recte"),
                               QStringLiteral("Errores"),    QStringLiteral("Tempus")};
    for (int row = 0; row < rows && from + row - 1 < static_cast<int>(log.size()); ++row) {
        const double y = r.top() + row * rowHeight;
        QStringList cells = heads;
        int winnerSide = -1;
        bool annulled = false;
        if (row > 0) {
            const Entry &e = log[from + row - 1];
            const Match &m = t.matches()[e.match];
            winnerSide = e.outcome.winner == m.side[0] ? 0 : 1;
            annulled = e.annulled;
            cells = resultCells(t, e);
        }
        double x = r.left();
        for (int c = 0; c < 6; ++c) {
            const double w = widths[c] * r.width();
            const QRectF cell(x, y, w - px * 0.5, rowHeight);
            if (c == 1 || c == 2)
                nameText(p, cell, cells[c], t, Qt::AlignLeft, px, px * 0.75, !annulled && c == winnerSide + 1,
                         annulled ? faded : Qt::black);
            else
                text(p, cell, cells[c], Qt::AlignHCenter, px, row == 0,
                     row == 0   ? ink
                     : annulled ? faded
                                : Qt::black);
            x += w;
        }
        if (annulled) {
            // Struck through: the match was played again.
            p.setPen(QPen(faded, lineWidth(r) / 2));
            p.drawLine(QPointF(r.left(), y + rowHeight / 2), QPointF(r.right(), y + rowHeight / 2));
        }
        p.setPen(QPen(faded, lineWidth(r) / 2));
        p.drawLine(QPointF(r.left(), y + rowHeight), QPointF(r.right(), y + rowHeight));
    }
    p.restore();
}

void print(QPrinter &printer, const Tournament &t) {
    QPainter p(&printer);
    if (!p.isActive()) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    const double head = area.height() * 0.03;
    const int total = static_cast<int>(t.log().size());
    const int firstRows = 14, perPage = 40;
    int from = 0;
    for (int pageNumber = 1;; ++pageNumber) {
        text(p, QRectF(area.left(), area.top(), area.width(), head),
             QStringLiteral("LessiCorsa! Certamen · %1")
                 .arg(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)),
             Qt::AlignLeft, head * 0.6, true, red);
        text(p, QRectF(area.left(), area.top(), area.width(), head), QString::number(pageNumber),
             Qt::AlignRight, head * 0.5, false, ink);
        QRectF rest = area.adjusted(0, head * 1.3, 0, 0);
        int rows = perPage;
        if (pageNumber == 1) {
            if (!t.champions().isEmpty()) {
                paintChampion(p, QRectF(rest.left(), rest.top(), rest.width(), rest.height() * 0.16), t);
                rest.adjust(0, rest.height() * 0.18, 0, 0);
            }
            paintStandings(p, QRectF(rest.left(), rest.top(), rest.width(), rest.height() * 0.5), t);
            rest.adjust(0, rest.height() * 0.53, 0, 0);
            rows = firstRows;
        }
        const int count = std::min(rows, total - from);
        paintResults(p,
                     QRectF(rest.left(), rest.top(), rest.width(), rest.height() * (count + 1) / (rows + 1)),
                     t, from, count);
        from += count;
        if (from >= total) break;
        printer.newPage();
    }
}

} // namespace certamen
