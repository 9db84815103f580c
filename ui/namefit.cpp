#include "ui/namefit.h"

#include <QFontMetricsF>
#include <algorithm>

namespace ui {

namespace {

QStringList words(const QString &s) {
    return s.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QFont sized(QFont f, double px) {
    f.setPixelSize(std::max(1, static_cast<int>(px)));
    return f;
}

// The name over two lines, broken at the space that makes the longer line
// shortest; empty for a name of one word.
QString wrapped(const QString &name, const QFontMetricsF &fm, double *width) {
    const QStringList w = words(name);
    QString best;
    double bestWidth = 0;
    for (int k = 1; k < w.size(); ++k) {
        const QString a = w.mid(0, k).join(QLatin1Char(' ')), b = w.mid(k).join(QLatin1Char(' '));
        const double longer = std::max(fm.horizontalAdvance(a), fm.horizontalAdvance(b));
        if (best.isEmpty() || longer < bestWidth) {
            best = a + QLatin1Char('\n') + b;
            bestWidth = longer;
        }
    }
    *width = bestWidth;
    return best;
}

} // namespace

QString uniqueShort(const QString &name, const QStringList &all) {
    const QStringList w = words(name);
    if (w.size() < 2) return name;
    const QString first = w.first(), surname = w.last();
    for (qsizetype k = 1; k < surname.size(); ++k) {
        const QString stem = surname.left(k);
        const bool alike = std::any_of(all.begin(), all.end(), [&](const QString &other) {
            const QStringList o = words(other);
            return other.simplified() != name.simplified() && o.size() >= 2 &&
                   o.first().compare(first, Qt::CaseInsensitive) == 0 &&
                   o.last().startsWith(stem, Qt::CaseInsensitive);
        });
        if (!alike) return first + QLatin1Char(' ') + stem + QLatin1Char('.');
    }
    return name;
}

FittedName fitName(const QString &name, const QStringList &all, const QFont &font, double px, double minPx,
                   const QSizeF &box) {
    minPx = std::min(minPx, px);
    const double width = QFontMetricsF(sized(font, px)).horizontalAdvance(name);
    if (width <= box.width()) return {name, px};
    // Smaller, as far as the least size allows.
    const double shrunk = std::floor(px * box.width() / width);
    if (shrunk >= minPx && QFontMetricsF(sized(font, shrunk)).horizontalAdvance(name) <= box.width())
        return {name, shrunk};
    // Over two lines, at the largest size whose two lines fit.
    for (double s = px; s >= minPx; s -= std::max(1.0, px / 20)) {
        const QFontMetricsF fm(sized(font, s));
        if (2 * fm.height() > box.height()) continue;
        double longer = 0;
        const QString two = wrapped(name, fm, &longer);
        if (!two.isEmpty() && longer <= box.width()) return {two, s};
    }
    // Shortened, yet told apart from the others.
    const QString shortName = uniqueShort(name, all);
    const QFontMetricsF fm(sized(font, minPx));
    if (shortName != name) {
        const double w = QFontMetricsF(sized(font, px)).horizontalAdvance(shortName);
        if (w <= box.width()) return {shortName, px};
        const double s = std::floor(px * box.width() / w);
        if (s >= minPx) return {shortName, s};
    }
    return {fm.elidedText(shortName, Qt::ElideRight, box.width()), minPx};
}

} // namespace ui
