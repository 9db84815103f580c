#include "lists/print.h"

#include "lists/wordlist.h"
#include "settings/palette.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <cmath>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::Print", s);
}

// A page's painter with the fonts and the line height of the printer.
class Pages {
  public:
    explicit Pages(QPrinter &printer) : printer_(printer), painter_(&printer) {
        area_ = printer.pageLayout().paintRectPixels(printer.resolution());
        area_.moveTo(0, 0);
        text_ = QFont(palette::arial, 11);
        bold_ = QFont(palette::arial, 11, QFont::Bold);
        title_ = QFont(palette::arial, 15, QFont::Bold);
        painter_.setFont(text_);
        line_ = painter_.fontMetrics().lineSpacing();
        printed_.pages = 1;
    }
    bool ok() const { return painter_.isActive(); }
    QPainter &painter() { return painter_; }
    int lineHeight() const { return line_; }
    const QRect &area() const { return area_; }
    int y() const { return y_; }
    void advance(int pixels) { y_ += pixels; }
    bool fits(int pixels) const { return y_ + pixels <= area_.height(); }
    void newPage() {
        printer_.newPage();
        ++printed_.pages;
        y_ = 0;
    }
    void title(const QString &text) {
        painter_.setFont(title_);
        const int h = painter_.fontMetrics().lineSpacing();
        painter_.drawText(QRect(0, y_, area_.width(), h), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += h + line_ / 2;
        painter_.setFont(text_);
    }
    // A text in the width of `r` from its top left, wrapped at its words (or
    // anywhere in a word wider than the width), never cut: returns its height.
    int text(const QRect &r, const QString &s, bool bold = false) { return wrap(r, s, bold, true); }
    // The height text() would take.
    int height(int width, const QString &s, bool bold = false) {
        return wrap(QRect(0, 0, width, 0), s, bold, false);
    }
    // The width a text takes on one line.
    int width(const QString &s, bool bold = false) {
        return QFontMetrics(bold ? bold_ : text_, painter_.device()).horizontalAdvance(s);
    }
    Printed &printed() { return printed_; }

  private:
    int wrap(const QRect &r, const QString &s, bool bold, bool draw) {
        QTextLayout layout(s, bold ? bold_ : text_, painter_.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(std::max(1, r.width()));
            l.setPosition(QPointF(0, y));
            y += l.height();
        }
        layout.endLayout();
        const int h = std::max(line_, static_cast<int>(std::ceil(y)));
        if (draw) layout.draw(&painter_, QPointF(r.left(), r.top()));
        return h;
    }

    QPrinter &printer_;
    QPainter painter_;
    QRect area_;
    QFont text_, bold_, title_;
    int line_ = 0, y_ = 0;
    Printed printed_;
};

} // namespace

TestSheet makeTest(const WordList &list, int wordClass, int count, int language, const QString &title) {
    TestSheet sheet;
    sheet.title = title;
    QList<QStringList> records;
    for (const QStringList &f : list.records())
        if (wordClass == 0 || classOf(f.value(1)) == wordClass) records.append(f);
    // Drawn without repeats, as the game draws its words.
    for (qsizetype i = records.size() - 1; i > 0; --i)
        records.swapItemsAt(i, ui::intScaled(ui::platform().rnd(), static_cast<int>(i + 1)));
    if (count > 0 && records.size() > count) records.resize(count);
    for (const QStringList &f : records) {
        sheet.words.append(f.value(2));
        sheet.answers.append(f.value(3 + language));
    }
    return sheet;
}

namespace {

// Columns sized to their contents: each as wide as its widest text when all
// fit (the space left going to the last); else the columns narrower than an
// even share keep their width and the others share what is left evenly,
// their texts wrapped.
QList<int> columnWidths(const QList<int> &natural, int total) {
    QList<int> widths = natural;
    long long sum = 0;
    for (int n : natural)
        sum += n;
    if (widths.isEmpty()) return widths;
    if (sum <= total) {
        widths.last() += static_cast<int>(total - sum);
        return widths;
    }
    QList<bool> shared(natural.size(), true);
    int left = total;
    qsizetype sharing = natural.size();
    for (bool kept = true; kept && sharing > 0;) {
        kept = false;
        const int share = left / static_cast<int>(sharing);
        for (qsizetype k = 0; k < natural.size(); ++k)
            if (shared[k] && natural[k] <= share) {
                shared[k] = false;
                left -= natural[k];
                --sharing;
                kept = true;
            }
    }
    for (qsizetype k = 0, n = 0; k < natural.size(); ++k)
        if (shared[k]) widths[k] = left / static_cast<int>(sharing) + (++n == sharing ? left % sharing : 0);
    return widths;
}

} // namespace

Printed printList(QPrinter &printer, const WordList &list, const QString &title) {
    Pages p(printer);
    if (!p.ok()) return {};
    QStringList headings{QStringLiteral("Verbum latinum"), QStringLiteral("Classis")};
    const QStringList languages = list.languages();
    headings += languages.isEmpty() ? QStringList{QStringLiteral("Versio")} : languages;
    QList<QStringList> rows;
    for (int r = 0; r < list.rowCount(); ++r) {
        if (list.rowLine(r).kind != Line::Kind::Record) continue;
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c) {
            const QString text = list.cell(r, c);
            const int k = c == WordList::classColumn ? classOf(text) : 0;
            cells.append(k ? className(k) : text);
        }
        rows.append(cells);
    }
    const int w = p.area().width();
    const int pad = p.lineHeight() / 4;
    QList<int> natural;
    for (qsizetype k = 0; k < headings.size(); ++k) {
        int widest = p.width(headings[k], true);
        for (const QStringList &cells : rows)
            widest = std::max(widest, p.width(cells.value(k)));
        natural.append(widest + 2 * pad + 1);
    }
    const QList<int> widths = columnWidths(natural, w);
    const auto row = [&](const QStringList &cells, bool heading) {
        int h = 0;
        for (qsizetype k = 0; k < headings.size(); ++k)
            h = std::max(h, p.height(widths[k] - 2 * pad, cells.value(k), heading));
        h += 2 * pad;
        if (!p.fits(h) && p.y() > 0) {
            p.newPage();
            if (!heading) return false;
        }
        int x = 0;
        if (heading) p.painter().fillRect(QRect(0, p.y(), w, h), palette::controlBack);
        for (qsizetype k = 0; k < headings.size(); ++k) {
            p.text(QRect(x + pad, p.y() + pad, widths[k] - 2 * pad, h - 2 * pad), cells.value(k), heading);
            x += widths[k];
        }
        p.painter().setPen(QPen(QColor(160, 160, 160), 0));
        p.painter().drawLine(0, p.y() + h, w, p.y() + h);
        p.painter().setPen(QColor(0, 0, 0));
        p.advance(h);
        return true;
    };
    p.title(title);
    row(headings, true);
    for (const QStringList &cells : rows)
        if (!row(cells, false)) {
            // A new page: the heading again, then the row.
            row(headings, true);
            row(cells, false);
        }
    return p.printed();
}

Printed printTest(QPrinter &printer, const TestSheet &sheet) {
    Pages p(printer);
    if (!p.ok()) return {};
    const int w = p.area().width(), line = p.lineHeight();
    p.title(sheet.title);
    p.text(QRect(0, p.y(), w, line), tr("Nomen: ______________________________      Dies: ______________"));
    p.advance(line * 2);
    // The numbers as wide as the largest, in full.
    const int number =
        p.width(QString::number(std::max<qsizetype>(sheet.words.size(), 1)) + QStringLiteral(". "));
    const int wordEnd = w * 45 / 100, answerAt = w * 47 / 100;
    // Each word (wrapped when long) with a blank line for its answer.
    for (qsizetype i = 0; i < sheet.words.size(); ++i) {
        const int h = p.height(wordEnd - number, sheet.words[i], true);
        if (!p.fits(h + line) && p.y() > 0) p.newPage();
        p.text(QRect(0, p.y(), number, line), QString::number(i + 1) + QLatin1Char('.'));
        p.text(QRect(number, p.y(), wordEnd - number, h), sheet.words[i], true);
        p.painter().drawLine(answerAt, p.y() + h - 2, w, p.y() + h - 2);
        p.advance(h + line);
    }
    // The key on a page of its own, so that it can be kept apart.
    p.newPage();
    p.printed().keyPage = p.printed().pages;
    p.title(sheet.title + QStringLiteral(" - Clavis"));
    for (qsizetype i = 0; i < sheet.words.size(); ++i) {
        const int h = std::max(p.height(wordEnd - number, sheet.words[i], true),
                               p.height(w - answerAt, sheet.answers[i]));
        if (!p.fits(h) && p.y() > 0) p.newPage();
        p.text(QRect(0, p.y(), number, line), QString::number(i + 1) + QLatin1Char('.'));
        p.text(QRect(number, p.y(), wordEnd - number, h), sheet.words[i], true);
        p.text(QRect(answerAt, p.y(), w - answerAt, h), sheet.answers[i]);
        p.advance(h);
    }
    return p.printed();
}

void toPdf(QPrinter &printer, const QString &path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
}

} // namespace lists
