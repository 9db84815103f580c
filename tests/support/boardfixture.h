#pragma once
// A working folder with a vocabulary for tests that create the main window,
// the test platform and a fresh temporary settings store.

#include "support/fakeplatform.h"

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

class Impostazioni;
class Traduci;

// The heading record of the test vocabularies.
inline const QByteArray testHeading = "Ordo;Classis;Verbum latinum;Italiano;English";

// A vocabulary file: the heading and `records` records "c;c;verbumN;parolaN;wordN",
// c cycling 1..4, lines ending with CR + LF.
QByteArray makeVocabulary(int records);

// A file's bytes; none when it cannot be read.
QByteArray readAll(const QString &path);
// A table of test data in UTF-8: its lines split at tabs, blank lines and
// those starting with "#" left out.
QList<QStringList> tableOf(const QString &path);

class BoardFixture {
  public:
    // Makes the folder current, empties the store and writes vocabula.txt.
    explicit BoardFixture(const QByteArray &vocabula = makeVocabulary(150));
    ~BoardFixture();
    // Writes a file into the working folder.
    void write(const QString &name, const QByteArray &bytes);
    QString path() const { return dir.path(); }
    // Creates the main window (running its start-up).
    Traduci &board();
    // The settings window as the main window refers to it, and a new one
    // (the old one discarded), loaded from the store.
    Impostazioni *settings();
    Impostazioni *newSettings();

    static QSettings store();
    static void store(const QString &key, const QString &text);
    static QVariant stored(const QString &key);

    FakePlatform platform;

  private:
    QTemporaryDir dir;
    QString previous;
    std::unique_ptr<Traduci> board_;
};
