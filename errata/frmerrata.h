#pragma once
// frmErrata, the window of the missed words: Latin word, translation in the
// chosen language, times missed, the day of the last miss, the word's box in
// the card box and the day it falls due, most missed first. "Ludus errorum" closes it and starts a game of
// these words, "Dele" empties the list after asking, Esc closes it. It is created each time it is opened and
// destroyed when it closes.

#include "ui/form.h"

class Errata;
class QTreeView;
class ErrataModel;

class frmErrata : public ui::Form {
    Q_OBJECT
  public:
    // `language` names the column of the translations shown (a language of
    // the vocabulary's heading).
    frmErrata(Errata *errata, const QString &language);
    ~frmErrata() override;

    // The list is a view over a model that makes a row's texts only when it
    // is shown: a hundred thousand words open at once.
    QTreeView *elenco = nullptr;
    ui::CommandButton *Ludus = nullptr, *Dele = nullptr, *Exit = nullptr;
    ui::Label *summa = nullptr;

    // Whether the window was closed with "Ludus errorum".
    bool ludusAsked() const { return ludusAsked_; }

    void Ludus_Click();
    void Dele_Click();
    void Exit_Click();

  private:
    void fill();
    Errata *errata_;
    ErrataModel *model_ = nullptr;
    QString language_;
    bool ludusAsked_ = false;
};
