#pragma once
// The game of forms: the menu "Formae" ("Ludus formarum…" starts a game,
// "Optiones formarum…" chooses what it asks) and the check item
// "Quantitates" in the menu "Species" (long vowels shown with macrons).
//
// It follows the games through the board's game events. For a game of forms
// it supplies the pool: of the words the settings window chose (the list
// played, its frequency and grammatical classes) it keeps those the lexicon
// knows and that have forms to ask, and offers the forms of each as words of
// their own: the form is the Latin shown, its readings in the translation
// language the translation, the word's headword the class, so that the wrong
// boxes hold the readings of other forms of the same word (see round.h for
// why none of them is right too). As the board's word look it shows the
// headword beneath the form, and the macrons wherever the board shows Latin;
// the voice always gets the vowel lengths the lexicon knows.
//
// The lexicon is read on a worker thread when it is first wanted (the menu
// "Formae" opened, a game started, the lengths shown), not at the program's
// start, which it would slow; the forms of the list's words are made there
// too while the player opens the menu, so that a game of forms starts at once. A
// lexicon missing or damaged turns the game of forms off with one message;
// the game of words plays on.

#include "board/gameevents.h"
#include "formae/round.h"
#include "settings/store.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

class QAction;
class QMenu;

namespace formae {

// Where the forms come from: the lexicon, or a test's own tables.
class Source {
  public:
    virtual ~Source() = default;
    virtual std::optional<Paradigm> paradigm(const QString &latin, const QString &category) const = 0;
    virtual QString withLengths(const QString &latin, const QString &category) const = 0;
};

// A source read on the worker, or the Italian message why there is none.
struct Loaded {
    std::shared_ptr<const Source> source;
    QString error;
};

// The lexicon file next to the vocabulary, read as a Source.
Loaded loadLexicon(const QString &path);

class Formae : public QObject, public game::Listener, public game::WordLook {
    Q_OBJECT
  public:
    using Loader = std::function<Loaded()>;
    // Adds the menus to the board and starts reading the forms' source with
    // `load` on a worker (the lexicon file in the current folder by default).
    Formae(game::Door &door, QObject *parent, Loader load = {});
    ~Formae() override;
    // The loader the Formae made without one use from now on (a test's own
    // tables); an empty one reads the lexicon file again.
    static void setDefaultLoader(Loader load);

    // The source, waiting for the worker when it is still reading; null when
    // it could not be read (the message is shown once, the menu disabled).
    const Source *source();
    const Asks &asks() const { return asks_; }
    bool quantitates() const;
    // The forms of a list's word, made once (on the worker when it got there
    // first); none for a word the source does not know.
    std::shared_ptr<const std::optional<Paradigm>> paradigm(const QString &latin, const QString &category);

    // ---- menu handlers
    void LudusFormarum_Click();
    void OptionesFormarum_Click();

    // ---- the game events
    void gameStarting(const game::Choices &) override;
    void poolReady(game::Pool &pool) override;
    void programEnding() override;

    // ---- the board's word look
    game::Shown look(const game::Word &w) const override;

  private:
    // Makes the forms of every word of the vocabulary loaded now, on the worker.
    void warm();
    void turnOff(const QString &error);
    // Starts reading the source on a worker, once.
    void startLoading();

    game::Door &door_;
    SettingsStore store_;
    Asks asks_;
    QAction *Ludus = nullptr, *Optiones = nullptr, *Quantitates = nullptr;
    Loader load_;
    std::shared_future<Loaded> loading_;
    bool off_ = false;
    // The paradigms made so far, by headword and class; the worker fills it too.
    struct Cache {
        std::mutex mutex;
        std::atomic<bool> stop = false; // the program is ending: the worker leaves off
        QHash<QString, std::shared_ptr<const std::optional<Paradigm>>> paradigms;
    };
    std::shared_ptr<Cache> cache_ = std::make_shared<Cache>();
    std::future<void> warming_;
    QString warmed_; // the vocabulary file whose words are being made
    // The game being started or played is one of forms: for each word of its
    // pool, the headword shown beneath and the form the voice says.
    bool ours_ = false;
    QStringList notes_, spoken_;
    QSet<QString> counted_; // the lists whose unknown words were counted to the player
};

} // namespace formae
