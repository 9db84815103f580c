#pragma once
// Anki's plain-text notes: header lines "#key:value" first (keys in any case:
// separator, html, columns, deck column, tags column, notetype column, guid
// column, tags, deck, notetype), then one note a row, its fields quoted as in
// CSV. Where "#html:true", the fields' HTML is turned into plain text. The
// decks are offered like lessons; the tags, note types and ids are left out.

#include "lists/imported.h"

namespace lists {

ImportResult readAnki(const QByteArray &bytes);
// Text from a field of HTML: tags dropped (a line break or a block becomes a
// blank), entities written out.
QString plainFromHtml(const QString &html);

} // namespace lists
