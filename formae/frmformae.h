#pragma once
// frmFormae, the window "LessiCorsa! Formae": what a game of forms asks. The
// kinds of words (nouns, adjectives, pronouns, verbs) and, for verbs, the
// moods, tenses and voices; "O.K." keeps the choices (the caller writes them
// to the settings store), "Exit" or Esc leaves them as they were. At least one
// kind, and for verbs one box of each group, stays ticked. Created each time
// it is opened and destroyed when it closes.

#include "formae/round.h"
#include "ui/controlarray.h"
#include "ui/form.h"

namespace ui {
class CheckBox;
class CommandButton;
class Frame;
} // namespace ui

class frmFormae : public ui::Form {
    Q_OBJECT
  public:
    explicit frmFormae(const formae::Asks &asks);
    ~frmFormae() override;

    ui::ControlArray<ui::CheckBox> Genera;  // (1) nouns (2) adjectives (3) pronouns (4) verbs
    ui::ControlArray<ui::CheckBox> Modi;    // (1) ind (2) subj (3) imp (4) inf
    ui::ControlArray<ui::CheckBox> Tempora; // (1) pres ... (6) futp
    ui::ControlArray<ui::CheckBox> Genus;   // (1) act (2) pass
    ui::CommandButton *okay = nullptr, *Exit = nullptr;

    // The choices the boxes hold now.
    formae::Asks asks() const;
    // Whether the window was closed with O.K.
    bool confirmed() const { return confirmed_; }

    void okay_Click();
    void Exit_Click();

  private:
    // A group left with no box ticked gets the box just cleared back.
    void keepOne(ui::ControlArray<ui::CheckBox> &group, int k);
    // The verbs' boxes are enabled only while verbs are asked.
    void showVerbs();
    bool confirmed_ = false;
};
