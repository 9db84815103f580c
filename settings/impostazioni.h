#pragma once
// Impostazioni, the settings window in which a new game is set up.
//
// It is created hidden on first reference by the main window (its load reads
// the stored settings while no game has been set up yet), shown modally by game
// start, and discarded by the main window after use; its close box discards it
// at once. Its controls are the only carrier of the settings between the
// windows: the main window and the about window read and write them directly.
//
// Operations live in several files by concern: composition.cpp (the controls
// as created), load.cpp (load and activate), handlers.cpp (the controls'
// handlers, O.K., Exit and saving) and persone.cpp (the characters, their
// portraits and quotations).

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
    ui::ControlArray<ui::OptionButton> Giocatori; // 1, 2
    ui::ListBox *quverbi = nullptr, *Lingue = nullptr;
    ui::ControlArray<ui::CheckBox> Chclassi;  // 1..4
    ui::ControlArray<ui::CheckBox> Chfreq;    // 0 the personal vocabulary, 1..4 the frequency classes
    ui::ControlArray<ui::CommandButton> okay; // 0 O.K., 1 Exit
    ui::CommandButton *Memento = nullptr;
    ui::ControlArray<ui::PictureBox> Picture1; // 1, 2 portraits; 3, 4 bubbles
    ui::ControlArray<ui::Label> battuta;       // 1, 2 quotations
    ui::ControlArray<ui::Label> nomefoto;      // 0 heading; 1, 2 names
    ui::ControlArray<ui::PictureBox> foto;     // 1..6 the portrait store, never shown

    // The roster of characters: rows 1..6, columns 1 name, 2 selection
    // quotation, 3 victory line, 4 defeat line (row 0 and column 0 empty).
    std::array<std::array<QString, 5>, 7> persone;

    // ---- handlers (also run by a change of the control's value from code)
    void Chclassi_Click(int index);
    void Chfreq_Click(int index);
    void similino_Click();
    void Lingue_Click();
    void Giocatori_Click(int index);
    void velox_Change();
    void okay_Click(int index);
    void Memento_Click();
    void Picture1_Click(int index);
    void Picture1_GotFocus(int index);
    void Picture1_LostFocus(int index);
    void battuta_Click(int index);
    void nomefoto_Click(int index);

    // Names the personal vocabulary the main window plays in the caption of
    // Chfreq(0) ("vocpers.txt" in the current folder, or a list's path).
    void mostrarepertorio();

  protected:
    void activate() override;
    void keyPress(int &keyAscii, const QKeyEvent *event) override;

  private:
    void createControls();
    void connectHandlers();
    void Form_Load();
    void leggiimpostazioni();
    void salvaimpostazioni();
    void riempipersone();
    void assegnapersona(int giocatore, int numero);
    // Selects the item of `quverbi` whose count its Tag asks for.
    void selezionaquverbi();
    // Reads the language names from the heading of a vocabulary file, the
    // standard one unless a list of the teacher's own is played.
    void riempilingue(const QString &file = QStringLiteral("vocabula.txt"));
    // Lingue filled anew from a file's heading.
    void refillLanguages(const QString &file);
    // The character number a portrait shows (0 before its first character).
    int personaDi(int giocatore) const;
    // Gives `giocatore` the roster row named `name`, if there is one.
    void restituiscipersona(int giocatore, const QString &name);

    Traduci *main_;
    QString languagesOf_ = QStringLiteral("vocabula.txt"); // the file Lingue's languages come from
};
