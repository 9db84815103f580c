#pragma once
// frmCertamen, the window in which a tournament is set up: the entrants'
// names, one a line (typed, or read from a text file), the form (Eliminatio
// or Orbis) and the match choices, chosen once in the settings window. O.K.
// checks the names and draws the tournament; a list that cannot make one is
// refused with a message and the window stays open.

#include "certamen/tournament.h"
#include "ui/form.h"

#include <optional>

class Certamen;
class Hosted;
class QPlainTextEdit;

class frmCertamen : public ui::Form {
    Q_OBJECT
  public:
    // `choices`: the match choices to start from (the last tournament's).
    frmCertamen(Certamen &certamen, const std::optional<game::Choices> &choices);
    ~frmCertamen() override;

    Hosted *nomina = nullptr;
    QPlainTextEdit *nominaText = nullptr;
    ui::Label *titulus = nullptr, *numerus = nullptr, *optiones = nullptr, *tempus = nullptr;
    ui::Frame *Forma = nullptr;
    ui::OptionButton *Eliminatio = nullptr, *Orbis = nullptr;
    ui::CheckBox *Formae = nullptr; // every match a game of forms
    ui::CommandButton *Lege = nullptr, *Optiones = nullptr, *okay = nullptr, *Exit = nullptr;

    // The tournament drawn by O.K., none after Exit.
    const std::optional<certamen::Tournament> &drawn() const { return drawn_; }
    const std::optional<game::Choices> &choices() const { return choices_; }

    void Lege_Click();
    void Optiones_Click();
    void okay_Click();

  private:
    void showChoices();
    void count();

    Certamen &certamen_;
    std::optional<game::Choices> choices_;
    std::optional<certamen::Tournament> drawn_;
};
