#include "errata/frmerrata.h"

#include "errata/errata.h"
#include "settings/palette.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QTreeView>
#include <algorithm>

using namespace ui;
using namespace palette;

// The missed words, most missed first, as the view's rows.
class ErrataModel : public QAbstractTableModel {
  public:
    ErrataModel(QObject *parent, const QStringList &headings)
        : QAbstractTableModel(parent), headings_(headings) {}
    void setWords(QList<MissedWord> words, const QString &heading, const QString &language) {
        beginResetModel();
        words_ = std::move(words);
        // The translation's place among a word's translations, found once.
        language_ = heading.split(QLatin1Char(';')).mid(3).indexOf(language);
        endResetModel();
    }
    const QList<MissedWord> &words() const { return words_; }
    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(words_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headings_.size());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o == Qt::Horizontal && role == Qt::DisplayRole) return headings_.value(section);
        return {};
    }
    QVariant data(const QModelIndex &i, int role) const override {
        if (!i.isValid() || i.row() >= words_.size()) return {};
        if (role == Qt::TextAlignmentRole)
            return i.column() == 2 || i.column() == 4 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant();
        if (role != Qt::DisplayRole) return {};
        const MissedWord &m = words_[i.row()];
        switch (i.column()) {
        case 0:
            return m.latin;
        case 1:
            return language_ >= 0 && language_ < m.translations.size() ? m.translations[language_]
                                                                       : m.translations.value(0);
        case 2:
            return plainForm(m.errors);
        case 3:
            return m.last.toString(Qt::ISODate);
        case 4:
            return plainForm(m.box);
        case 5:
            return m.due.toString(Qt::ISODate);
        }
        return {};
    }

  private:
    QStringList headings_;
    QList<MissedWord> words_;
    qsizetype language_ = -1;
};

frmErrata::frmErrata(Errata *errata, const QString &language)
    : Form(QStringLiteral("frmErrata"), Border::FixedDialog, 8115, 4710), errata_(errata),
      language_(language) {
    palette::dressWindow(*this, QStringLiteral("LessiCorsa! Errata"));
    QWidget *w = client();

    elenco = new QTreeView(w);
    elenco->setObjectName(QStringLiteral("elenco"));
    elenco->setUniformRowHeights(true);
    elenco->setGeometry(QRect(QPoint(120, 120) / twipsPerPixel, QSize(6480, 4470) / twipsPerPixel));
    elenco->setRootIsDecorated(false);
    elenco->setAlternatingRowColors(false);
    elenco->setSelectionMode(QAbstractItemView::SingleSelection);
    elenco->setFrameShape(QFrame::Box);
    QPalette p = elenco->palette();
    p.setColor(QPalette::Base, controlBack);
    p.setColor(QPalette::Window, controlBack);
    p.setColor(QPalette::Button, controlBack);
    p.setColor(QPalette::Text, QColor(0, 0, 0));
    elenco->setPalette(p);
    elenco->header()->setPalette(p);
    model_ = new ErrataModel(this, {QStringLiteral("Verbum latinum"),
                                    language_.isEmpty() ? QStringLiteral("Versio") : language_,
                                    QStringLiteral("Errores"), QStringLiteral("Ultimus"),
                                    QStringLiteral("Capsa"), QStringLiteral("Debetur")});
    elenco->setModel(model_);
    elenco->header()->setSectionsMovable(false);
    elenco->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c : {0, 1})
        elenco->setColumnWidth(c, 100);
    elenco->setColumnWidth(2, 48);
    elenco->setColumnWidth(3, 72);
    elenco->setColumnWidth(4, 42);

    auto button = [&](const QString &name, QRectF r, const QString &caption, double pt) {
        auto *b = new CommandButton(w, name);
        b->setRect(r.x(), r.y(), r.width(), r.height());
        b->setFontSpec(arial, pt, true);
        b->setBackColor(controlBack);
        b->setCaption(caption);
        return b;
    };
    Ludus = button(QStringLiteral("Ludus"), {6720, 120, 1275, 570}, QStringLiteral("&Ludus errorum"), 9.75);
    Dele = button(QStringLiteral("Dele"), {6720, 705, 1275, 510}, QStringLiteral("&Dele"), 9.75);
    Exit = button(QStringLiteral("Exit"), {6720, 1230, 1275, 510}, QStringLiteral("&Exit (Esc)"), 9.75);
    Ludus->setToolTipText(tr("Una partita con i soli vocaboli sbagliati"));
    Dele->setToolTipText(tr("Svuota l'elenco dei vocaboli sbagliati"));
    connect(Ludus, &Control::Click, this, &frmErrata::Ludus_Click);
    connect(Dele, &Control::Click, this, &frmErrata::Dele_Click);
    connect(Exit, &Control::Click, this, &frmErrata::Exit_Click);
    setCancelButton(Exit);

    summa = new Label(w, QStringLiteral("summa"));
    summa->setRect(6720, 4335, 1275, 255);
    summa->setFontSpec(arial, 8.25);
    summa->setBorderStyle(1);
    summa->setAlignment(Label::AlignCenter);
    summa->setBackColor(white);
    fill();
}

frmErrata::~frmErrata() {
    releaseControls();
}

void frmErrata::fill() {
    model_->setWords(errata_->list().byErrors(), errata_->list().heading(), language_);
    const QList<MissedWord> &words = model_->words();
    // The count column widens for a count of many digits (up to the largest
    // int) rather than cutting it short.
    const QFontMetrics metrics(elenco->font());
    int countWidth = 55;
    if (!words.isEmpty())
        countWidth = std::max(countWidth, metrics.horizontalAdvance(plainForm(words.first().errors)) + 12);
    elenco->setColumnWidth(2, countWidth);
    summa->setCaption(plainForm(static_cast<int>(words.size())) + QStringLiteral(" vocabula"));
    Ludus->setEnabled(!words.isEmpty());
    Dele->setEnabled(!words.isEmpty());
    (words.isEmpty() ? Exit : Ludus)->setFocus();
}

void frmErrata::Ludus_Click() {
    ludusAsked_ = true;
    hide();
}

void frmErrata::Dele_Click() {
    const Answer a =
        platform().messageBox(tr("Cancellare dall'elenco tutti i vocaboli sbagliati?"),
                              QStringLiteral("LessiCorsa! Errata"), Icon::Exclamation, Buttons::OkCancel);
    if (a != Answer::Ok) return;
    errata_->dele();
    fill();
}

void frmErrata::Exit_Click() {
    hide();
}
