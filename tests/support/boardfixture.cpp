#include "support/boardfixture.h"

#include "board/traduci.h"
#include "players/roster.h"
#include "settings/impostazioni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QStringList> tableOf(const QString &path) {
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(readAll(path)).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#')) rows.append(line.split(u'\t'));
    return rows;
}

QByteArray makeVocabulary(int records) {
    QByteArray v = testHeading + "\r\n";
    for (int i = 1; i <= records; ++i) {
        const QByteArray c = QByteArray::number((i - 1) % 4 + 1), n = QByteArray::number(i);
        v += c + ';' + c + ";verbum" + n + ";parola" + n + ";word" + n + "\r\n";
    }
    return v;
}

BoardFixture::BoardFixture(const QByteArray &vocabula) : previous(QDir::currentPath()) {
    useTemporarySettings();
    store().clear();
    QDir::setCurrent(dir.path());
    // The players' roster, history and files, in the test's own folder.
    players::setDataFolder(dir.filePath(QStringLiteral("data")));
    write(QStringLiteral("vocabula.txt"), vocabula);
}

BoardFixture::~BoardFixture() {
    board_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(previous);
}

void BoardFixture::write(const QString &name, const QByteArray &bytes) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

Traduci &BoardFixture::board() {
    if (!board_) board_ = std::make_unique<Traduci>();
    return *board_;
}

Impostazioni *BoardFixture::settings() {
    return board().impostazioni();
}

Impostazioni *BoardFixture::newSettings() {
    board().closeImpostazioni();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return board().impostazioni();
}

QSettings BoardFixture::store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lessicorsa"),
                     QStringLiteral("Lessicorsa"));
}

void BoardFixture::store(const QString &key, const QString &text) {
    store().setValue(QStringLiteral("Impostazioni/") + key, text);
}

QVariant BoardFixture::stored(const QString &key) {
    return store().value(QStringLiteral("Impostazioni/") + key);
}
