#pragma once
// The grammatical class of a Latin headword guessed from its form alone, for
// lists that do not give it: a genitive with a gender makes a noun, principal
// parts or an infinitive a verb, the endings of the other genders an
// adjective or pronoun, and a word standing alone an indeclinable. The rules
// read only the headword, never a table of known words, so that they serve
// any teacher's list.

#include <QString>

namespace lists {

// The game's grammatical classes: 1 nouns, 2 adjectives and pronouns, 3 verbs,
// 4 indeclinables.
int guessClass(const QString &headword);

} // namespace lists
