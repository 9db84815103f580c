#pragma once
// What the voice says for a word of the vocabulary, and in which voice.

#include <QString>

namespace vox {

// The Latin word as it is spoken: the headword's first form, before its first
// comma ("amicus, -i m." says "amicus"), without the remarks a vocabulary
// writes beside it: bracketed parts ("cum (+ abl.)"), abbreviations ending in
// a point ("nefas n. indecl."), the dots of a gap ("ne ... quidem") and the
// hyphen of an ending ("-que"). Empty when nothing is left to say.
QString spokenForm(const QString &headword);

// The eSpeak NG voice of a translation language, by the name the vocabulary's
// heading gives it ("Italiano" is "it"); empty for a language without one.
QString voiceOf(const QString &languageName);

// The Latin voice.
inline const QString latinVoice = QStringLiteral("la");

} // namespace vox
