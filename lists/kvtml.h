#pragma once
// KVTML 2, the vocabulary files of KDE's programs: identifiers name the
// columns (a name and a locale, a code such as "la" or a plain name), each
// entry holds a translation (a text and an optional comment) for each
// identifier, lessons are nestable containers naming entries, and word-type
// containers give the entries' classes. Read with a streaming reader that
// never fetches a DTD nor expands an entity: these files come from others.

#include "lists/imported.h"

namespace lists {

ImportResult readKvtml(const QByteArray &bytes);

} // namespace lists
