// The number conventions: a text taken as a number, rounding halves to even;
// and the program's own platform: its message boxes, clock, screen and draws.
#include "support/boardfixture.h"
#include "support/datarow.h"
#include "ui/convert.h"
#include "ui/platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestConvert : public QObject {
    Q_OBJECT
  private slots:

    void textTakenAsNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        for (const QStringList &f : tableOf(TEST_DATA_DIR "/numbers.tsv"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2].toDouble();
    }
    void textTakenAsNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ui::val(text), value);
    }

    // A number in a text: a blank before it unless it is negative.
    void signedNumbers() { QCOMPARE(ui::signedForm(0) + ui::signedForm(-1) + ui::signedForm(12), " 0-1 12"); }

    void halvesRoundToEven_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<long long>("r");
        QTest::addRow("0.5") << 0.5 << 0LL;
        QTest::addRow("1.5") << 1.5 << 2LL;
        QTest::addRow("2.5") << 2.5 << 2LL;
        QTest::addRow("-0.5") << -0.5 << 0LL;
        QTest::addRow("-1.5") << -1.5 << -2LL;
        QTest::addRow("2.4") << 2.4 << 2LL;
        QTest::addRow("2.6") << 2.6 << 3LL;
    }
    void halvesRoundToEven() {
        QFETCH(double, x);
        QFETCH(long long, r);
        QCOMPARE(ui::roundHalfEven(x), r);
    }

    // A message box of each kind: its title (the program's when it has none),
    // its icon, and the answer each button, Enter or Esc gives.
    void messageBox_data() {
        using ui::Answer, ui::Buttons, ui::Icon;
        QTest::addColumn<ui::Icon>("icon");
        QTest::addColumn<ui::Buttons>("buttons");
        QTest::addColumn<int>("pressed"); // a button, or a key
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QString>("seen"); // title and icon
        const int enter = Qt::Key_Return, esc = Qt::Key_Escape;
        row("O.K.", Icon::Critical, Buttons::Ok, int(QMessageBox::Ok), Answer::Ok, "Titulus 3");
        QTest::newRow("O.K., Esc") << Icon::None << Buttons::Ok << esc << Answer::Ok << "Titulus 0";
        row("O.K. or Cancel: Cancel", Icon::Exclamation, Buttons::OkCancel, int(QMessageBox::Cancel),
            Answer::Cancel, "Titulus 2");
        row("O.K. or Cancel: Enter", Icon::None, Buttons::OkCancel, enter, Answer::Ok, "");
        row("O.K. or Cancel: Esc", Icon::None, Buttons::OkCancel, esc, Answer::Cancel, "");
        row("Yes", Icon::None, Buttons::YesNoCancel, int(QMessageBox::Yes), Answer::Yes, "");
        QTest::newRow("No") << Icon::None << Buttons::YesNoCancel << int(QMessageBox::No) << Answer::No << "";
        row("Cancel", Icon::None, Buttons::YesNoCancel, int(QMessageBox::Cancel), Answer::Cancel, "");
        row("Yes, No or Cancel: Enter", Icon::None, Buttons::YesNoCancel, enter, Answer::Yes, "");
        row("Yes, No or Cancel: Esc", Icon::None, Buttons::YesNoCancel, esc, Answer::Cancel, "");
    }
    void messageBox() {
        QFETCH(ui::Icon, icon);
        QFETCH(ui::Buttons, buttons);
        QFETCH(int, pressed);
        QFETCH(ui::Answer, answer);
        QFETCH(QString, seen);
        QString shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->windowTitle() + ' ' + QString::number(box->icon());
            if (pressed >= Qt::Key_Escape)
                QTest::keyClick(box, Qt::Key(pressed));
            else
                box->button(QMessageBox::StandardButton(pressed))->click();
        });
        const QString title = seen.isEmpty() ? QString() : seen.chopped(2);
        QCOMPARE(ui::platform().messageBox("Textus", title, icon, buttons), answer);
        QCOMPARE(shown, seen.isEmpty() ? ui::programTitle + " 0" : seen);
    }

    // The clock reads the time of day as a fraction of the day, the screen is
    // measured in twips, and draws fall in [0, 1) over both halves, a new
    // sequence after randomize().
    void clockScreenAndDraws() {
        ui::Platform &p = ui::platform();
        QVERIFY(std::abs(p.timeOfDay() * 86400.0 - QTime::currentTime().msecsSinceStartOfDay() / 1000.0) < 2);
        const QSize px = QGuiApplication::primaryScreen()->size();
        QCOMPARE(p.screenTwips(), QSizeF(px.width() * 15.0, px.height() * 15.0));
        QCOMPARE(p.screenArea(nullptr, false), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(p.screenArea(nullptr, true), QGuiApplication::primaryScreen()->availableGeometry());
        ui::Platform a;
        ui::Platform b = a;
        int low = 0;
        for (int i = 0; i < 1000; ++i) {
            const float r = a.rnd();
            QVERIFY(r >= 0 && r < 1 && r == b.rnd());
            low += r < 0.5f;
        }
        QVERIFY(low > 400 && low < 600);
        a.randomize();
        QVERIFY(a.rnd() != b.rnd() || a.rnd() != b.rnd());
    }
};

QTEST_MAIN(TestConvert)
#include "tst_convert.moc"
