#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace ui {

namespace {

const QString italian = QStringLiteral("it");
const QString catalogueFolder = QStringLiteral(":/i18n/");

// The languages whose catalogue the program carries: "de" for
// ":/i18n/lessicorsa_de.qm".
QStringList catalogued() {
    QStringList codes;
    const QString prefix = QStringLiteral("lessicorsa_"), suffix = QStringLiteral(".qm");
    for (const QString &f :
         QDir(catalogueFolder).entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files))
        codes << f.mid(prefix.size(), f.size() - prefix.size() - suffix.size());
    return codes;
}

// The toolkit draws the message boxes' OK and Cancel buttons in words of its
// own; these entries give them the interface language as well (the plain
// theme's words, and the GNOME theme's, which carry access keys).
[[maybe_unused]] const char *const toolkitButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
};

std::unique_ptr<QTranslator> installed, installedToolkit;
QString current = QStringLiteral("it");

// Qt's own catalogue of the language (Debian's qt6-translations-l10n): the
// file, print and message dialogs, the standard buttons, the context menus of
// the text fields. Without it they speak English whatever the program speaks.
void installToolkitTranslation(const QString &language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    installedToolkit = std::move(translator);
}

} // namespace

QString interfaceLanguage(const QStringList &uiLanguages) {
    const QStringList translated = catalogued();
    for (const QString &entry : uiLanguages) {
        // The primary language subtag: "de" of "de-DE", "fr" of "fr_CA.UTF-8".
        const QString code = entry.section(QLatin1Char('-'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .toLower();
        if (code == italian || translated.contains(code)) return code;
    }
    return italian;
}

QString installTranslation(const QLocale &locale) {
    const QString language =
        locale.language() == QLocale::C ? italian : interfaceLanguage(locale.uiLanguages());
    for (auto *t : {&installed, &installedToolkit})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    current = italian;
    auto translator = std::make_unique<QTranslator>();
    if (language != italian &&
        !translator->load(catalogueFolder + QStringLiteral("lessicorsa_%1.qm").arg(language))) {
        installToolkitTranslation(italian);
        return italian;
    }
    // Installed first, so that the program's own entries for the toolkit's
    // words (searched first, as the last installed) win over Qt's.
    installToolkitTranslation(language);
    if (language == italian) return language;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    current = language;
    return language;
}

QString currentLanguage() {
    return current;
}

} // namespace ui
