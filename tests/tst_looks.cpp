// The windows as a player sees them: each in a few designed states, drawn
// offscreen at 100 % and at 150 % (the menu Species) and compared with the
// pictures stored in tests/data/looks/. A picture that differs is kept in
// looks-failures/ beside this program, with a second one that marks the
// differing pixels. After an intended change of the look,
//     LESSICORSA_RENEW_LOOKS=1 ctest --test-dir build -R tst_looks
// stores the pictures afresh.
#include "about/frmabout.h"
#include "board/traduci.h"
#include "certamen/certamen.h"
#include "certamen/frmcertamen.h"
#include "certamen/hosted.h"
#include "certamen/paint.h"
#include "certamen/tabula.h"
#include "lists/frmimporta.h"
#include "lists/frmimprime.h"
#include "lists/frmrepertorium.h"
#include "lists/print.h"
#include "lists/wordlist.h"
#include "settings/impostazioni.h"
#include "settings/viewstore.h"
#include "support/gamedriver.h"
#include "support/layout.h"
#include "ui/application.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <cmath>

namespace {

// A pixel differs when a channel is off by more than this: none, for the
// designed colours are exact and the same fonts draw the same pixels in
// every build of the program (optimised or with the sanitizers); a picture
// passes with at most `allowedPixels` such pixels (a glyph's edge shaded a
// little otherwise).
constexpr int channelTolerance = 0;
constexpr int allowedPixels = 16;

QString failuresDir() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/looks-failures");
}

// The window's client area as drawn, without the menu bar, once every
// picture it shows is rendered at its size.
QImage look(ui::Form &w) {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    return w.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The first `count` pages of a PDF as the printer would put them on paper,
// drawn again at 40 dots an inch; none without poppler's pdftoppm.
QList<QImage> pdfPages(const QString &pdf, int count) {
    const QString prefix = pdf + QStringLiteral("-page");
    if (QProcess::execute(QStringLiteral("pdftoppm"),
                          {"-r", "40", "-png", "-f", "1", "-l", QString::number(count), pdf, prefix}) != 0)
        return {};
    QList<QImage> pages;
    for (int k = 1; k <= count; ++k)
        pages.append(QImage(prefix + QStringLiteral("-%1.png").arg(k)).convertToFormat(QImage::Format_RGB32));
    return pages;
}

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > channelTolerance ||
           std::abs(qGreen(a) - qGreen(b)) > channelTolerance ||
           std::abs(qBlue(a) - qBlue(b)) > channelTolerance;
}

// Compares `actual` with the stored picture `name`; on a difference, writes
// the picture drawn and the stored one faded with the differing pixels in
// magenta, and says where.
void compareLook(const QImage &actual, const QString &name) {
    const QString stored = QStringLiteral(TEST_DATA_DIR "/looks/") + name + QStringLiteral(".png");
    if (qEnvironmentVariableIsSet("LESSICORSA_RENEW_LOOKS")) {
        QVERIFY2(actual.save(stored), qPrintable(stored));
        return;
    }
    const QImage expected = QImage(stored).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), qPrintable(stored + " is missing: store it with LESSICORSA_RENEW_LOOKS=1"));
    int count = 0;
    QImage marked = expected;
    if (actual.size() == expected.size()) {
        for (int y = 0; y < actual.height(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
            auto *m = reinterpret_cast<QRgb *>(marked.scanLine(y));
            for (int x = 0; x < actual.width(); ++x) {
                const int grey = 192 + qGray(m[x]) / 4;
                if (differs(a[x], m[x])) ++count;
                m[x] = differs(a[x], m[x]) ? qRgb(255, 0, 255) : qRgb(grey, grey, grey);
            }
        }
    }
    if (actual.size() == expected.size() && count <= allowedPixels) return;
    QDir().mkpath(failuresDir());
    const QString drawn = failuresDir() + '/' + name + QStringLiteral(".png");
    const QString diff = failuresDir() + '/' + name + QStringLiteral("-diff.png");
    actual.save(drawn);
    if (actual.size() == expected.size()) marked.save(diff);
    QString why;
    QDebug(&why).noquote() << name << "differs from" << stored << ":" << actual.size() << "against"
                           << expected.size() << "," << count << "pixels differ; drawn:" << drawn
                           << (actual.size() == expected.size() ? "marked: " + diff : QString());
    QFAIL(qPrintable(why));
}

// A class of `n` pupils, in this order in the draw; two Alessandros whose
// short names must differ, and a name of forty characters. Its first match
// was a walkover.
certamen::Tournament classOf(int n, int played, certamen::Kind kind = certamen::Kind::Eliminatio) {
    static const char *const names[] = {
        "Alessandro Bianchi", "Giulia Pagliaro",  "Alessandro Marino", "Pierfrancesco Ludovico Degli Esposti",
        "Sofia Greco",        "Leonardo Bruno",   "Aurora Gallo",      "Francesco Conti",
        "Ginevra De Luca",    "Lorenzo Mancini",  "Beatrice Costa",    "Mattia Giordano",
        "Alice Rizzo",        "Tommaso Lombardi", "Vittoria Moretti",  "Riccardo Barbieri",
        "Giorgia Fontana",    "Gabriele Santoro", "Martina Mariani",   "Edoardo Rinaldi",
        "Chiara Caruso",      "Diego Ferrara",    "Emma Galli",        "Filippo Martini",
        "Noemi Leone",        "Samuele Longo",    "Greta Gentile",     "Pietro Martinelli",
        "Anna Vitale",        "Davide Lombardo",  "Elena Serra",       "Luca Coppola"};
    QList<certamen::Entrant> people;
    for (int i = 0; i < n; ++i)
        people.append({QString::fromUtf8(names[i]), i < 2 ? QStringLiteral("Cicero") : QString()});
    if (n > 1) people[1].character = QStringLiteral("Seneca");
    game::Choices c;
    c.playerCount = 2;
    c.speed = 3;
    c.wordsChosen = c.wordsPerGame = 30;
    c.classes = c.frequencies = QStringLiteral("1111");
    c.vocabularyFile = QStringLiteral("vocabula.txt");
    certamen::Tournament t = certamen::Tournament::draw(kind, people, c, [](int k) { return k - 1; });
    for (int i = 0; i < played; ++i) {
        const int m = t.next();
        const certamen::Match &x = t.matches()[m];
        if (i == 0)
            t.walkover(m, 1);
        else
            t.record(m, {x.side[i % 2], {16, 9 + i % 5}, {1, 2}, 130 + 7 * i});
    }
    return t;
}

// The table of a class of `n` as the board shows it: at full screen or at 100 %.
Tabula *showTabula(BoardFixture &fx, int n, bool full, int played,
                   certamen::Kind kind = certamen::Kind::Eliminatio) {
    fx.platform.area = QRect(0, 0, 1920, 1080);
    SettingsStore().write(viewstore::stepKey, QStringLiteral("100"));
    SettingsStore().write(viewstore::fullAreaKey, QStringLiteral("0"));
    Traduci &b = fx.board();
    b.show();
    QCoreApplication::processEvents();
    if (full) QTest::keyClick(&b, Qt::Key_F11);
    Certamen *c = b.findChild<Certamen *>(QStringLiteral("certamen"));
    c->begin(classOf(n, played, kind));
    return c->tabula();
}

} // namespace

class TestLooks : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { ui::setViewScale(1.0); }

    void windows_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("step");
        for (const char *state :
             {"idle", "game1", "game2", "end1", "end2", "settings", "about0", "about1", "about2"})
            for (int step : {100, 150})
                QTest::addRow("%s-%d", state, step) << QString::fromLatin1(state) << step;
    }
    void windows() {
        QFETCH(QString, state);
        QFETCH(int, step);
        BoardFixture fx;
        fx.platform.area = QRect(0, 0, 1920, 1080);
        SettingsStore().write(viewstore::stepKey, QString::number(step));
        Traduci &b = fx.board();
        b.show();
        QImage shot;
        QString layout;                                // of the window pictured
        const int players = state.back().digitValue(); // of the game played, if any
        // Draws spread over [0, 1), the same in every run.
        for (int i = 1; i <= 1000; ++i)
            fx.platform.draws.enqueue(float(std::fmod(i * 0.618034, 1.0)));
        if (state == QLatin1String("idle")) {
            fx.platform.draws.clear();
            fx.platform.script({0.0f, 0.99f}); // Cicero and Seneca
            b.Timer1_Timer();
        } else if (state.startsWith(QLatin1String("game"))) {
            // A right answer of the left-hand player (or the one player), a
            // wrong one of the other, the highlight moving on.
            startGame(fx, {.players = players, .words = 20});
            answer(b, true, players == 2 ? 2 : 0);
            answer(b, false, players == 2 ? 1 : 0);
            highlight(b, 7);
        } else if (state.startsWith(QLatin1String("end"))) {
            // The one player's last word, or the left-hand player wins; the head of the other falls.
            startGame(fx, {.players = players, .words = 20});
            b.state.playerScore[2] = players == 2 ? 10 : 0; // the left-hand player a word from winning,
            b.state.wordsDone = players == 2 ? 0 : 19;      // or the one player at her last word
            answer(b, true, players == 2 ? 2 : 0);
            for (int i = 0; i < 12; ++i)
                b.Timer1_Timer();
        } else if (state == QLatin1String("settings")) {
            Impostazioni *w = fx.settings();
            w->show();
            // (the personal vocabulary's caption names the working folder)
            w->Chfreq(0)->setCaption(
                w->Chfreq(0)->caption().replace(fx.path(), QStringLiteral("/home/lusor")));
            shot = look(*w);
            layout = layoutOf(*w);
        } else {
            if (players > 0) startGame(fx, {.players = players, .words = 20});
            fx.platform.onModal = [&](ui::Form *about) {
                shot = look(*about);
                layout = layoutOf(*about);
                about->hide();
            };
            b.Info_Click();
        }
        if (shot.isNull()) {
            shot = look(b);
            layout = layoutOf(b);
        }
        compareLook(shot, QTest::currentDataTag());
        if (step == 100) compareLayout(layout, state); // in twips, the same at every step
    }

    // The tournament's table for a small, a middling and a full class, at
    // 100 % and at full screen 1920 x 1080; and a league's table of standings.
    void tabula_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("played");
        QTest::addColumn<certamen::Kind>("kind");
        const auto knockout = certamen::Kind::Eliminatio;
        for (int n : {4, 13, 32})
            for (bool full : {false, true})
                QTest::addRow("tabula%d-%s", n, full ? "full" : "100") << n << full << n / 3 << knockout;
        // The end: the champion, the last rounds, the results with a walkover.
        QTest::addRow("tabula4-end-100") << 4 << false << 3 << knockout;
        QTest::addRow("tabula32-end-100") << 32 << false << 31 << knockout;
        // A league half played (a walkover among its results), its next match marked.
        for (bool full : {false, true})
            QTest::addRow("orbis5-%s", full ? "full" : "100") << 5 << full << 4 << certamen::Kind::Orbis;
    }
    void tabula() {
        QFETCH(int, n);
        QFETCH(bool, full);
        QFETCH(int, played);
        QFETCH(certamen::Kind, kind);
        QFile::remove(Certamen::statePath());
        BoardFixture fx;
        Tabula *t = showTabula(fx, n, full, played, kind);
        QVERIFY(t && t->isVisible());
        if (full)
            QVERIFY2(t->isFullScreen() && t->pictura->height() > 1050,
                     qPrintable(QString::number(t->pictura->height())));
        compareLook(look(*t), QTest::currentDataTag());
    }

    // The standings as the printed results show them: a knockout's bracket
    // and a league's table, each part way through; and the table on a wide
    // screen, the round beside the part of the bracket that holds the next match.
    void standings_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("played");
        QTest::addColumn<certamen::Kind>("kind");
        QTest::addColumn<QSize>("wide"); // none: the standings alone; 0 x 0: the results
        QTest::addRow("standings13") << 13 << 7 << certamen::Kind::Eliminatio << QSize();
        QTest::addRow("standings-orbis5") << 5 << 3 << certamen::Kind::Orbis << QSize();
        QTest::addRow("wide32") << 32 << 10 << certamen::Kind::Eliminatio << QSize(1600, 900);
        QTest::addRow("wide32-8") << 32 << 8 << certamen::Kind::Eliminatio
                                  << QSize(1600, 900); // a part's first
        // The printed results' table: a walkover, a match played again struck through.
        QTest::addRow("results8") << 8 << 5 << certamen::Kind::Eliminatio << QSize(0, 0);
    }
    void standings() {
        QFETCH(int, n);
        QFETCH(int, played);
        QFETCH(certamen::Kind, kind);
        QFETCH(QSize, wide);
        QImage page(wide.isEmpty() ? QSize(900, 640) : wide, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter p(&page);
        if (wide == QSize(0, 0)) {
            certamen::Tournament t = classOf(n, played, kind);
            QVERIFY(t.replay(t.replayable().constLast()));
            t.record(t.next(), {t.matches()[t.next()].side[1], {16, 3}, {0, 1}, 95});
            certamen::paintResults(p, QRectF(20, 20, 860, 600), t, 0, int(t.log().size()));
        } else if (wide.isEmpty())
            certamen::paintStandings(p, QRectF(20, 20, 860, 600), classOf(n, played, kind));
        else
            certamen::paintTabula(p, page.rect(), classOf(n, played, kind), 0, QStringLiteral("Restant"),
                                  QStringLiteral("Incipite!"), QString());
        p.end();
        compareLook(page, QTest::currentDataTag());
    }

    // The windows of the lists, the tournament and the missed words, each
    // with words of its own in it.
    void featureWindows_data() {
        QTest::addColumn<QString>("window");
        for (const char *w : {"repertorium", "importa", "certamen", "errata"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void featureWindows() {
        QFETCH(QString, window);
        BoardFixture fx;
        QApplication::setCursorFlashTime(0); // a text caret drawn steadily
        QImage shot;
        QString layout;
        const auto grab = [](QWidget &w) {
            w.show();
            QCoreApplication::processEvents();
            return w.grab().toImage();
        };
        if (window == "repertorium") {
            fx.write("meum.txt",
                     "/ caput I\r\nOrdo;Classis;Verbum latinum;Italiano\r\n0;1;rex, regis m.;re\r\n"
                     "aqua acqua\r\n0;3;amo, -as, -avi, -atum, -are;amare\r\n0;9;et;e\r\n");
            frmRepertorium w(fx.path() + "/meum.txt");
            for (QLabel *l : w.findChildren<QLabel *>()) // the path of this run's own folder
                l->setText(l->text().replace(fx.path(), "/home/magister"));
            shot = grab(w);
        } else if (window == "importa") {
            frmImporta w("verba.csv",
                         "Latinum;Classis;Italiano\nrex, regis m.;nomen;re\nlaudo, -are;verbum;lodo\n");
            shot = grab(w);
        } else {
            Traduci &b = fx.board();
            fx.platform.onModal = [&](ui::Form *f) {
                if (auto *c = qobject_cast<frmCertamen *>(f))
                    c->nominaText->setPlainText("Anna\nBeppe\nCarla");
                shot = look(*f);
                layout = layoutOf(*f);
                f->hide();
            };
            if (window == "certamen") {
                b.findChild<QAction *>(QStringLiteral("Novum"))->trigger();
            } else {
                fx.write("errata.txt",
                         testHeading + "\r\n/ errores: 3; ultimus: 2026-11-30; capsa: 2; debetur: "
                                       "2026-12-01\r\n0;1;rex;re;king\r\n/ errores: 1; ultimus: "
                                       "2026-11-29; capsa: 1; debetur: 2026-11-30\r\n0;3;amo;amare;love\r\n");
                emit b.findChild<QMenu *>(QStringLiteral("Errata1"))->aboutToShow();
                b.findChild<QAction *>(QStringLiteral("Recense"))->trigger();
            }
        }
        QVERIFY(!shot.isNull());
        compareLook(shot.convertToFormat(QImage::Format_RGB32), "window-" + window);
        if (!layout.isEmpty()) compareLayout(layout, window);
    }

    // The printed list, page by page as it comes from the printer (its PDF
    // drawn again at 40 dots an inch): the heading shaded on every page, the
    // long words wrapped in their columns, the classes by name; or a test
    // sheet of its words, shuffled, with a line for each answer and the key
    // on a page of its own.
    void printedList_data() {
        QTest::addColumn<bool>("test");
        QTest::addColumn<int>("pages");
        QTest::newRow("printed-list") << false << 2;
        QTest::newRow("printed-test") << true << 2;
    }
    void printedList() {
        QFETCH(bool, test);
        QFETCH(int, pages);
        BoardFixture fx;
        QByteArray bytes = "Ordo;Classis;Verbum latinum;Italiano;English\r\n/ a note\r\n";
        for (int i = 0; i < 34; ++i)
            bytes += "0;" + QByteArray::number(1 + i % 4) + ";" +
                     (i % 5 ? QByteArray("rosa") : "possum, potes, potui, posse, irregulare cum partibus") +
                     QByteArray::number(i) + ";rosa, fiore del roseto;rose\r\n";
        const lists::WordList list = lists::WordList::fromBytes(bytes);
        frmImprime w(list, "Caput I");
        w.Probatio->setChecked(test);
        w.lingua->setCurrentIndex(1);
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = fx.path() + "/list.pdf";
        lists::toPdf(printer, pdf);
        QCOMPARE(w.printTo(printer).pages, pages);
        const QList<QImage> drawn = pdfPages(pdf, pages);
        if (drawn.isEmpty()) QSKIP("pdftoppm (poppler-utils) is needed to draw the PDF again");
        for (int page = 1; page <= pages; ++page)
            compareLook(drawn[page - 1], QString("%1-%2").arg(QTest::currentDataTag()).arg(page));
    }

    // The printed results of a tournament over, below the heading with its
    // date: a knockout's champion over its bracket, a league's tie for first.
    void printedResults_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<certamen::Kind>("kind");
        QTest::addColumn<bool>("tie"); // each beats the next: three champions
        QTest::addRow("printed-knockout4") << 4 << certamen::Kind::Eliminatio << false;
        QTest::addRow("printed-league3") << 3 << certamen::Kind::Orbis << false;
        QTest::addRow("printed-league3-tie") << 3 << certamen::Kind::Orbis << true;
    }
    void printedResults() {
        QFETCH(int, n);
        QFETCH(certamen::Kind, kind);
        QFETCH(bool, tie);
        QTemporaryDir dir;
        certamen::Tournament t = classOf(n, tie ? 0 : kind == certamen::Kind::Orbis ? 3 : n - 1, kind);
        for (int m = t.next(); tie && m >= 0; m = t.next()) {
            const certamen::Match &x = t.matches()[m];
            QVERIFY(t.record(m, {x.side[x.side[1] == (x.side[0] + 1) % n ? 0 : 1], {16, 9}, {1, 2}, 130}));
        }
        QCOMPARE(t.champions().size(), tie ? 3 : 1);
        QVERIFY(t.next() < 0);
        QPrinter printer(QPrinter::HighResolution);
        lists::toPdf(printer, dir.filePath("results.pdf"));
        certamen::print(printer, t);
        const QList<QImage> pages = pdfPages(dir.filePath("results.pdf"), 1);
        if (pages.isEmpty()) QSKIP("pdftoppm (poppler-utils) is needed to draw the PDF again");
        const QImage &page = pages.first();
        compareLook(page.copy(0, page.height() / 12, page.width(), page.height() - page.height() / 12),
                    QTest::currentDataTag());
    }

    // Every name on the full-screen table, on every page it turns to, is
    // drawn at 30 pixels or more, and its capitals stand on the picture as
    // high as a 30-pixel Arial's (0.716 of the size): read from the back of
    // a classroom.
    void tabulaNames_data() {
        QTest::addColumn<int>("n");
        for (int n : {3, 8, 16, 25, 32})
            QTest::addRow("%d pupils", n) << n;
    }
    void tabulaNames() {
        QFETCH(int, n);
        QFile::remove(Certamen::statePath());
        BoardFixture fx;
        Tabula *t = showTabula(fx, n, true, n / 3);
        struct Drawn {
            QString text;
            double px;
            QRectF where;
        };
        QList<Drawn> drawn;
        certamen::nameDrawn = [&](const QString &text, double px, const QRectF &where) {
            drawn.append({text, px, where});
        };
        int least = 1 << 20, names = 0;
        double leastPx = 1e9;
        QString smallest;
        for (int page = 0; page < 8; ++page) {
            drawn.clear();
            const QImage shot = t->pictura->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const Drawn &d : drawn) {
                const QRect r = d.where.toAlignedRect().intersected(shot.rect());
                const QRgb back = shot.pixel(r.topLeft());
                int top = -1, bottom = -1;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x) {
                        const QRgb c = shot.pixel(x, y);
                        if (std::abs(qGray(c) - qGray(back)) + std::abs(qRed(c) - qRed(back)) > 120) {
                            if (top < 0) top = y;
                            bottom = y;
                            break;
                        }
                    }
                QVERIFY2(top >= 0, qPrintable(d.text));
                ++names;
                leastPx = std::min(leastPx, d.px);
                if (bottom - top + 1 < least) {
                    least = bottom - top + 1;
                    smallest = d.text;
                }
            }
            emit t->Pagina->tick();
        }
        certamen::nameDrawn = nullptr;
        qInfo(
            "%d pupils: names drawn at %g px at least; the least ink %d px high (%s); %d names over 8 pages",
            n, leastPx, least, qPrintable(smallest), names);
        QVERIFY2(leastPx >= 30, qPrintable(QStringLiteral("%1 px").arg(leastPx)));
        QVERIFY2(least >= 21, qPrintable(QStringLiteral("%1: %2 px").arg(smallest).arg(least)));
    }
};

int main(int argc, char **argv) {
    // As the program starts: its style and its fonts.
    ui::prepareEnvironment();
    QApplication app(argc, argv);
    ui::setUpApplication();
    TestLooks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_looks.moc"
