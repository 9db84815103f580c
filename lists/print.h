#pragma once
// Printing a list, on paper or into a PDF by the same code: the list as a
// table, its heading repeated on every page; or a test sheet, the Latin words
// of a class in a random order with a blank line for each answer, and the
// answer key on a page of its own.

#include <QList>
#include <QString>

class QPrinter;

namespace lists {

class WordList;

struct TestSheet {
    QString title;
    QStringList words, answers; // in the order asked
};

// A test of the records of class `wordClass` (0: all), drawn in a random
// order (the platform's draws), at most `count` (0: all), the answers in
// language `language` of the heading.
TestSheet makeTest(const WordList &list, int wordClass, int count, int language, const QString &title);

// What was printed: the pages, and the first page of the answer key.
struct Printed {
    int pages = 0;
    int keyPage = 0;
};
Printed printList(QPrinter &printer, const WordList &list, const QString &title);
Printed printTest(QPrinter &printer, const TestSheet &sheet);
// Sets up `printer` to write a PDF at `path`, with no dialog.
void toPdf(QPrinter &printer, const QString &path);

} // namespace lists
