#pragma once
// The spoken word: with "Vox" on, each Latin word is spoken as it appears on
// the board; with "Vox translationis" on, after a right answer its
// translation is spoken in its language during the one second the board
// shows the answer.
//
// It follows the games through the board's game events and speaks through
// the game's own sound path (ui/multimedia.h), on a mixer channel of its own
// beside the music and the effects. Nothing is spoken while the game's sounds
// are switched off; where there is no voice the game plays on in silence.
// The two switches are check items of the view menu "Species", kept in the
// settings store under keys of their own, both off at the first start.

#include "board/gameevents.h"
#include "settings/store.h"

#include <QObject>
#include <memory>

class QAction;

namespace vox {

class Synthesizer;

class Vox : public QObject, public game::Listener {
    Q_OBJECT
  public:
    static inline const QString wordKey = QStringLiteral("Vox");
    static inline const QString translationKey = QStringLiteral("VoxTranslationis");

    Vox(game::Door &door, QObject *parent);
    ~Vox() override;

    void wordAsked(const game::Word &w) override;
    void strikeJudged(const game::Strike &s) override;
    void programEnding() override;

  private:
    void switched();
    void say(const QString &text, const QString &voice, int leadMs = 0);

    game::Door &door_;
    SettingsStore store_;
    QAction *word_ = nullptr, *translation_ = nullptr;
    std::unique_ptr<Synthesizer> synth_;
    bool ended_ = false;
};

} // namespace vox
