#pragma once
// frmImporta ("LessiCorsa! Importa"), the preview of an import: the file's
// first rows as they will become words, a role for each column (the Latin
// word, the class, a translation named Italiano, English, Deutsch, Français,
// Español or its own name, or left out), the lessons or decks to take, the
// separator and the heading row of a CSV file, whether to take the entries a
// KVTML file marks as switched off (left out unless ticked), and each word's
// class, guessed or given, which the teacher may change. Its warnings name
// the file's lines.

#include "lists/imported.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QGridLayout;

class frmImporta : public QDialog {
    Q_OBJECT
  public:
    static constexpr int previewRows = 200;
    static inline const QString omitted = QStringLiteral("-");

    frmImporta(const QString &name, const QByteArray &bytes, QWidget *parent = nullptr);

    const lists::ImportResult &result() const { return result_; }
    // The choice the controls show.
    lists::ImportChoice choice() const;

    QComboBox *separator = nullptr;
    QCheckBox *heading = nullptr;
    QCheckBox *inactiva = nullptr; // the entries switched off in the file are taken too
    QList<QComboBox *> roles;      // one a column of the file
    QListWidget *lessons = nullptr;
    QTableView *preview = nullptr;
    QStandardItemModel *rows = nullptr;
    QPlainTextEdit *warnings = nullptr;
    QLabel *summa = nullptr;
    QPushButton *Importa = nullptr, *Exit = nullptr;

    // The class of the preview's row `row` (counted among the rows shown).
    void setClass(int row, int wordClass);

  private:
    // Reads the file again with the separator and heading chosen.
    void reread();
    void fillRoles();
    void fillPreview();

    QString name_;
    QByteArray bytes_;
    lists::Format format_;
    lists::ImportResult result_;
    QGridLayout *roleGrid_ = nullptr;
    QWidget *roleBox_ = nullptr;
    QHash<int, int> classes_; // the teacher's classes by the table's row
    bool filling_ = false;
};
