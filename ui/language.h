#pragma once
// The interface language. The program's own texts are Italian; the messages,
// tool tips and help texts also come in English, German, French and Spanish,
// from catalogues compiled into the program (":/i18n/lessicorsa_<code>.qm").
// The Latin of the windows, menus, captions and game texts is never translated.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace ui {

// The interface language for the user's preferred languages, best first, as
// QLocale::uiLanguages() gives them ("de-DE", "fr_CA", ...): the first one that
// is Italian or has a catalogue; "it" when none is (C and POSIX are no language).
QString interfaceLanguage(const QStringList &uiLanguages);

// Installs on the running application the catalogue of the interface language
// for `locale`'s preferred languages (Italian needs none), and Qt's own for the
// same language where the system has it, and returns the language. A C or POSIX locale gives Italian whatever
// else is asked for (as with gettext, LANGUAGE is not heeded there). Installing again replaces the earlier
// catalogue.
QString installTranslation(const QLocale &locale = QLocale::system());

// The interface language installed last ("it" before any).
QString currentLanguage();

} // namespace ui
