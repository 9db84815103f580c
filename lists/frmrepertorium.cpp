#include "lists/frmrepertorium.h"

#include "lists/asking.h"
#include "lists/imported.h"
#include "lists/listmodel.h"
#include "lists/style.h"
#include "ui/platform.h"
#include "vocabulary/vocabularyfile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using namespace lists;

namespace {

const QString title = QStringLiteral("LessiCorsa! Repertorium");

// The class chosen by its name.
class ClassDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override {
        auto *box = new QComboBox(parent);
        box->addItems(classNames());
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override {
        static_cast<QComboBox *>(editor)->setCurrentIndex(std::max(0, index.data(Qt::EditRole).toInt() - 1));
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override {
        model->setData(index, static_cast<QComboBox *>(editor)->currentIndex() + 1, Qt::EditRole);
    }
};

} // namespace

frmRepertorium::frmRepertorium(const QString &path, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRepertorium"));
    setWindowTitle(title);
    WordList list = WordList::fresh({QStringLiteral("Italiano")});
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        QFile file(path);
        if (!vocabulary::isReadableFile(path) || !file.open(QIODevice::ReadOnly) ||
            file.size() > maxImportBytes) {
            ui::platform().messageBox(
                tr("Impossibile aprire il file %1.").arg(QDir::toNativeSeparators(path)), title,
                ui::Icon::Exclamation, ui::Buttons::Ok);
            opened_ = false;
            return;
        }
        list = WordList::fromBytes(file.readAll());
    }
    model_ = new ListModel(std::move(list), this);
    style::apply(this, 640, 480);

    nomen = new QLabel(this);
    tabula = new QTableView(this);
    tabula->setObjectName(QStringLiteral("tabula"));
    tabula->setModel(model_);
    tabula->setItemDelegateForColumn(WordList::classColumn, new ClassDelegate(tabula));
    tabula->setSelectionBehavior(QAbstractItemView::SelectItems);
    tabula->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    // Fixed row heights keep a hundred thousand rows as quick as ten.
    tabula->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabula->verticalHeader()->setDefaultSectionSize(tabula->fontMetrics().height() + 6);
    tabula->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tabula->horizontalHeader()->setStretchLastSection(true);
    tabula->horizontalHeader()->setSectionsClickable(true);
    tabula->horizontalHeader()->setSortIndicatorShown(true);
    tabula->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // in the file's order
    // The columns share the window's width: the Latin word and the class
    // take fixed parts, the languages the rest.
    const int languages = model_->columnCount() - WordList::firstLanguageColumn;
    tabula->setColumnWidth(WordList::latinColumn, style::scaled(190));
    tabula->setColumnWidth(WordList::classColumn, style::scaled(125));
    for (int c = WordList::firstLanguageColumn; c < model_->columnCount(); ++c)
        tabula->setColumnWidth(c, style::scaled(std::clamp(250 / languages, 80, 150)));
    // A click on a column's heading sorts by it; the heading has turned its
    // indicator to the order asked for by then.
    connect(tabula->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { model_->sortBy(column, tabula->horizontalHeader()->sortIndicatorOrder()); });

    quaestio = new QWidget(this);
    auto *find = new QHBoxLayout(quaestio);
    find->setContentsMargins(0, 0, 0, 0);
    find->addWidget(new QLabel(QStringLiteral("Quaere:"), quaestio));
    quaere = new QLineEdit(quaestio);
    quaere->setObjectName(QStringLiteral("quaere"));
    quaere->installEventFilter(this);
    find->addWidget(quaere, 1);
    auto *sequens = style::button(quaestio, QStringLiteral("&Sequens (F3)"));
    find->addWidget(sequens);
    connect(sequens, &QPushButton::clicked, this, [this] { findNext(); });
    connect(quaere, &QLineEdit::returnPressed, this, [this] { findNext(); });
    quaestio->hide();

    Adde = style::button(this, QStringLiteral("&Adde"));
    Dele = style::button(this, QStringLiteral("&Dele"));
    Salva = style::button(this, QStringLiteral("&Salva"));
    Exit = style::button(this, QStringLiteral("&Exit (Esc)"));
    Adde->setToolTip(tr("Aggiunge una riga dopo quella scelta (tasto Ins)"));
    Dele->setToolTip(tr("Cancella le righe scelte (tasto Canc)"));
    Salva->setToolTip(tr("Salva l'elenco (Ctrl+S)"));
    connect(Adde, &QPushButton::clicked, this, &frmRepertorium::Adde_Click);
    connect(Dele, &QPushButton::clicked, this, &frmRepertorium::Dele_Click);
    connect(Salva, &QPushButton::clicked, this, &frmRepertorium::Salva_Click);
    connect(Exit, &QPushButton::clicked, this, &frmRepertorium::reject);
    summa = new QLabel(this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {Adde, Dele, Salva})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(summa);
    buttons->addStretch(1);
    buttons->addWidget(Exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nomen);
    layout->addWidget(tabula, 1);
    layout->addWidget(quaestio);
    layout->addLayout(buttons);

    QUndoStack *undo = model_->undoStack();
    const auto shortcut = [this](const QKeySequence &k, auto f) {
        connect(new QShortcut(k, this), &QShortcut::activated, this, f);
    };
    shortcut(QKeySequence::Undo, [undo] { undo->undo(); });
    shortcut(QKeySequence::Redo, [undo] { undo->redo(); });
    // Ctrl+Y redoes as well where the platform's redo keys lack it (a key
    // bound twice would fire neither).
    if (!QKeySequence::keyBindings(QKeySequence::Redo).contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [undo] { undo->redo(); });
    shortcut(QKeySequence::Find, [this] { showFind(); });
    shortcut(QKeySequence::FindNext, [this] { findNext(); });
    shortcut(QKeySequence::FindPrevious, [this] { findNext(false); });
    shortcut(QKeySequence::Save, [this] { Salva_Click(); });
    auto *ins = new QShortcut(QKeySequence(Qt::Key_Insert), tabula, nullptr, nullptr, Qt::WidgetShortcut);
    connect(ins, &QShortcut::activated, this, &frmRepertorium::Adde_Click);
    auto *del = new QShortcut(QKeySequence::Delete, tabula, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &frmRepertorium::Dele_Click);
    connect(undo, &QUndoStack::indexChanged, this, &frmRepertorium::updateSumma);
    connect(model_, &QAbstractItemModel::modelReset, this, &frmRepertorium::updateSumma);
    setPath(path);
    updateSumma();
}

frmRepertorium::~frmRepertorium() {
    // The model (and its undo stack, which signals as it is cleared) goes
    // while this window is still whole.
    delete model_;
}

void frmRepertorium::setPath(const QString &path) {
    path_ = path;
    nomen->setText(path.isEmpty() ? tr("Nuovo elenco, non ancora salvato") : QDir::toNativeSeparators(path));
}

void frmRepertorium::updateSumma() {
    const WordList &l = model_->list();
    int marked = 0;
    // Counting the marks reads every row: for a large list only its size shows.
    if (l.rowCount() <= 20000)
        for (int r = 0; r < l.rowCount(); ++r)
            marked += !l.problem(r).isEmpty();
    QString s = tr("%1 righe").arg(l.rowCount());
    if (marked) s += tr(", %1 segnate").arg(marked);
    if (!model_->undoStack()->isClean()) s += tr(" (non salvato)");
    summa->setText(s);
}

void frmRepertorium::Adde_Click() {
    const QModelIndex current = tabula->currentIndex();
    const int row = model_->addRow(current.isValid() ? current.row() : model_->rowCount() - 1);
    const QModelIndex at = model_->index(row, WordList::latinColumn);
    tabula->setCurrentIndex(at);
    tabula->scrollTo(at);
    tabula->edit(at);
}

void frmRepertorium::Dele_Click() {
    QList<int> rows;
    for (const QModelIndex &i : tabula->selectionModel()->selectedIndexes())
        if (!rows.contains(i.row())) rows.append(i.row());
    if (rows.isEmpty() && tabula->currentIndex().isValid()) rows.append(tabula->currentIndex().row());
    model_->removeRowsAt(rows);
}

bool frmRepertorium::Salva_Click() {
    QString path = path_;
    if (path.isEmpty()) {
        path =
            asking().file(this, tr("LessiCorsa! Salva"), tr("Vocabolari (*.txt)"),
                          QDir::current().absoluteFilePath(QStringLiteral("repertorium.txt")), true, nullptr);
        if (path.isEmpty()) return false;
    }
    QString error;
    if (!saveAtomically(path, model_->list().toBytes(), &error)) {
        ui::platform().messageBox(error, title, ui::Icon::Exclamation, ui::Buttons::Ok);
        return false;
    }
    setPath(path);
    savedPath_ = path;
    model_->undoStack()->setClean();
    updateSumma();
    return true;
}

void frmRepertorium::showFind() {
    quaestio->show();
    quaere->setFocus();
    quaere->selectAll();
}

void frmRepertorium::findNext(bool forward) {
    const QModelIndex current = tabula->currentIndex();
    int column = current.isValid() ? current.column() : (forward ? -1 : model_->columnCount());
    // A new text is looked for from the current cell on, itself included.
    if (quaere->text() != lastFound_ && current.isValid()) column += forward ? -1 : 1;
    lastFound_ = quaere->text();
    const int row =
        model_->list().find(quaere->text(), current.isValid() ? current.row() : 0, column, forward);
    if (row < 0) {
        summa->setText(tr("«%1» non c'è").arg(quaere->text()));
        return;
    }
    const QModelIndex at = model_->index(row, column);
    tabula->setCurrentIndex(at);
    tabula->scrollTo(at);
}

bool frmRepertorium::eventFilter(QObject *o, QEvent *e) {
    // Esc in the find bar closes the bar, not the window.
    if (o == quaere && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        quaestio->hide();
        tabula->setFocus();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

bool frmRepertorium::mayClose() {
    if (!model_ || model_->undoStack()->isClean()) return true;
    const QString name = path_.isEmpty() ? tr("il nuovo elenco") : QFileInfo(path_).fileName();
    return ui::platform().messageBox(
               tr("Le modifiche a %1 non sono salvate. Chiudere senza salvarle?").arg(name), title,
               ui::Icon::Exclamation, ui::Buttons::OkCancel) == ui::Answer::Ok;
}

void frmRepertorium::reject() {
    if (closing_ || mayClose()) {
        closing_ = true;
        QDialog::reject();
    }
}

void frmRepertorium::closeEvent(QCloseEvent *e) {
    if (closing_ || mayClose()) {
        closing_ = true;
        QDialog::closeEvent(e);
    } else {
        e->ignore();
    }
}
