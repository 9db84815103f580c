#include "lists/print.h"

#include "lists/wordlist.h"
#include "settings/palette.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

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
        y_ = 0;
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
    void text(const QRect &r, const QString &s, bool bold = false) {
        painter_.setFont(bold ? bold_ : text_);
        painter_.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                          painter_.fontMetrics().elidedText(s, Qt::ElideRight, r.width()));
        painter_.setFont(text_);
    }
    Printed &printed() { return printed_; }

  private:
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

Printed printList(QPrinter &printer, const WordList &list, const QString &title) {
    Pages p(printer);
    if (!p.ok()) return {};
    QStringList headings{QStringLiteral("Verbum latinum"), QStringLiteral("Classis")};
    const QStringList languages = list.languages();
    headings += languages.isEmpty() ? QStringList{QStringLiteral("Versio")} : languages;
    // Latin and class take fixed shares, the languages the rest.
    const int w = p.area().width();
    QList<int> widths{w * 30 / 100, w * 16 / 100};
    const int rest = w - widths[0] - widths[1];
    for (qsizetype k = 2; k < headings.size(); ++k)
        widths.append(rest / static_cast<int>(headings.size() - 2));
    const int h = p.lineHeight() * 5 / 4;
    const auto row = [&](const QStringList &cells, bool heading) {
        int x = 0;
        if (heading) p.painter().fillRect(QRect(0, p.y(), w, h), palette::controlBack);
        for (qsizetype k = 0; k < headings.size(); ++k) {
            p.text(QRect(x + h / 4, p.y(), widths[k] - h / 2, h), cells.value(k), heading);
            x += widths[k];
        }
        p.painter().setPen(QPen(QColor(160, 160, 160), 0));
        p.painter().drawLine(0, p.y() + h, w, p.y() + h);
        p.painter().setPen(QColor(0, 0, 0));
        p.advance(h);
    };
    p.title(title);
    row(headings, true);
    for (int r = 0; r < list.rowCount(); ++r) {
        if (list.rowLine(r).kind != Line::Kind::Record) continue;
        if (!p.fits(h)) {
            p.newPage();
            row(headings, true);
        }
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c) {
            const QString text = list.cell(r, c);
            const int k = c == WordList::classColumn ? classOf(text) : 0;
            cells.append(k ? className(k) : text);
        }
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
    // Each word with a blank line for its answer.
    const int item = line * 2;
    const int number = p.painter().fontMetrics().horizontalAdvance(QStringLiteral("000. "));
    for (qsizetype i = 0; i < sheet.words.size(); ++i) {
        if (!p.fits(item)) p.newPage();
        p.text(QRect(0, p.y(), number, line), QString::number(i + 1) + QLatin1Char('.'));
        p.text(QRect(number, p.y(), w * 45 / 100 - number, line), sheet.words[i], true);
        p.painter().drawLine(w * 47 / 100, p.y() + line - 2, w, p.y() + line - 2);
        p.advance(item);
    }
    // The key on a page of its own, so that it can be kept apart.
    p.newPage();
    p.printed().keyPage = p.printed().pages;
    p.title(sheet.title + QStringLiteral(" - Clavis"));
    for (qsizetype i = 0; i < sheet.words.size(); ++i) {
        if (!p.fits(line)) p.newPage();
        p.text(QRect(0, p.y(), number, line), QString::number(i + 1) + QLatin1Char('.'));
        p.text(QRect(number, p.y(), w * 45 / 100 - number, line), sheet.words[i], true);
        p.text(QRect(w * 47 / 100, p.y(), w * 53 / 100, line), sheet.answers[i]);
        p.advance(line);
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
