#pragma once
// Traduci, the main window: the game board and the owner of all game state.
//
// The window's controls carry the names of the board's design (see
// composition.cpp); its shared state is the struct TraduciState, whose members
// carry the design's names and which tests read directly (window.state).
// Operations live in several files by concern: start-up, the vocabulary
// loader, word selection, game start, the tick, key judging, right-answer
// progress, the end of a game, the layout, the portraits, the status texts and
// the sounds.

#include "board/gameevents.h"
#include "ui/controlarray.h"
#include "ui/form.h"

#include <QPointer>
#include <array>
#include <vector>

namespace ui {
class MultimediaDevice;
class CheckBox;
} // namespace ui
class Impostazioni;

// One record of a vocabulary file: frequency class, grammatical class, Latin
// word, translation in the chosen language.
using VocabularyRecord = vocabulary::Record;

struct TraduciState {
    std::vector<VocabularyRecord> vocabularyTable; // row 0 is the file's heading record
    // Where each row's line begins in loadedFile, and the file's encoding
    // (UTF-8 or Windows-1252): a row's other translations are read there when
    // they are needed. Empty when the table was not read from the file.
    std::vector<qint64> vocabularyRowStarts;
    bool vocabularyUtf8 = false;
    int lastWordIndex = 0;
    int languageIndex = 0;
    QString vocabularyFile;
    QString loadedFile;
    int playerCount = 0;
    int musicOn = 0;  // 0 off, any other value on
    int soundsOn = 0; // 0 off, any other value on
    int excludeSimilar = 0;
    QString chosenClasses;
    QString chosenFrequencies;
    int gameSpeed = 0;
    double wordsPerGame = 0;
    int candidateCount = 0;
    int currentCandidate = 0;
    int correctCandidate = 0;
    int wordsDone = 0;
    double errorCount = 0;
    std::array<int, 3> playerScore{};
    std::array<int, 3> lockedOut{};
    int lockoutRemaining = 0;
    bool gameOver = false;
    int answering = 0;
    int walkFrame = 0;
    float gameStartTime = 0;
    float excludedTime = 0;
    int barBaseHeight = 0;
    double barStep = 0;
    std::array<QString, 3> playerNames;
    std::array<QString, 5> statusTexts;
};

class Traduci : public ui::Form, public game::Door {
    Q_OBJECT
  public:
    // Creates the window with its whole composition and runs its start-up.
    Traduci();
    ~Traduci() override;

    TraduciState state;

    // ---- controls (names and indices as designed)
    ui::MultimediaDevice *MCImusica = nullptr, *MCiwrong = nullptr, *MCIright = nullptr,
                         *MCIvittoria = nullptr;
    ui::ControlArray<ui::PictureBox> figura;
    ui::Frame *Frame1 = nullptr;
    ui::ControlArray<ui::Label> battuta;
    ui::ControlArray<ui::Image> fumetto;
    ui::ControlArray<ui::Label> sign;
    ui::Label *Parola = nullptr;
    ui::Label *Lemma = nullptr;        // a note in small type beneath the word, when a feature gives one
    ui::ControlArray<ui::Label> nomen; // the players' names: (1) right, (2) left
    ui::Frame *Frame2 = nullptr;
    ui::ListBox *frequenza = nullptr, *categoria = nullptr, *traduzione = nullptr, *vocabolo = nullptr;
    ui::Frame *Cornice = nullptr;
    ui::ControlArray<ui::Label> Lab;
    ui::Label *Labverbi = nullptr;
    ui::ListBox *errati = nullptr;
    ui::Timer *Timer1 = nullptr;
    ui::ControlArray<ui::Image> Iml, Imr;
    ui::Image *arapacis = nullptr;
    ui::Label *Labelsotto1 = nullptr;
    ui::ControlArray<ui::Label> punti;
    ui::ControlArray<ui::Image> colonna;
    ui::Image *foto2 = nullptr;
    ui::Label *Labelsotto2 = nullptr;
    ui::Image *foto1 = nullptr;
    ui::ControlArray<ui::Image> base;
    ui::ControlArray<ui::Shape> barra;
    ui::ControlArray<ui::Image> barrone;
    ui::MenuItem *Imposta = nullptr, *Esci = nullptr, *Info = nullptr;

    // ---- the settings window, created on first reference
    Impostazioni *impostazioni();
    bool hasImpostazioni() const;
    // Discards the settings window (the next reference creates a new one).
    void closeImpostazioni();

    // ---- public operations
    void aprivocaboli(const QString &fv);
    static QString vocativo(const QString &nom);

    // ---- handlers
    void Timer1_Timer();
    void Imposta_Click();
    void Esci_Click();
    void Info_Click();
    // The window's key handler (key preview); keyAscii 0 discards the key.
    void handleKey(int &keyAscii);

    // ---- sound
    void suona(const QString &name);
    void aggiornamusica();
    void closeSoundDevices();

    // ---- the window's own operations (public so that tests can drive them)
    void disponitavola();
    // The height the layout gives the tracks `barrone`.
    float trackHeight() const;
    void mostraritratti();
    void selezionavocaboli();
    void prossimovocabolo();
    void sceglivocabolo();
    void preparamessaggi();
    void mostrapunteggio();
    void rispostagiusta(int p);
    void finepartita();
    void giudica1(int h);
    void giudica2(int p, int h);
    void esci();
    void promptAfterRefusal();
    void connectClicks();
    void showBoard();
    // Places `Parola` after its text or font changed, keeping its centre.
    void showWord(const QString &text, double points);
    // Shows `note` in small type beneath the word (nothing when empty).
    void showNote(const QString &note);
    // Shows the players' names a feature gave, above their portraits.
    void mostranomi();

    // A word pool is built a few thousand rows at a time, with the events but
    // the user's input let run between them, so that a large vocabulary never
    // holds the window still for long. Meanwhile the tick does nothing, keys
    // other than Esc are dropped and no second game start begins.
    static constexpr int poolRowsPerTurn = 4096;
    class BuildingPool {
      public:
        explicit BuildingPool(Traduci &b) : b_(b) { ++b_.buildingPool_; }
        ~BuildingPool() { --b_.buildingPool_; }
        BuildingPool(const BuildingPool &) = delete;
        BuildingPool &operator=(const BuildingPool &) = delete;
        // Called with each row's number: every poolRowsPerTurn rows the events run.
        void row(int r);

      private:
        Traduci &b_;
    };
    bool buildingPool() const { return buildingPool_ > 0; }

    // ---- the game events' door (see board/gameevents.h)
    void addListener(game::Listener *l) override;
    game::Vocabulary vocabulary() const override;
    const game::Choices &choices() const override { return choices_; }
    bool playing() const override;
    QWidget *boardWindow() override;
    QMenu *addFeatureMenu(const QString &name, const QString &caption) override;
    void startGame(const game::Listener *requester = nullptr) override;
    void setPlayerNames(const QString &right, const QString &left) override;
    QMenu *viewMenu() override;
    QMenu *helpMenu() override;
    // Item k of the word pool.
    game::Word poolWord(int k) const;
    void startGameWith(const game::Choices &preset, const game::Listener *requester) override;
    std::optional<game::Choices> askChoices(const std::optional<game::Choices> &start) override;
    // The ticks of check boxes 1 to 4, one digit each ("1011").
    static QString digits(const ui::ControlArray<ui::CheckBox> &boxes);
    // Game start's settings window: shown, or confirmed unseen with a feature's preset.
    void showSettings();
    void setPersonalVocabulary(const QString &path) override;
    void setWordLook(const game::WordLook *look) override;
    // The file of the personal vocabulary: "vocpers.txt" or a list's path.
    QString personalVocabulary() const { return personalVocabulary_; }

  protected:
    void keyPress(int &keyAscii, const QKeyEvent *event) override;
    bool queryClose() override;

  private:
    void createControls();
    void createMenu();
    void Form_Load();
    void openSoundDevices();
    // Creates the features beyond the board, each with its menus.
    void createFeatures();
    // Tells every listener; the features follow a game through these alone.
    template <typename F> void notify(F event) {
        for (game::Listener *l : listeners_)
            event(*l);
    }
    // Offers the chosen pool to the listeners; true when one supplied its own.
    bool offerPool(const game::Listener *requester);

    QPointer<Impostazioni> impostazioni_;
    int gameStartDepth_ = 0; // game starts running now, for nested starts
    int gameGeneration_ = 0; // counts game starts
    int buildingPool_ = 0;   // word pools being built now
    std::vector<game::Listener *> listeners_;
    game::Choices choices_;
    const game::Listener *requester_ = nullptr; // of the game start asked for now
    bool poolSupplied_ = false;                 // the last game's pool came from a feature
    // Counts the tables the loader read anew (a file or language other than
    // the last, or the same file's contents changed); the pool was built from
    // the table of count poolTable_, and is built again for any other.
    int tablesRead_ = 0;
    int poolTable_ = -1;
    QList<int> askOrder_;                      // the words to ask, when a feature gave their order
    QString poolKind_;                         // the kind of game the supplied pool makes
    QString kindAsked_;                        // the kind of game startGameWith asks for
    const game::WordLook *wordLook_ = nullptr; // how the word asked is shown, when a feature says
    qsizetype nextAsk_ = 0;
    game::Word asked_; // the word asked now
    double wordsChosen_ = 0;
    std::array<QString, 3>
        pupilNames_; // [1] right, [2] left; empty: none shown // as chosen, whatever the game's length
    // The six idle portraits, kept rendered once the board is shown.
    std::vector<ui::Picture> portraits_;
    std::optional<game::Choices> preset_; // for the next game start, see startGameWith
    QString personalVocabulary_ = QStringLiteral("vocpers.txt");
};
