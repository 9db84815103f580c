#include "lists/asking.h"

#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace lists {

namespace {

Asking real() {
    Asking a;
    a.file = [](QWidget *parent, const QString &title, const QString &filter, const QString &suggested,
                bool save, QString *chosen) {
        return save ? QFileDialog::getSaveFileName(parent, title, suggested, filter, chosen)
                    : QFileDialog::getOpenFileName(parent, title, suggested, filter, chosen);
    };
    a.exec = [](QDialog *d) { return d->exec(); };
    a.print = [](QPrinter *p, QWidget *parent) {
        QPrintDialog d(p, parent);
        return d.exec() == QDialog::Accepted;
    };
    return a;
}

} // namespace

Asking &asking() {
    static Asking a = real();
    return a;
}

void resetAsking() {
    asking() = real();
}

} // namespace lists
