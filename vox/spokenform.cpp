#include "vox/spokenform.h"

#include <QRegularExpression>
#include <QStringList>

namespace vox {

QString spokenForm(const QString &headword) {
    QString form = headword.section(QLatin1Char(','), 0, 0);
    // Remarks in brackets, which may stand anywhere in the form.
    static const QRegularExpression brackets(QStringLiteral("\\([^)]*\\)?|\\[[^\\]]*\\]?"));
    form.replace(brackets, QStringLiteral(" "));
    QStringList words;
    for (const QString &token : form.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // "n.", "indecl.", "..." and a lone "+" are notes for the eye.
        if (token.endsWith(QLatin1Char('.')) || token.endsWith(QChar(0x2026))) continue;
        QString w = token;
        while (!w.isEmpty() && !w.front().isLetterOrNumber())
            w.remove(0, 1);
        while (!w.isEmpty() && !w.back().isLetterOrNumber())
            w.chop(1);
        if (!w.isEmpty()) words << w;
    }
    return words.join(QLatin1Char(' '));
}

QString voiceOf(const QString &languageName) {
    static const struct {
        const char *name, *voice;
    } voices[] = {{"italiano", "it"}, {"english", "en"}, {"deutsch", "de"}, {"français", "fr"},
                  {"francais", "fr"}, {"español", "es"}, {"espanol", "es"}};
    const QString name = languageName.trimmed().toLower();
    for (const auto &v : voices) {
        if (name == QString::fromUtf8(v.name)) return QString::fromLatin1(v.voice);
    }
    return QString();
}

} // namespace vox
