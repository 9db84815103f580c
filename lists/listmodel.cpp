#include "lists/listmodel.h"

#include "lists/classguess.h"
#include "ui/platform.h"

#include <QBrush>
#include <QCoreApplication>
#include <QUndoCommand>

namespace lists {

namespace {

QString tr(const char *s) {
    return QCoreApplication::translate("lists::ListModel", s);
}

// A cell written: undone by putting the row's line back as it was.
class CellCommand : public QUndoCommand {
  public:
    CellCommand(ListModel &m, int row, int column, const QString &text)
        : m_(m), row_(row), column_(column), text_(text), before_(m.list().rowLine(row)) {
        setText(tr("Modifica"));
    }
    void redo() override { m_.applyCell(row_, column_, text_); }
    void undo() override { m_.restoreLine(row_, before_); }

  private:
    ListModel &m_;
    int row_, column_;
    QString text_;
    Line before_;
};

class AddCommand : public QUndoCommand {
  public:
    AddCommand(ListModel &m, int row, const QStringList &fields) : m_(m), row_(row), fields_(fields) {
        setText(tr("Aggiunta"));
    }
    int row() const { return row_; }
    void redo() override { row_ = m_.insertRecord(row_, fields_); }
    void undo() override { m_.takeRows({row_}); }

  private:
    ListModel &m_;
    int row_;
    QStringList fields_;
};

class RemoveCommand : public QUndoCommand {
  public:
    RemoveCommand(ListModel &m, const QList<int> &rows) : m_(m), rows_(rows) { setText(tr("Cancellazione")); }
    void redo() override { removed_ = m_.takeRows(rows_); }
    void undo() override { m_.putBackRows(removed_); }

  private:
    ListModel &m_;
    QList<int> rows_;
    QList<std::pair<int, Line>> removed_;
};

class SortCommand : public QUndoCommand {
  public:
    SortCommand(ListModel &m, const QList<int> &order) : m_(m), order_(order) { setText(tr("Ordinamento")); }
    void redo() override { inverse_ = m_.permute(order_); }
    void undo() override { m_.permute(inverse_); }

  private:
    ListModel &m_;
    QList<int> order_, inverse_;
};

} // namespace

ListModel::ListModel(WordList list, QObject *parent) : QAbstractTableModel(parent), list_(std::move(list)) {}

int ListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : list_.rowCount();
}

int ListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : list_.columnCount();
}

QVariant ListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row(), column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const QString text = list_.cell(row, column);
        if (column == WordList::classColumn)
            if (const int c = classOf(text)) return className(c);
        return text;
    }
    case Qt::EditRole:
        return column == WordList::classColumn ? QVariant(classOf(list_.cell(row, column)))
                                               : QVariant(list_.cell(row, column));
    case Qt::BackgroundRole:
        // The rows the game would not read stand out, with the loader's reason.
        return list_.problem(row).isEmpty() ? QVariant() : QVariant(QBrush(QColor(255, 200, 200)));
    case Qt::ToolTipRole: {
        const QString p = list_.problem(row);
        return p.isEmpty() ? QVariant() : QVariant(p);
    }
    default:
        return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    // The rows are numbered by their lines in the file, as the loader's messages count them.
    if (o == Qt::Vertical) return list_.lineOfRow(section) + 1;
    if (section == WordList::latinColumn) return QStringLiteral("Verbum latinum");
    if (section == WordList::classColumn) return QStringLiteral("Classis");
    return list_.languages().value(section - WordList::firstLanguageColumn, QStringLiteral("Versio"));
}

Qt::ItemFlags ListModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && list_.editable(index.row())) f |= Qt::ItemIsEditable;
    return f;
}

bool ListModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !list_.editable(index.row())) return false;
    const QString text = value.toString();
    if (text == list_.cell(index.row(), index.column()) &&
        list_.rowLine(index.row()).kind == Line::Kind::Record)
        return false;
    if (!list_.canHold(text)) {
        ui::platform().messageBox(
            tr("«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo "
               "sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.")
                .arg(text),
            QStringLiteral("LessiCorsa! Repertorium"), ui::Icon::Exclamation, ui::Buttons::Ok);
        return false;
    }
    undo_.push(new CellCommand(*this, index.row(), index.column(), text));
    return true;
}

int ListModel::addRow(int row) {
    QStringList fields{QStringLiteral("0"), QString(), QString()};
    for (int k = WordList::firstLanguageColumn; k < list_.columnCount(); ++k)
        fields.append(QString());
    auto *add = new AddCommand(*this, std::clamp(row + 1, 0, list_.rowCount()), fields);
    undo_.push(add);
    return add->row();
}

void ListModel::removeRowsAt(const QList<int> &rows) {
    if (!rows.isEmpty()) undo_.push(new RemoveCommand(*this, rows));
}

void ListModel::sortBy(int column, Qt::SortOrder order) {
    undo_.push(new SortCommand(*this, list_.sortedRecords(column, order == Qt::AscendingOrder)));
}

void ListModel::applyCell(int row, int column, const QString &text) {
    // A new word's class is guessed from its Latin, until one is chosen.
    const bool guess = column == WordList::latinColumn && list_.cell(row, WordList::classColumn).isEmpty();
    list_.setCell(row, column, text);
    if (guess) list_.setCell(row, WordList::classColumn, QString::number(guessClass(text)));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ListModel::restoreLine(int row, const Line &line) {
    list_.setLine(row, line);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int ListModel::insertRecord(int row, const QStringList &fields) {
    const int at = list_.insertionRow(row);
    beginInsertRows({}, at, at);
    list_.insertRow(at, fields);
    endInsertRows();
    return at;
}

QList<std::pair<int, Line>> ListModel::takeRows(const QList<int> &rows) {
    if (rows.size() == 1)
        beginRemoveRows({}, rows.first(), rows.first());
    else
        beginResetModel();
    QList<std::pair<int, Line>> removed = list_.removeRows(rows);
    if (rows.size() == 1)
        endRemoveRows();
    else
        endResetModel();
    return removed;
}

void ListModel::putBackRows(const QList<std::pair<int, Line>> &lines) {
    beginResetModel();
    list_.insertLines(lines);
    endResetModel();
}

QList<int> ListModel::permute(const QList<int> &order) {
    emit layoutAboutToBeChanged();
    const QList<int> inverse = list_.permuteRecords(order);
    emit layoutChanged();
    return inverse;
}

} // namespace lists
