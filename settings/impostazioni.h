#pragma once
// Impostazioni, the settings window in which a new game is set up.
//
// It is created hidden on first reference by the main window (its load reads
// the stored settings while no game has been set up yet), shown modally by game
// start, and discarded by the main window after use. Its controls are the only
// carrier of the settings between the windows: the main window and the about
// window read and write them directly.

#include "ui/controlarray.h"
#include "ui/form.h"

#include <array>

class Traduci;

class Impostazioni : public ui::Form {
    Q_OBJECT
  public:
    // Creates the window with its composition and runs its load; `main` is
    // the main window whose portraits, busts and timer O.K. fills.
    explicit Impostazioni(Traduci *main);
    ~Impostazioni() override;

    // ---- controls (names and indices as designed)
    ui::Frame *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    ui::CheckBox *suoni = nullptr, *musica = nullptr, *similino = nullptr;
    ui::Label *velocita = nullptr; // "velocità"
    ui::HScrollBar *velox = nullptr;
    ui::ControlArray<ui::OptionButton> Giocatori;
    ui::ListBox *quverbi = nullptr, *Lingue = nullptr;
    ui::ControlArray<ui::CheckBox> Chclassi, Chfreq;
    ui::ControlArray<ui::CommandButton> okay;
    ui::CommandButton *Memento = nullptr;
    ui::ControlArray<ui::PictureBox> Picture1;
    ui::ControlArray<ui::Label> battuta;
    ui::ControlArray<ui::Label> nomefoto;
    ui::ControlArray<ui::PictureBox> foto;

    // The roster of characters: rows 1..6, columns 1 name, 2 selection
    // quotation, 3 victory line, 4 defeat line (row 0 and column 0 empty).
    std::array<std::array<QString, 5>, 7> persone;

  private:
    void createControls();
    void Form_Load();
    Traduci *main_;
};
