// The main window as designed: its controls with their containers, rectangles,
// texts, colours and shown state (checked against a table written from the
// window's design), its menu, and the layout figures of the board and the
// portraits.
#include "board/traduci.h"
#include "support/boardfixture.h"

#include <QMenu>
#include <QTest>

namespace {
struct Row {
    const char *name;
    const char *container; // "" for the window
    float left, top, width, height;
    const char *caption;
    bool shown;
    QColor back;
};
const QColor none;
const QColor orange(255, 128, 0), darkRed(64, 0, 0), blue(0, 0, 255), red(255, 0, 0), pale(255, 255, 128);

// Controls that keep their design rectangle through start-up.
const Row designRows[] = {
    {"figura(1)", "", 480, 4800, 510, 660, nullptr, false, blue},
    {"figura(2)", "", 3240, 5040, 510, 660, nullptr, false, red},
    {"Frame2", "", 3960, 3360, 2415, 1695, "Frame2", false, none},
    {"frequenza", "Frame2", 240, 1200, 1215, 270, nullptr, true, none},
    {"categoria", "Frame2", 240, 840, 1215, 270, nullptr, true, none},
    {"traduzione", "Frame2", 240, 600, 1215, 270, nullptr, true, none},
    {"vocabolo", "Frame2", 240, 240, 1215, 270, nullptr, true, none},
    {"Labverbi", "Cornice", 90, 240, 1935, 375, "Vocaboli: ", true, orange},
    {"errati", "", 5520, 120, 1215, 1035, nullptr, false, none},
    {"Labelsotto1", "", 0, 6000, 5700, 300, "", false, orange},
    {"punti(1)", "", 4920, 2400, 420, 375, "0", false, none},
    {"colonna(1)", "", 5400, 3360, 510, 495, nullptr, false, none},
    {"Labelsotto2", "", 5715, 6000, 1305, 300, "", false, orange},
    {"punti(2)", "", 3840, 5040, 420, 375, "0", false, none},
    {"base(1)", "", 5160, 1680, 510, 420, nullptr, false, none},
    {"base(2)", "", 1800, 5040, 510, 420, nullptr, false, none},
    {"colonna(2)", "", 2280, 5040, 510, 495, nullptr, false, none},
    {"barra(2)", "", 480, 4680, 540, 975, nullptr, false, red},
    {"barra(1)", "", 5760, 1320, 540, 555, nullptr, false, blue},
};
} // namespace

class TestBoardComposition : public QObject {
    Q_OBJECT
    std::unique_ptr<BoardFixture> fx;
    Traduci *b = nullptr;

    ui::Control *control(const char *name) { return b->findChild<ui::Control *>(QString::fromLatin1(name)); }

  private slots:
    void init() {
        fx = std::make_unique<BoardFixture>();
        b = &fx->board();
    }
    void cleanup() { fx.reset(); }

    void window() {
        QCOMPARE(b->caption(), QStringLiteral("LessiCorsa!"));
        QCOMPARE(b->scaleWidth(), 7035.0f);
        QCOMPARE(b->scaleHeight(), 6300.0f);
        QCOMPARE(b->backColor(), orange);
        QCOMPARE(b->foreColor(), orange);
        QVERIFY(b->keyPreview());
        QVERIFY(b->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(b->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void controlsKeepTheirDesign() {
        for (const Row &r : designRows) {
            ui::Control *c = control(r.name);
            QVERIFY2(c, r.name);
            const QString container = QString::fromLatin1(r.container);
            QCOMPARE(c->parentWidget()->objectName(),
                     container.isEmpty() ? QStringLiteral("Traduci.client") : container);
            QCOMPARE(c->property("Left").toFloat(), r.left);
            QCOMPARE(c->property("Top").toFloat(), r.top);
            QCOMPARE(c->property("Width").toFloat(), r.width);
            QCOMPARE(c->property("Height").toFloat(), r.height);
            if (r.caption) QCOMPARE(c->property("Caption").toString(), QString::fromUtf8(r.caption));
            QCOMPARE(c->property("Visible").toBool(), r.shown);
            if (r.back.isValid()) QCOMPARE(c->property("BackColor").value<QColor>(), r.back);
        }
    }

    void candidateBoxesAndWord() {
        for (int k = 0; k <= 11; ++k) {
            ui::Control *s = control(qPrintable(QStringLiteral("sign(%1)").arg(k)));
            QCOMPARE(s->parentWidget(), b->Frame1);
            QCOMPARE(s->width_(), 1575.0f);
            QCOMPARE(s->height_(), 495.0f);
            QCOMPARE(s->property("Caption").toString(), QStringLiteral("?"));
            QCOMPARE(s->property("BorderStyle").toInt(), 1);
            QCOMPARE(s->property("Alignment").toInt(), 2);
            QCOMPARE(s->fontSize(), 8.25);
        }
        QCOMPARE(b->Parola->parentWidget(), b->Frame1);
        QCOMPARE(b->Parola->foreColor(), QColor(255, 255, 0));
        QCOMPARE(b->Parola->backColor(), darkRed);
        QCOMPARE(b->Frame1->backColor(), darkRed);
        QVERIFY(b->Parola->autoSize());
    }

    void busts() {
        for (const char *side : {"Iml", "Imr"}) {
            for (int k = 0; k <= 7; ++k) {
                auto *im =
                    qobject_cast<ui::Image *>(control(qPrintable(QStringLiteral("%1(%2)").arg(side).arg(k))));
                QVERIFY(im);
                QVERIFY(!im->shown());
                const QSizeF expected = k == 7 ? QSizeF(375, 315) : QSizeF(k == 4 ? 495 : 510, 660);
                QCOMPARE(QSizeF(im->width_(), im->height_()), expected);
            }
        }
        QCOMPARE(b->Iml(6)->pictureHandle(), b->Iml(6)->pictureHandle());
        QVERIFY(b->Iml(6)->pictureHandle() != b->Iml(5)->pictureHandle());
        QVERIFY(b->Iml(0)->pictureHandle() != b->Imr(0)->pictureHandle());
    }

    void quotationsAndBubbles() {
        QCOMPARE(b->battuta(1)->fontSize(), 18.0);
        QCOMPARE(b->battuta(2)->fontSize(), 9.75);
        QVERIFY(b->battuta(1)->fontBold());
        QCOMPARE(b->battuta(1)->backStyle(), 0);
        QCOMPARE(b->battuta(1)->foreColor(), darkRed);
        QCOMPARE(b->battuta(1)->left(), 360.0f);
        QCOMPARE(b->battuta(1)->width_(), 3975.0f);
        QCOMPARE(b->battuta(2)->left(), 2040.0f);
        // The quotations stand in front of the bubbles.
        const QObjectList kids = b->Frame1->children();
        QVERIFY(kids.indexOf(b->battuta(1)) > kids.indexOf(b->fumetto(1)));
        QVERIFY(kids.indexOf(b->battuta(2)) > kids.indexOf(b->fumetto(4)));
    }

    void menu() {
        auto *novus = b->findChild<QAction *>(QStringLiteral("Imposta"));
        auto *finis = b->findChild<QAction *>(QStringLiteral("Esci"));
        auto *info = b->findChild<QAction *>(QStringLiteral("Info"));
        QVERIFY(novus && finis && info);
        QCOMPARE(novus->text(), QStringLiteral("&Novus ludus"));
        QCOMPARE(finis->text(), QStringLiteral("&Finis"));
        QCOMPARE(info->shortcut(), QKeySequence(Qt::Key_F1));
        auto *m1 = b->findChild<QMenu *>(QStringLiteral("Imposta1"));
        auto *m2 = b->findChild<QMenu *>(QStringLiteral("Info1"));
        QCOMPARE(m1->title(), QStringLiteral("&Incipit ludus"));
        QCOMPARE(m2->title(), QStringLiteral("?"));
    }

    void boardLayoutFigures() {
        // The figures the layout gives with the design values.
        b->Parola->setHeight(390);
        b->disponitavola();
        QCOMPARE(b->Frame1->left(), 1055.0f);
        QCOMPARE(b->Frame1->height_(), 4725.0f);
        QCOMPARE(b->barrone(2)->left(), 182.5f);
        QCOMPARE(b->barrone(1)->left(), 6162.5f);
        QCOMPARE(b->barrone(1)->height_(), 5940.0f);
        QCOMPARE(b->barrone(2)->height_(), 5940.0f);
        QVERIFY(b->barrone(1)->shown() && b->barrone(2)->shown());
        // symmetric about the window's centre line
        QCOMPARE(b->barrone(2)->left() + b->barrone(1)->left() + b->barrone(1)->width_(), 7035.0f);
        QCOMPARE(QPointF(b->fumetto(1)->left(), b->fumetto(1)->top()), QPointF(287.5, 200));
        QCOMPARE(QPointF(b->fumetto(2)->left(), b->fumetto(2)->top()), QPointF(287.5, 200));
        QCOMPARE(QPointF(b->fumetto(3)->left(), b->fumetto(3)->top()), QPointF(287.5, 2360));
        QCOMPARE(QPointF(b->fumetto(4)->left(), b->fumetto(4)->top()), QPointF(2462.5, 2360));
        QCOMPARE(b->battuta(1)->top(), 320.0f);
        QCOMPARE(b->battuta(2)->top(), 2540.0f);
        const float rows[] = {540, 1248.75f, 1957.5f, 2666.25f};
        const float cols[] = {100, 1675, 3250};
        for (int k = 0; k <= 11; ++k) {
            QCOMPARE(b->sign(k)->left(), cols[k % 3]);
            QCOMPARE(b->sign(k)->top(), rows[k / 3]);
        }
        QCOMPARE(b->Parola->left(), 50.0f);
        QCOMPARE(b->Parola->width_(), 4825.0f);
        QCOMPARE(b->Parola->top(), 3748.125f);
    }

    void portraitsForOneAndTwoPlayers() {
        b->state.playerCount = 1;
        b->mostraritratti();
        QCOMPARE(b->Cornice->top(), 4770.0f);
        QCOMPARE(b->Cornice->left(), 2155.0f);
        QCOMPARE(b->foto1->top(), 4830.0f);
        QCOMPARE(b->foto1->left(), 1055.0f);
        QCOMPARE(b->Cornice->width_(), 3825.0f);
        QVERIFY(!b->foto2->shown());
        QVERIFY(b->foto1->shown() && b->Cornice->shown());

        b->state.playerCount = 2;
        b->mostraritratti();
        QCOMPARE(b->foto2->left(), 1055.0f);
        QCOMPARE(b->Cornice->width_(), 2725.0f);
        QCOMPARE(b->foto1->left(), 4930.0f);
        QVERIFY(b->foto2->shown());
        // a 50-twip gap on both sides of the status box
        QCOMPARE(b->Cornice->left() - (b->foto2->left() + b->foto2->width_()), 50.0f);
        QCOMPARE(b->foto1->left() - (b->Cornice->left() + b->Cornice->width_()), 50.0f);
    }
};

QTEST_MAIN(TestBoardComposition)
#include "tst_board_composition.moc"
