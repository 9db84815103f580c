#pragma once
// frmRepertorium, the list window ("LessiCorsa! Repertorium"): the words of a
// list in a table, the Latin word, the class chosen by name and a column for
// each language. Rows are added (Ins), deleted (Del) and sorted (a click on a
// column's heading); Ctrl+F finds, Ctrl+Z and Ctrl+Y undo and redo. Rows the
// game would not read are marked, with the loader's reason as their tip.
// "Salva" (Ctrl+S) writes the list atomically in its own encoding and line
// ends; closing with changes not saved asks first.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace lists {
class ListModel;
}

class frmRepertorium : public QDialog {
    Q_OBJECT
  public:
    // The list at `path`: a new list when `path` is empty, or names a file
    // not there yet (saved there).
    explicit frmRepertorium(const QString &path, QWidget *parent = nullptr);
    ~frmRepertorium() override;

    // False when the file could not be read (the teacher was told).
    bool opened() const { return opened_; }
    // Where the list was last saved, empty if never.
    QString savedPath() const { return savedPath_; }
    QString path() const { return path_; }
    lists::ListModel *model() const { return model_; }

    QTableView *tabula = nullptr;
    QLineEdit *quaere = nullptr;
    QWidget *quaestio = nullptr; // the find bar
    QLabel *summa = nullptr, *nomen = nullptr;
    QPushButton *Adde = nullptr, *Dele = nullptr, *Salva = nullptr, *Exit = nullptr;

    void Adde_Click();
    void Dele_Click();
    bool Salva_Click();
    // Shows the find bar (Ctrl+F); finds the next or previous match.
    void showFind();
    void findNext(bool forward = true);

  protected:
    void reject() override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

  private:
    // Whether the window may close: no changes, or the teacher lets them go.
    bool mayClose();
    void updateSumma();
    void setPath(const QString &path);

    lists::ListModel *model_ = nullptr;
    QString path_, savedPath_;
    QString lastFound_; // the text the last search looked for
    bool opened_ = true;
    bool closing_ = false;
};
