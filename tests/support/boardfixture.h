#pragma once
// A working folder with a vocabulary for tests that create the main window,
// the test platform and a temporary settings store.

#include "support/fakeplatform.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

class Traduci;

// The heading record of the test vocabularies.
inline const QByteArray testHeading = "Ordo;Classis;Verbum latinum;Italiano;English";

// A vocabulary file: the heading and `records` records "f;c;verbumN;parolaN;wordN",
// f cycling 1..4 and c cycling 1..4, lines ending with CR + LF.
QByteArray makeVocabulary(int records);

class BoardFixture {
  public:
    // Makes the folder current and writes vocabula.txt into it.
    explicit BoardFixture(const QByteArray &vocabula = makeVocabulary(150));
    ~BoardFixture();
    // Writes a file into the working folder.
    void write(const QString &name, const QByteArray &bytes);
    QString path() const { return dir.path(); }
    // Creates the main window (running its start-up).
    Traduci &board();

    FakePlatform platform;

  private:
    QTemporaryDir dir;
    QString previous;
    std::unique_ptr<Traduci> board_;
};
