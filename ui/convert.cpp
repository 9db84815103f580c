#include "ui/convert.h"

#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

QString plainForm(double n) {
    if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15)
        return QString::number(static_cast<long long>(n));
    QString s = QString::number(n, 'g', 15);
    return s.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

QString signedForm(double n) {
    return n < 0 ? plainForm(n) : QLatin1Char(' ') + plainForm(n);
}

double val(const QString &text) {
    // Blanks anywhere before and inside the number are skipped, as the
    // classic number reading does ("1 2" reads 12).
    QString digits;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) digits += text[i++];
    bool seenDigit = false, seenPoint = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) continue;
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            digits += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0;
    // An exponent ("1E3") is part of a decimal number too.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+'))) exp += text[j++];
        int k = j;
        while (k < n && text[k].isDigit() && text[k].unicode() < 128)
            exp += text[k++];
        if (k > j) digits += exp;
    }
    // A number too large for a double reads as the largest value of its sign,
    // so that the clamping of the caller still applies; one too small reads 0.
    const double v = digits.toDouble();
    if (std::isinf(v)) return std::copysign(std::numeric_limits<double>::max(), v);
    return std::isfinite(v) ? v : 0;
}

long long roundHalfEven(double x) {
    if (!std::isfinite(x)) return 0;
    x = std::clamp(x, -9.0e18, 9.0e18);
    const double f = std::floor(x);
    const double diff = x - f;
    long long r = static_cast<long long>(f);
    if (diff > 0.5 || (diff == 0.5 && (r % 2 != 0))) ++r;
    return r;
}

int intScaled(float r, int n) {
    if (n <= 0) return 0;
    const int k = static_cast<int>(std::floor(static_cast<double>(r) * n));
    return std::clamp(k, 0, n - 1);
}

QString timeOfDayText(double fractionOfDay) {
    const double f = fractionOfDay - std::floor(fractionOfDay);
    const int secs = static_cast<int>(std::llround(f * 86400.0) % 86400);
    const QTime t = QTime(0, 0).addSecs(secs);
    // The system's long time format, without the time zone (this is a duration
    // shown as a time of day); fall back to hours:minutes:seconds.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    format = format.trimmed();
    if (!format.contains(QLatin1Char('s'))) format = QStringLiteral("HH:mm:ss");
    return t.toString(format);
}

} // namespace ui
