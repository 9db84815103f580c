#pragma once
// frmProgressus, the window of a player's progress: four charts of her games
// in the chosen time range (words right per minute, errors per word, words
// mastered per week, her twenty most missed words), the player and the range
// to choose, and "Exporta", which writes her games as CSV. It is created each
// time it is opened and destroyed when it closes; the charts are drawn in the
// settings window's palette and at the view's scale.

#include "players/history.h"
#include "players/progress.h"
#include "players/roster.h"
#include "ui/controlarray.h"
#include "ui/form.h"

#include <functional>

#include "players/chartbox.h"

class QComboBox;

class frmProgressus : public ui::Form {
    Q_OBJECT
  public:
    frmProgressus(players::History &history, const QList<players::Player> &players, const QString &playerId);
    ~frmProgressus() override;

    QComboBox *lusor = nullptr;
    ui::ControlArray<ui::OptionButton> tempus; // (0) a week, (1) a month, (2) everything
    ui::ControlArray<ui::OptionButton> ludus;  // (0) the games of words, (1) of forms
    ui::CommandButton *Exporta = nullptr, *Exit = nullptr;
    ui::Label *summa = nullptr;
    // (0) words right per minute, (1) errors per word, (2) words mastered
    // per week, (3) the most missed words.
    ui::ControlArray<players::ChartBox> tabula;

    // Where "Exporta" writes; by default the user chooses in a file dialog.
    std::function<QString(const QString &suggested)> askPath;

    void Exporta_Click();
    // Reads the chosen player's games in the chosen range and draws them.
    void fill();
    const QList<players::PlayedGame> &games() const { return games_; }

  private:
    players::Range range() const;
    // The kind of games shown: empty for words, "formae" for forms.
    QString kind() const;
    players::History &history_;
    QList<players::Player> players_;
    QList<players::PlayedGame> games_;
};
