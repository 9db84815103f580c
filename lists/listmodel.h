#pragma once
// The list window's table: the rows of a WordList (its records and the lines
// the game cannot read, marked with the reason), a column for the Latin word,
// one for the grammatical class (by name) and one for each language. Every
// change goes through the undo stack.

#include "lists/wordlist.h"

#include <QAbstractTableModel>
#include <QUndoStack>

namespace lists {

class ListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ListModel(WordList list, QObject *parent = nullptr);

    const WordList &list() const { return list_; }
    QUndoStack *undoStack() { return &undo_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Refuses (with a message) a text the file cannot hold.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // A new row after `row` (at the top for -1), its class guessed later from
    // its Latin word; returns the new row.
    int addRow(int row);
    void removeRowsAt(const QList<int> &rows);
    void sortBy(int column, Qt::SortOrder order);

    // The changes the undo commands make.
    void applyCell(int row, int column, const QString &text);
    void restoreLine(int row, const Line &line);
    int insertRecord(int row, const QStringList &fields);
    QList<std::pair<int, Line>> takeRows(const QList<int> &rows);
    void putBackRows(const QList<std::pair<int, Line>> &lines);
    QList<int> permute(const QList<int> &order);

  private:
    WordList list_;
    QUndoStack undo_;
};

} // namespace lists
