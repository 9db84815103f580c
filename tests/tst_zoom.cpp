// The view's scale: the mapping of twips to pixels at each step, the design's
// values unchanged and the pictures rendered once per size at every scale, the
// remembered step, and the zoom keys that start nothing.
#include "board/species.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/viewstore.h"
#include "support/gamedriver.h"

#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

namespace {
// Every design value a control exposes, by control name.
QMap<QString, QList<QVariant>> designValues(const QWidget &w) {
    QMap<QString, QList<QVariant>> values;
    for (const ui::Control *c : w.findChildren<ui::Control *>()) {
        QList<QVariant> v;
        for (const char *p : {"Left", "Top", "Width", "Height", "FontSize", "FontName", "FontBold"})
            v << c->property(p);
        values.insert(c->objectName(), v);
    }
    // (The window's own Left and Top are where it stands on the screen, and
    // its outer Height counts the toolkit's menu bar.)
    for (const char *p : {"Width", "ScaleWidth", "ScaleHeight"})
        values[QStringLiteral("window")] << w.property(p);
    return values;
}

// The first control whose values differ, with both lists; empty when none.
QString firstDifference(const QMap<QString, QList<QVariant>> &a, const QMap<QString, QList<QVariant>> &b) {
    QString text;
    for (auto it = a.cbegin(); it != a.cend() && text.isEmpty(); ++it)
        if (b.value(it.key()) != it.value()) QDebug(&text) << it.key() << it.value() << b.value(it.key());
    return text.isEmpty() && a.size() != b.size() ? QStringLiteral("another set of controls") : text;
}

Species &species(Traduci &b) {
    return *b.findChild<Species *>();
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ui::setViewScale(1.0); }

    // Every design value read through the controls of the board and the
    // settings window unchanged at each scale (what the windows look like at
    // a step is in their pictures, tst_looks).
    void scaleKeepsDesignValues_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::addRow("full screen at 4K") << 4.88;
    }
    void scaleKeepsDesignValues() {
        QFETCH(double, scale);
        BoardFixture fx;
        fx.platform.area = QRect(0, 0, 3840, 2160);
        Traduci &b = fx.board();
        b.show();              // (a hidden window takes a new scale when it shows)
        ui::setViewScale(1.0); // from the design's own scale
        const auto board = designValues(b);
        const auto settings = designValues(*b.impostazioni());
        b.grab();
        const int rendered = ui::Picture::renderCount();

        ui::setViewScale(scale);
        QCOMPARE(firstDifference(designValues(b), board), QString());
        QCOMPARE(firstDifference(designValues(*b.impostazioni()), settings), QString());
        // A settings window made at this scale keeps them too.
        b.closeImpostazioni();
        QCOMPARE(firstDifference(designValues(*b.impostazioni()), settings), QString());
        // Each picture is rendered once per size: the new scale renders the new
        // sizes (the first shown idle second all six portraits), painting
        // again renders nothing.
        b.Timer1_Timer();
        b.grab();
        const int atScale = ui::Picture::renderCount();
        QVERIFY(scale == 1.0 || atScale > rendered);
        for (int i = 0; i < 3; ++i) {
            b.Timer1_Timer();
            b.grab();
        }
        QCOMPARE(ui::Picture::renderCount(), atScale);
    }

    // A rendering made ahead is kept on disk, and the next program that
    // needs it reads it there; a kept file cut short is rendered afresh.
    void renderingsKeptForTheNextStart_data() {
        QTest::addColumn<bool>("cut");
        QTest::newRow("kept file read") << false;
        QTest::newRow("kept file cut short") << true;
    }
    void renderingsKeptForTheNextStart() {
        QFETCH(bool, cut);
        QTemporaryDir dir;
        ui::Picture::setKeptFolder(dir.path());
        const QSize size(90, 35);
        // (a program's renderings end with its last reference to the picture)
        const auto render = [size] {
            const ui::Picture p = ui::Picture::load(QStringLiteral("arapacis"));
            p.prepare(size, 1.0);
            QThreadPool::globalInstance()->waitForDone();
            return p.pixmap(size, 1.0).toImage();
        };
        const QImage rendered = render();
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile kept(dir.filePath(files.first()));
        QVERIFY(kept.open(QIODevice::ReadWrite));
        const qint64 whole = kept.size();
        if (cut) {
            kept.resize(whole - 1);
        } else { // its pixels are what the next program shows
            const QByteArray heading = kept.read(16);
            kept.seek(0);
            kept.write(heading + QByteArray(whole - 16, '\x7f'));
        }
        kept.close();
        const QImage next = render();
        ui::Picture::setKeptFolder(QString());
        QCOMPARE(next == rendered, cut);
        QCOMPARE(next.constBits()[0], cut ? rendered.constBits()[0] : uchar(0x7f));
        QCOMPARE(QFileInfo(kept).size(), whole);
    }

    // The step of a start: the stored one when it is one of the steps and fits
    // the screen, else the first start's choice; full screen likewise.
    void rememberedView_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QString>("storedStep");
        QTest::addColumn<QString>("storedFull");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("smaller"); // the step after Ctrl+-
        const QRect hd(0, 0, 1920, 1080), uhd(0, 0, 3840, 2160), small(0, 0, 1024, 768);
        const auto row = [](const char *name, QRect screen, const char *step, const char *full, int is,
                            bool isFull, int smaller) {
            QTest::addRow("%s", name) << screen << step << full << is << isFull << smaller;
        };
        row("first start, 1080p", hd, "", "", 150, false, 125);
        row("first start, 4K", uhd, "", "", 300, false, 250);
        row("first start, 1024x768", small, "", "", 100, false, 100);
        row("stored 200", hd, "200", "0", 200, false, 175);
        row("stored 400, too large", hd, "400", "", 200, false, 175);
        row("stored 130, no step", hd, "130", "", 150, false, 125);
        row("stored full screen", hd, "125", "1", 125, true, 100);
        row("stored 2 for full", hd, "125", "2", 125, false, 100);
    }
    void rememberedView() {
        QFETCH(QRect, screen);
        QFETCH(QString, storedStep);
        QFETCH(QString, storedFull);
        QFETCH(int, step);
        QFETCH(bool, full);
        QFETCH(int, smaller);
        SettingsStore store;
        QString savedStep, savedFull;
        {
            BoardFixture fx; // (each fixture clears the store)
            fx.platform.area = screen;
            store.write(viewstore::stepKey, storedStep);
            store.write(viewstore::fullAreaKey, storedFull);
            Traduci &b = fx.board();
            QCOMPARE(species(b).step(), step);
            QCOMPARE(species(b).fullArea(), full);
            QCOMPARE(b.isFullScreen(), full);
            if (!full) QCOMPARE(ui::viewScale(), step / 100.0);
            // A change is saved at once and is there at the next start.
            QTest::keyClick(&b, Qt::Key_Minus, Qt::ControlModifier);
            QTest::keyClick(&b, Qt::Key_F11);
            savedStep = store.read(viewstore::stepKey, QString());
            savedFull = store.read(viewstore::fullAreaKey, QString());
        }
        BoardFixture fx;
        fx.platform.area = screen;
        store.write(viewstore::stepKey, savedStep);
        store.write(viewstore::fullAreaKey, savedFull);
        Traduci &b = fx.board();
        QCOMPARE(species(b).step(), smaller);
        QCOMPARE(species(b).fullArea(), !full);
    }

    // The zoom and full-screen keys change the view and nothing else (at the
    // idle screen any other key opens the settings); Esc still asks whether
    // to quit at full screen.
    void viewKeysStartNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("step"); // from 150 %
        QTest::addColumn<bool>("full");
        const int ctrl = Qt::ControlModifier;
        QTest::addRow("Ctrl++") << int(Qt::Key_Plus) << ctrl << 175 << false;
        QTest::addRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << 175 << false;
        QTest::addRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << 125 << false;
        QTest::addRow("Ctrl+0") << int(Qt::Key_0) << ctrl << 100 << false;
        QTest::addRow("F11") << int(Qt::Key_F11) << int(Qt::NoModifier) << 150 << true;
    }
    void viewKeysStartNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, step);
        QFETCH(bool, full);
        BoardFixture fx;
        fx.platform.area = QRect(0, 0, 1920, 1080);
        Traduci &b = fx.board();
        b.Timer1_Timer();
        const QString caption = b.Parola->caption();

        QTest::keyClick(&b, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(species(b).step(), step);
        QCOMPARE(species(b).fullArea(), full);
        QVERIFY(fx.platform.modalWindows.isEmpty());
        QCOMPARE(b.Parola->caption(), caption);
        QVERIFY(fx.platform.messages.isEmpty());

        fx.platform.answers.enqueue(ui::Answer::Cancel);
        QTest::keyClick(&b, Qt::Key_Escape);
        QCOMPARE(fx.platform.messages.size(), 1);
        QCOMPARE(fx.platform.messages.first().title, QStringLiteral("Fabula acta est"));
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
