#include "certamen/paint.h"

#include "settings/roster.h"
#include "ui/picture.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace certamen {

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
        p.setFont(fontOf(px * r.width() / width, bold));
    p.setPen(c);
    const QString shown = QFontMetricsF(p.font(), p.device()).elidedText(s, Qt::ElideRight, r.width());
    p.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine, shown);
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
                text(p, row.adjusted(0, 0, -scoreWidth, 0),
                     e >= 0 ? t.name(e) : (m.bye ? QStringLiteral("—") : QString()), Qt::AlignLeft, px, won,
                     lost ? faded : Qt::black);
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
        text(p, b.adjusted(px * 0.4, 0, -px * 0.4, 0), t.name(champion.first()), Qt::AlignHCenter, px * 1.1,
             true, Qt::black);
}

// The league's table: place, name, matches played, wins, words right, errors.
void paintLeague(QPainter &p, const QRectF &r, const Tournament &t) {
    const std::vector<Standing> table = t.standings();
    const int rows = static_cast<int>(table.size()) + 1;
    const double rowHeight = std::min(r.height() / rows, r.width() / 14), px = rowHeight * 0.5;
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
            text(p, QRectF(x + px * 0.2, y, w - px * 0.4, rowHeight), cells[c],
                 c == 1 ? Qt::AlignLeft : Qt::AlignHCenter, row == 0 ? px * 0.8 : px, row == 0 || c == 3,
                 row == 0 ? ink : Qt::black, row == 0);
            x += w;
        }
        p.setPen(QPen(ink, pen));
        p.drawLine(QPointF(r.left(), y + rowHeight), QPointF(r.right(), y + rowHeight));
    }
}

} // namespace

QString roundName(const Tournament &t, int round) {
    if (t.kind() == Kind::Eliminatio && round == t.rounds()) return QStringLiteral("Gradus ultimus");
    return QStringLiteral("Gradus ") + roman(round);
}

QString duration(int seconds) {
    return QStringLiteral("%1′ %2″").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
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
        text(p, QRectF(r.left() + w * 0.03, r.top() + h * 0.03, w * 0.94, h * 0.13),
             QStringLiteral("Modo actum (%1): %2  %3 : %4  %5 · %6")
                 .arg(roundName(t, m.round), t.name(m.side[0]))
                 .arg(o.right[0])
                 .arg(o.right[1])
                 .arg(t.name(m.side[1]), duration(o.seconds)),
             Qt::AlignHCenter, h * 0.075, false, Qt::white);
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
            text(p, QRectF(x, top, half, side), t.name(m.side[s]), s == 0 ? Qt::AlignLeft : Qt::AlignRight,
                 side * 0.3, true, Qt::white);
        }
        text(p, QRectF(r.left() + w * 0.05 + side + half, top, between, side), QStringLiteral("contra"),
             Qt::AlignHCenter, side * 0.18, false, highlight);
    }
    text(p, QRectF(r.left(), r.top() + h * 0.78, w, h * 0.12), prompt, Qt::AlignHCenter, h * 0.09, true,
         highlight);
    text(p, QRectF(r.left(), r.top() + h * 0.89, w, h * 0.09), hint, Qt::AlignHCenter, h * 0.055, false,
         Qt::white);
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
    text(p, QRectF(x, r.top() + h * 0.36, width, h * 0.5), names.join(QStringLiteral(" · ")), Qt::AlignLeft,
         h * 0.3, true, Qt::white, champions.size() > 1);
    p.restore();
}

void paintResults(QPainter &p, const QRectF &r, const Tournament &t, int from, int count) {
    p.save();
    const QList<int> &played = t.played();
    const int rows = count + 1;
    const double rowHeight = std::min(r.height() / rows, r.width() / 30), px = rowHeight * 0.55;
    const double widths[] = {0.14, 0.25, 0.25, 0.12, 0.12, 0.12};
    const QStringList heads = {QStringLiteral("Gradus"),     QStringLiteral("Sinister (1)"),
                               QStringLiteral("Dexter (0)"), QStringLiteral("Recte"),
                               QStringLiteral("Errores"),    QStringLiteral("Tempus")};
    for (int row = 0; row < rows && from + row - 1 < played.size(); ++row) {
        const double y = r.top() + row * rowHeight;
        QStringList cells = heads;
        int winnerSide = -1;
        if (row > 0) {
            const Match &m = t.matches()[played.at(from + row - 1)];
            const Outcome &o = *m.outcome;
            winnerSide = o.winner == m.side[0] ? 0 : 1;
            cells = {roundName(t, m.round),
                     t.name(m.side[0]),
                     t.name(m.side[1]),
                     QStringLiteral("%1 : %2").arg(o.right[0]).arg(o.right[1]),
                     QStringLiteral("%1 : %2").arg(o.errors[0]).arg(o.errors[1]),
                     duration(o.seconds)};
        }
        double x = r.left();
        for (int c = 0; c < 6; ++c) {
            const double w = widths[c] * r.width();
            text(p, QRectF(x, y, w - px * 0.5, rowHeight), cells[c],
                 c == 1 || c == 2 ? Qt::AlignLeft : Qt::AlignHCenter, px, row == 0 || c == winnerSide + 1,
                 row == 0 ? ink : Qt::black);
            x += w;
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
    const int total = static_cast<int>(t.played().size());
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
