#include "lists/export.h"

#include "lists/csv.h"
#include "lists/imported.h"
#include "lists/wordlist.h"

#include <QXmlStreamWriter>

namespace lists {

namespace {

// The locale KDE's programs know a language by.
QString localeOf(const QString &language) {
    static const QHash<QString, QString> codes = {{QStringLiteral("Italiano"), QStringLiteral("it")},
                                                  {QStringLiteral("English"), QStringLiteral("en")},
                                                  {QStringLiteral("Deutsch"), QStringLiteral("de")},
                                                  {QStringLiteral("Français"), QStringLiteral("fr")},
                                                  {QStringLiteral("Español"), QStringLiteral("es")}};
    return codes.value(standardLanguage(language), language);
}

} // namespace

QByteArray exportCsv(const WordList &list) {
    const QStringList languages = list.languages();
    QStringList heading{latinName, QStringLiteral("Classis")};
    heading += languages;
    QString out;
    const auto row = [&](const QStringList &fields) {
        QStringList quoted;
        for (const QString &f : fields)
            quoted.append(csvField(f));
        out += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    row(heading);
    for (const QStringList &f : list.records()) {
        const int c = classOf(f.value(1));
        QStringList fields{f.value(2), c ? className(c) : f.value(1)};
        for (int k = 0; k < languages.size(); ++k)
            fields.append(f.value(3 + k));
        row(fields);
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

QByteArray exportKvtml(const WordList &list, const QString &title) {
    const QStringList languages = list.languages();
    const QList<QStringList> records = list.records();
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("kvtml"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    w.writeStartElement(QStringLiteral("information"));
    w.writeTextElement(QStringLiteral("generator"), QStringLiteral("LessiCorsa"));
    w.writeTextElement(QStringLiteral("title"), title);
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("identifiers"));
    const auto identifier = [&](int id, const QString &name, const QString &locale) {
        w.writeStartElement(QStringLiteral("identifier"));
        w.writeAttribute(QStringLiteral("id"), QString::number(id));
        w.writeTextElement(QStringLiteral("name"), name);
        w.writeTextElement(QStringLiteral("locale"), locale);
        w.writeEndElement();
    };
    identifier(0, latinName, QStringLiteral("la"));
    for (int k = 0; k < languages.size(); ++k)
        identifier(k + 1, languages[k], localeOf(languages[k]));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("entries"));
    QList<QList<int>> byClass(5);
    for (int e = 0; e < records.size(); ++e) {
        const QStringList &f = records[e];
        byClass[classOf(f.value(1))].append(e);
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(e));
        for (int k = 0; k <= languages.size(); ++k) {
            w.writeStartElement(QStringLiteral("translation"));
            w.writeAttribute(QStringLiteral("id"), QString::number(k));
            w.writeTextElement(QStringLiteral("text"), f.value(2 + k));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();

    // One container a class, named as the settings window names it.
    static const char *const special[] = {"", "noun", "adjective", "verb", "adverb"};
    w.writeStartElement(QStringLiteral("wordtypes"));
    for (int c = 1; c <= 4; ++c) {
        if (byClass[c].isEmpty()) continue;
        w.writeStartElement(QStringLiteral("container"));
        w.writeTextElement(QStringLiteral("name"), className(c));
        w.writeTextElement(QStringLiteral("specialwordtype"), QString::fromLatin1(special[c]));
        for (int e : byClass[c]) {
            w.writeStartElement(QStringLiteral("entry"));
            w.writeAttribute(QStringLiteral("id"), QString::number(e));
            w.writeEmptyElement(QStringLiteral("translation"));
            w.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

} // namespace lists
