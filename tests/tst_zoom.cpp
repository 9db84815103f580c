// The view's scale: design values and renderings at every scale, the remembered view, the view keys.
#include "board/species.h"
#include "board/traduci.h"
#include "settings/impostazioni.h"
#include "settings/viewstore.h"
#include "support/gamedriver.h"

#include <QtTest>

namespace {
// Every design value a control exposes, named.
QStringList designValues(const QWidget &w) {
    QStringList values;
    for (const QObject *c : w.findChildren<ui::Control *>())
        for (const char *p : {"Left", "Top", "Width", "Height", "FontSize", "FontName", "FontBold"})
            values << c->objectName() + '.' + p + '=' + c->property(p).toString();
    // (not the window's Left, Top and outer Height: its place on the screen, and the menu bar)
    for (const char *p : {"Width", "ScaleWidth", "ScaleHeight"})
        values << QString::fromLatin1(p) + '=' + w.property(p).toString();
    return values;
}
} // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ui::setViewScale(1.0); }

    // A shown control repaints when its picture, text or colours change, and
    // not when they are set again as they are (the highlight's white and the
    // idle portrait on every tick).
    void repaintsOnlyWhatChanged() {
        BoardFixture fx;
        startGame(fx, {.players = 1});
        Traduci &b = fx.board();
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QMap<QObject *, int> painted;
        struct Counter : QObject {
            QMap<QObject *, int> &n;
            explicit Counter(QMap<QObject *, int> &n) : n(n) {}
            bool eventFilter(QObject *o, QEvent *e) override {
                n[o] += e->type() == QEvent::Paint;
                return false;
            }
        } counter(painted);
        const std::pair<ui::Control *, std::function<void()>> changes[] = {
            {b.sign(3), [&] { b.sign(3)->setBackColor(QColor(1, 2, 3)); }},
            {b.sign(3), [&] { b.sign(3)->setForeColor(QColor(1, 2, 3)); }},
            {b.sign(3), [&] { b.sign(3)->setCaption("aqua"); }},
            {b.figura(1), [&] { b.figura(1)->setPicture(b.Imr(6)->picture()); }},
        };
        for (const auto &[control, change] : changes) {
            QVERIFY(control->isVisible());
            control->installEventFilter(&counter);
            for (const int paints : {1, 0}) {
                painted[control] = 0;
                change();
                QCoreApplication::processEvents();
                QCOMPARE(painted[control] > 0, paints > 0);
            }
        }
    }

    // The design values of the board's and the settings window's controls are
    // the same at every scale (what the windows look like is in tst_looks).
    void scaleKeepsDesignValues_data() {
        QTest::addColumn<double>("scale");
        for (double scale : {1.0, 1.5, 4.88}) // 4.88: full screen at 4K
            QTest::addRow("%g", scale) << scale;
    }
    void scaleKeepsDesignValues() {
        QFETCH(double, scale);
        BoardFixture fx;
        fx.platform.area = QRect(0, 0, 3840, 2160);
        Traduci &b = fx.board();
        b.show();              // (a hidden window takes a new scale when it shows)
        ui::setViewScale(1.0); // from the design's own scale
        const auto values = [&b] { return designValues(b) + designValues(*b.impostazioni()); };
        const QStringList before = values();
        b.grab();
        const int rendered = ui::Picture::renderCount();

        ui::setViewScale(scale);
        QCOMPARE(values(), before);
        b.closeImpostazioni(); // a settings window made at this scale keeps them too
        QCOMPARE(values(), before);
        // Each picture is rendered once per size: the new scale renders the new sizes
        // (the first idle second shows all six portraits), painting again nothing.
        b.Timer1_Timer();
        b.grab();
        const int atScale = ui::Picture::renderCount();
        QVERIFY(scale == 1.0 || atScale > rendered);
        for (int i = 0; i < 3; ++i)
            b.Timer1_Timer(), b.grab();
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
        // (a program's renderings end with its last reference to the picture)
        const auto render = [] {
            const ui::Picture p = ui::Picture::load(QStringLiteral("arapacis"));
            p.prepare(QSize(90, 35), 1.0);
            QThreadPool::globalInstance()->waitForDone();
            return p.pixmap(QSize(90, 35), 1.0).toImage();
        };
        const QImage rendered = render();
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile kept(dir.filePath(files.first()));
        QVERIFY(kept.open(QIODevice::ReadWrite));
        const qint64 size = kept.size();
        // its pixels are what the next program shows, unless it is cut short
        QVERIFY(cut ? kept.resize(size - 1) : kept.seek(16) && kept.write(QByteArray(size - 16, 127)) > 0);
        kept.close();
        const QImage next = render();
        ui::Picture::setKeptFolder(QString());
        QCOMPARE(next == rendered, cut);
        QCOMPARE(next.constBits()[0], cut ? rendered.constBits()[0] : uchar(0x7f));
        QCOMPARE(QFileInfo(kept).size(), size);
    }

    // The step of a start: the stored one when it is a step that fits the screen,
    // else the first start's choice; full screen likewise. The view keys change the
    // view and nothing else (at the idle screen any other key opens the settings),
    // saved at once for the next start; Esc still asks whether to quit.
    void rememberedView_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QString>("stored"); // step|full screen
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after"); // the view after the keys and at the next start
        const QRect hd(0, 0, 1920, 1080), small(0, 0, 1024, 768);
        const auto row = [](const char *name, QRect r, QString s, QString v, QString k, QString a) {
            QTest::newRow(name) << r << s << v << k << a;
        };
        row("Ctrl++", hd, "|", "150", "Ctrl++", "175");
        row("Ctrl+=", hd, "|", "150", "Ctrl+=", "175");
        row("Ctrl+-", hd, "|", "150", "Ctrl+-", "125");
        row("Ctrl+0", hd, "|", "150", "Ctrl+0", "100");
        row("F11", hd, "|", "150", "F11", "150 full");
        row("first start, 1024x768", small, "|", "100", "Ctrl+-", "100");
        row("stored 200", hd, "200|0", "200", "Ctrl+-, F11", "175 full");
        row("stored 400, too large", hd, "400|", "200", "Ctrl+-", "175");
        row("stored 130, no step", hd, "130|", "150", "Ctrl+-", "125");
        row("stored full screen", hd, "125|1", "125 full", "Ctrl+-, F11", "100");
        row("stored 2 for full", hd, "125|2", "125", "Ctrl+-, F11", "100 full");
    }
    void rememberedView() {
        QFETCH(QRect, screen);
        QFETCH(QString, stored);
        QFETCH(QString, view);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        for (int start = 1; start <= 2; ++start) {
            BoardFixture fx; // (each fixture clears the store)
            fx.platform.area = screen;
            fx.store(viewstore::stepKey, stored.section('|', 0, 0));
            fx.store(viewstore::fullAreaKey, stored.section('|', 1));
            Traduci &b = fx.board();
            const Species &s = *b.findChild<Species *>();
            const auto shown = [&s] { return QString::number(s.step()) + (s.fullArea() ? " full" : ""); };
            QCOMPARE(shown(), start == 1 ? view : after);
            if (start == 2) break;
            QCOMPARE(b.isFullScreen(), s.fullArea());
            if (!s.fullArea()) QCOMPARE(ui::viewScale(), s.step() / 100.0);
            b.Timer1_Timer();
            const QString caption = b.Parola->caption();
            QTest::keySequence(&b, QKeySequence(keys));
            QCOMPARE(shown(), after);
            QVERIFY(fx.platform.modalWindows.isEmpty() && fx.platform.messages.isEmpty());
            QCOMPARE(b.Parola->caption(), caption);
            stored =
                fx.stored(viewstore::stepKey).toString() + '|' + fx.stored(viewstore::fullAreaKey).toString();
            fx.platform.answers.enqueue(ui::Answer::Cancel);
            QTest::keyClick(&b, Qt::Key_Escape);
            QCOMPARE(fx.platform.messages.size(), 1);
            QCOMPARE(fx.platform.messages.first().title, QStringLiteral("Fabula acta est"));
        }
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
