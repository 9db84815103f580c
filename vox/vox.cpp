#include "vox/vox.h"

#include "ui/multimedia.h"
#include "ui/platform.h"
#include "vox/spokenform.h"
#include "vox/synthesizer.h"

#include <QAction>
#include <QMenu>

namespace vox {

namespace {
// The right answer's sound (Right.wav) lasts 0.4 s: the translation follows it.
constexpr int rightSoundMs = 400;
} // namespace

Vox::Vox(game::Door &door, QObject *parent) : QObject(parent), door_(door) {
    setObjectName(QStringLiteral("vox"));
    door.addListener(this);
    QMenu *view = door.viewMenu();
    view->addSeparator();
    const auto item = [&](const QString &key, const QString &caption) {
        auto *a = view->addAction(caption);
        a->setObjectName(key);
        a->setCheckable(true);
        a->setChecked(store_.read(key, QStringLiteral("0")) == QStringLiteral("1"));
        connect(a, &QAction::toggled, this, [this, key](bool on) {
            store_.write(key, on ? QStringLiteral("1") : QStringLiteral("0"));
            switched();
        });
        return a;
    };
    word_ = item(wordKey, QStringLiteral("&Vox"));
    translation_ = item(translationKey, QStringLiteral("Vox t&ranslationis"));
    if (word_->isChecked() || translation_->isChecked()) switched();
}

Vox::~Vox() = default;

void Vox::switched() {
    if (ended_) return;
    if (!word_->isChecked() && !translation_->isChecked()) {
        ui::stopSamples();
        return;
    }
    // The library and the Latin voice are set up on the worker, long before
    // the first word, so that the first word sounds as soon as the others.
    if (!synth_)
        synth_ = std::make_unique<Synthesizer>([](const Speech &s) { ui::playSamples(s.samples, s.rate); });
    if (word_->isChecked()) synth_->prepare(latinVoice);
}

void Vox::say(const QString &text, const QString &voice, int leadMs) {
    if (ended_ || !synth_ || !door_.choices().soundsOn || text.isEmpty()) return;
    ui::platform().soundCommand(QStringLiteral("Vox"),
                                QStringLiteral("Play ") + voice + QLatin1Char(' ') + text);
    if (ui::openSamples()) synth_->say(text, voice, leadMs);
}

void Vox::wordAsked(const game::Word &w) {
    // A word look that knows the vowel lengths gives them: the Latin voice
    // stresses by them.
    if (word_->isChecked()) say(w.spoken.isEmpty() ? spokenForm(w.latin) : w.spoken, latinVoice);
}

void Vox::strikeJudged(const game::Strike &s) {
    // Within the second the right answer is shown.
    if (s.right && translation_->isChecked())
        say(s.word.translation, voiceOf(door_.choices().language), rightSoundMs);
}

void Vox::programEnding() {
    // Nothing may reach the sound thread once it is being closed.
    ended_ = true;
    synth_.reset();
}

} // namespace vox
