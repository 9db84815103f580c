#include "support/boardfixture.h"

#include "board/traduci.h"

#include <QDir>
#include <QFile>
#include <QSettings>

QByteArray makeVocabulary(int records) {
    QByteArray v = testHeading + "\r\n";
    for (int i = 1; i <= records; ++i)
        v += QByteArray::number((i - 1) % 4 + 1) + ';' + QByteArray::number((i - 1) % 4 + 1) + ";verbum" +
             QByteArray::number(i) + ";parola" + QByteArray::number(i) + ";word" + QByteArray::number(i) +
             "\r\n";
    return v;
}

BoardFixture::BoardFixture(const QByteArray &vocabula) : previous(QDir::currentPath()) {
    useTemporarySettings();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lessicorsa"),
              QStringLiteral("Lessicorsa"))
        .clear();
    QDir::setCurrent(dir.path());
    write(QStringLiteral("vocabula.txt"), vocabula);
}

BoardFixture::~BoardFixture() {
    board_.reset();
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
