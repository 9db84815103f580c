#pragma once
// How the lists' windows ask the teacher for a file, show a window modally
// and offer the print dialog: the real dialogs by default; a test puts its
// own answers here.

#include <QString>
#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace lists {

struct Asking {
    // A file to open (`save` false) or to write; empty when the teacher gives
    // none. `chosen`, when given, receives the filter the teacher chose.
    std::function<QString(QWidget *parent, const QString &title, const QString &filter,
                          const QString &suggested, bool save, QString *chosen)>
        file;
    // Shows a window modally; its result (QDialog::Accepted or Rejected).
    std::function<int(QDialog *)> exec;
    // The print dialog for `printer`; false when the teacher cancels.
    std::function<bool(QPrinter *, QWidget *parent)> print;
};

Asking &asking();
// Puts the real dialogs back.
void resetAsking();

} // namespace lists
