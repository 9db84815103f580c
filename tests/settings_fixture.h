#pragma once
// The working folder, test platform and temporary settings store shared by the
// settings window's tests, with a main window created afresh for each test.

#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/store.h"
#include "support/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A vocabulary of `records` words whose frequency and grammatical classes run
// through all sixteen pairs, lines ending with CR + LF.
inline QByteArray testVocabulary(int records = 120,
                                 const QByteArray &heading = "Ordo;Classis;Verbum latinum;Italiano;English") {
    QByteArray v = heading + "\r\n";
    for (int n = 0; n < records; ++n) {
        const QByteArray i = QByteArray::number(n);
        v += QByteArray::number(n % 4 + 1) + ';' + QByteArray::number(n / 4 % 4 + 1) + ";verbum" + i +
             ";parola" + i + ";word" + i + "\r\n";
    }
    return v;
}

class SettingsFixture {
  public:
    // Once per test program, before anything else: the fake platform, the
    // temporary store and a current folder holding the vocabulary.
    void prepare() {
        fake = std::make_unique<FakePlatform>();
        useTemporarySettings();
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
        writeFile(QStringLiteral("vocabula.txt"), testVocabulary());
    }
    // Before each test: an empty store, no recorded messages, a new main window.
    void begin() {
        clearStore();
        fake->messages.clear();
        fake->onModal = nullptr;
        fake->modalWindows.clear();
        board = std::make_unique<Traduci>();
        fake->messages.clear();
    }
    void end() {
        board.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        removeFile(QStringLiteral("vocpers.txt"));
        writeFile(QStringLiteral("vocabula.txt"), testVocabulary());
    }

    // The settings window as the main window refers to it.
    Impostazioni *window() { return board->impostazioni(); }
    // Discards the window and lets the main window create and load a new one.
    Impostazioni *newWindow() {
        board->closeImpostazioni();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return board->impostazioni();
    }

    static QSettings settings() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lessicorsa"),
                         QStringLiteral("Lessicorsa"));
    }
    static void clearStore() { settings().clear(); }
    static void store(const QString &key, const QString &text) {
        settings().setValue(QStringLiteral("Impostazioni/") + key, text);
    }
    static QVariant stored(const QString &key) {
        return settings().value(QStringLiteral("Impostazioni/") + key);
    }

    void writeFile(const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    void removeFile(const QString &name) { QFile::remove(dir.filePath(name)); }
    QString folder() const { return dir.path(); }

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<Traduci> board;

  private:
    QTemporaryDir dir;
};

// The states of boxes 1..4 of a class group, one digit each.
inline QString boxStates(const ui::ControlArray<ui::CheckBox> &boxes) {
    QString s;
    for (int k = 1; k <= 4; ++k)
        s += QString::number(boxes(k)->value());
    return s;
}

// A key press as the keyboard sends it, each with a time stamp of its own.
inline void pressKey(QWidget *w, Qt::Key key, const QString &text = QString()) {
    static ulong stamp = 1000;
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    e.setTimestamp(++stamp);
    QCoreApplication::sendEvent(w, &e);
}

// Moves player `g` on through the roster until he shows character `n`.
inline void moveTo(Impostazioni *w, int g, int n) {
    for (int i = 0; i < 6 && w->Picture1(g)->tag() != QString::number(n); ++i)
        w->Picture1_Click(g);
}
