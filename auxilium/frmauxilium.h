#pragma once
// frmAuxilium, the manual's window: a table of contents of the manual's
// headings at the left, the manual at the right with its pictures, and a
// search field ("Quaere") that finds the next place holding the text typed.
// Created each time it is opened, destroyed when it closes.

#include "ui/form.h"

class QLineEdit;
class QListWidget;
class QTextBrowser;

class frmAuxilium : public ui::Form {
    Q_OBJECT
  public:
    // Reads the Markdown file `path`; loaded() tells whether it could.
    explicit frmAuxilium(const QString &path);
    ~frmAuxilium() override;

    bool loaded() const { return loaded_; }
    // The headings of the table of contents, in the manual's order.
    QStringList headings() const;
    // The pictures the manual shows, as their files, and whether each was found.
    QList<std::pair<QString, bool>> pictures() const;

    QListWidget *index = nullptr;
    QTextBrowser *liber = nullptr;
    QLineEdit *quaere = nullptr;
    ui::Label *quaereLabel = nullptr;
    ui::CommandButton *Exit = nullptr;

    // Goes to heading `row` of the table of contents.
    void index_Click(int row);
    // Finds the next place holding the search text, from the top again at the end.
    bool quaere_Enter();
    void Exit_Click();

  protected:
    void activate() override;

  private:
    void place();
    void fitPictures();
    void fillIndex();
    bool loaded_ = false;
    double placedAt_ = 0;
    QList<int> headingPositions_;
};
