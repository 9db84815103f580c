#include "players/progress.h"

#include <algorithm>
#include <vector>

namespace players {

QDateTime rangeStart(Range r, const QDateTime &now) {
    switch (r) {
    case Range::Week:
        return now.addDays(-7);
    case Range::Month:
        return now.addMonths(-1);
    default:
        return QDateTime();
    }
}

QList<QPointF> wordsPerMinute(const QList<PlayedGame> &games) {
    QList<QPointF> out;
    out.reserve(games.size());
    // A game reported shorter than a second counts as one second long.
    for (const PlayedGame &g : games)
        out.append({double(g.started), g.right * 60.0 / std::max(g.seconds, 1.0)});
    return out;
}

QList<QPointF> errorsPerWord(const QList<PlayedGame> &games) {
    QList<QPointF> out;
    out.reserve(games.size());
    for (const PlayedGame &g : games)
        out.append({double(g.started), double(g.errors) / std::max(g.asked, 1)});
    return out;
}

QList<QPointF> thinned(const QList<QPointF> &points, int most) {
    if (points.size() <= most || most < 1) return points;
    double lo = points.first().x(), hi = lo;
    for (const QPointF &p : points) {
        lo = std::min(lo, p.x());
        hi = std::max(hi, p.x());
    }
    std::vector<QPointF> sum(static_cast<size_t>(most));
    std::vector<int> count(static_cast<size_t>(most));
    const double span = (hi - lo) / most;
    for (const QPointF &p : points) {
        const auto k = span > 0 ? std::min<size_t>(size_t((p.x() - lo) / span), size_t(most - 1)) : 0;
        sum[k] += p;
        ++count[k];
    }
    QList<QPointF> out;
    for (size_t k = 0; k < sum.size(); ++k)
        if (count[k]) out.append(sum[k] / count[k]);
    return out;
}

QList<std::pair<QDate, int>> masteredPerWeek(const QList<QDate> &days, QDate from, QDate to) {
    QList<std::pair<QDate, int>> out;
    if (!from.isValid() || !to.isValid() || from > to) return out;
    const QDate first = from.addDays(1 - from.dayOfWeek());
    for (QDate monday = first; monday <= to; monday = monday.addDays(7))
        out.append({monday, 0});
    for (const QDate &d : days) {
        const qint64 week = first.daysTo(d) / 7;
        if (d >= first && week < out.size()) ++out[week].second;
    }
    return out;
}

namespace {
QString field(const QString &s) {
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) && !s.contains(QLatin1Char('\n')) &&
        !s.contains(QLatin1Char('\r')))
        return s;
    return QLatin1Char('"') + QString(s).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
} // namespace

QByteArray csv(const QList<PlayedGame> &games, const QString &playerName) {
    QString out = QStringLiteral("lusor,initium,secunda,vocabula,lingua,classes,crebritates,velocitas,"
                                 "vocabula_ludi,lusores,latus,recta,errores,exclusiones,rogata,vicit\r\n");
    const QString name = field(playerName);
    for (const PlayedGame &g : games) {
        const QStringList f{name,
                            QDateTime::fromMSecsSinceEpoch(g.started).toString(Qt::ISODate),
                            QString::number(g.seconds),
                            field(g.vocabulary),
                            field(g.language),
                            field(g.classes),
                            field(g.frequencies),
                            QString::number(g.speed),
                            QString::number(g.wordsPerGame),
                            QString::number(g.playerCount),
                            QString::number(g.side),
                            QString::number(g.right),
                            QString::number(g.errors),
                            QString::number(g.lockouts),
                            QString::number(g.asked),
                            QString::number(g.winner == g.side ? 1 : 0)};
        out += f.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace players
