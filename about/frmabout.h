#pragma once
// frmAbout, the about window: the program's name and version, the credits and
// the contact address, and, once a game has been set up, the keyboard with
// arrows from each player's character to the keys that player answers with.
//
// It is created each time the main window opens it (menu item "Info", F1),
// shown modally and destroyed when it closes. Its load reads the main window
// (has a game been set up? one player or two?) and the settings window (the
// players' portraits and character names).
//
// The window has its own coordinate units: one horizontal unit is 1.0649042
// twips and one vertical unit 1.4488176 twips. The Left, Top, Width and Height
// of its controls are in these units.

#include "ui/controlarray.h"
#include "ui/form.h"

class Traduci;

class frmAbout : public ui::Form {
    Q_OBJECT
  public:
    static constexpr float unitX = 1.0649042f; // twips per horizontal unit
    static constexpr float unitY = 1.4488176f; // twips per vertical unit
    // The outer width of the window before any game has been set up: only
    // the credits part at the left shows.
    static constexpr float narrowWidth = 3660.0f;

    // Creates the window with its composition and runs its load, which reads
    // `main` and its settings window.
    explicit frmAbout(Traduci *main);
    ~frmAbout() override;

    // ---- controls (names and indices as designed)
    ui::ControlArray<ui::PictureBox> Picture1;
    ui::CommandButton *Command3 = nullptr, *Command1 = nullptr;
    ui::ControlArray<ui::Image> Freccia;
    ui::ControlArray<ui::Label> Label1;
    ui::Image *Image2 = nullptr, *Image1 = nullptr;
    ui::Label *lbldes = nullptr, *lblVersion = nullptr, *email = nullptr;
    ui::ControlArray<ui::Line> Line1;

    // ---- handlers
    // O.K. (also Enter and Esc): closes and unloads the window.
    void Command1_Click();
    // Uncovers the author's portrait.
    void Command3_Click();

  protected:
    void activate() override;

  private:
    void createControls();
    void Form_Load();
    Traduci *main_;
};
