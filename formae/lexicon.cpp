#include "formae/lexicon.h"

#include <QDir>

namespace formae {

struct Lexicon::Data {};

Lexicon::Lexicon() : d(std::make_unique<Data>()) {}
Lexicon::~Lexicon() = default;

std::shared_ptr<const Lexicon> Lexicon::load(const QString &path, QString *error) {
    if (error) *error = QStringLiteral("Il lessico delle forme \"%1\" non si può leggere.").arg(path);
    return nullptr;
}

QString Lexicon::defaultPath(const QString &folder) {
    return QDir(folder).filePath(QStringLiteral("lexicon.txt"));
}

std::optional<Paradigm> Lexicon::paradigm(const QString &, const QString &) const {
    return std::nullopt;
}

QString Lexicon::withLengths(const QString &latin, const QString &) const {
    return latin;
}

int Lexicon::lemmaCount() const {
    return 0;
}

int Reading::order() const {
    return 0;
}

QString describe(const QList<Reading> &, Language) {
    return QString();
}
QString abbreviate(const Reading &) {
    return QString();
}
QString abbreviate(const QList<Reading> &) {
    return QString();
}
QString plainSpelling(const QString &s) {
    return s;
}

} // namespace formae
