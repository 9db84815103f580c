#include "lists/frmimprime.h"

#include "lists/asking.h"
#include "lists/style.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace lists;

frmImprime::frmImprime(const WordList &list, const QString &title, QWidget *parent)
    : QDialog(parent), list_(list), title_(title) {
    setObjectName(QStringLiteral("frmImprime"));
    setWindowTitle(QStringLiteral("LessiCorsa! Imprime"));
    style::apply(this, 360, 220);
    Index = new QRadioButton(QStringLiteral("&Index vocabulorum"), this);
    Probatio = new QRadioButton(QStringLiteral("&Probatio cum clave"), this);
    Index->setChecked(true);
    Index->setToolTip(tr("L'elenco intero, come tabella"));
    Probatio->setToolTip(tr("Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; "
                            "le soluzioni su una pagina a parte"));
    classis = new QComboBox(this);
    classis->addItem(QStringLiteral("Omnes classes"));
    classis->addItems(classNames());
    numerus = new QSpinBox(this);
    numerus->setRange(0, 1000);
    numerus->setValue(20);
    numerus->setSpecialValueText(QStringLiteral("Omnia"));
    lingua = new QComboBox(this);
    lingua->addItems(list_.languages());
    Imprime = style::button(this, QStringLiteral("&Imprime..."));
    Pdf = style::button(this, QStringLiteral("P&DF..."));
    Exit = style::button(this, QStringLiteral("&Exit (Esc)"));
    connect(Imprime, &QPushButton::clicked, this, &frmImprime::Imprime_Click);
    connect(Pdf, &QPushButton::clicked, this, [this] { Pdf_Click(); });
    connect(Exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(Probatio, &QRadioButton::toggled, this, &frmImprime::updateControls);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Classis:"), classis);
    form->addRow(QStringLiteral("Vocabula:"), numerus);
    form->addRow(QStringLiteral("Clavis:"), lingua);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Imprime);
    buttons->addWidget(Pdf);
    buttons->addStretch(1);
    buttons->addWidget(Exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Index);
    layout->addWidget(Probatio);
    layout->addLayout(form);
    layout->addLayout(buttons);
    updateControls();
    resize(width(), sizeHint().height());
}

void frmImprime::updateControls() {
    for (QWidget *w : std::initializer_list<QWidget *>{classis, numerus, lingua})
        w->setEnabled(Probatio->isChecked());
}

Printed frmImprime::printTo(QPrinter &printer) {
    if (Index->isChecked()) return printList(printer, list_, title_);
    return printTest(printer, makeTest(list_, classis->currentIndex(), numerus->value(),
                                       std::max(0, lingua->currentIndex()), title_));
}

void frmImprime::Imprime_Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!asking().print(&printer, this)) return;
    if (printTo(printer).pages == 0)
        ui::platform().messageBox(tr("Impossibile stampare."), QStringLiteral("LessiCorsa! Imprime"),
                                  ui::Icon::Exclamation, ui::Buttons::Ok);
}

bool frmImprime::Pdf_Click(const QString &given) {
    const QString path =
        !given.isEmpty() ? given
                         : asking().file(this, QStringLiteral("LessiCorsa! PDF"), tr("PDF (*.pdf)"),
                                         QDir::current().absoluteFilePath(title_ + ".pdf"), true, nullptr);
    if (path.isEmpty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, path);
    if (printTo(printer).pages == 0) {
        ui::platform().messageBox(tr("Impossibile scrivere il file %1.").arg(QDir::toNativeSeparators(path)),
                                  QStringLiteral("LessiCorsa! Imprime"), ui::Icon::Exclamation,
                                  ui::Buttons::Ok);
        return false;
    }
    return true;
}
