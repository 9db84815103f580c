#pragma once
// frmImprime ("LessiCorsa! Imprime"): what to print of a list, the list as a
// table or a test sheet (a class, a number of words, the language of the
// answer key), then the print dialog or a PDF written with no dialog.

#include "lists/print.h"
#include "lists/wordlist.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class frmImprime : public QDialog {
    Q_OBJECT
  public:
    frmImprime(const lists::WordList &list, const QString &title, QWidget *parent = nullptr);

    QRadioButton *Index = nullptr, *Probatio = nullptr;
    QComboBox *classis = nullptr, *lingua = nullptr;
    QSpinBox *numerus = nullptr;
    QPushButton *Imprime = nullptr, *Pdf = nullptr, *Exit = nullptr;

    // Prints what is chosen; a test sheet draws its words anew each time.
    lists::Printed printTo(QPrinter &printer);
    void Imprime_Click();
    // Writes a PDF at `path` (asked for when empty); false if it failed.
    bool Pdf_Click(const QString &path = QString());

  private:
    void updateControls();
    lists::WordList list_;
    QString title_;
};
