// The number and text conventions: signed and plain forms, a text taken as a
// number, rounding halves to even, scaled draws and the time-of-day display.
#include "ui/convert.h"

#include <QTest>

class TestConvert : public QObject {
    Q_OBJECT
  private slots:
    void signedAndPlainForms_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("signedText");
        QTest::addRow("zero") << 0.0 << "0"
                              << " 0";
        QTest::addRow("count") << 57.0 << "57"
                               << " 57";
        QTest::addRow("negative") << -1.0 << "-1"
                                  << "-1";
    }
    void signedAndPlainForms() {
        QFETCH(double, n);
        QFETCH(QString, plain);
        QFETCH(QString, signedText);
        QCOMPARE(ui::plainForm(n), plain);
        QCOMPARE(ui::signedForm(n), signedText);
    }

    void fractionsUseTheSystemSeparator() {
        const QString plain = QStringLiteral("7") + QLocale::system().decimalPoint() + QStringLiteral("5");
        QCOMPARE(ui::plainForm(7.5), plain);
        QCOMPARE(ui::signedForm(7.5), QLatin1Char(' ') + plain);
    }

    void textTakenAsNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addRow("digits") << "30" << 30.0;
        QTest::addRow("leading blank") << " 2" << 2.0;
        QTest::addRow("trailing words") << "30 vocabula" << 30.0;
        QTest::addRow("blanks inside") << "1 2" << 12.0;
        QTest::addRow("no number") << "abc" << 0.0;
        QTest::addRow("empty") << "" << 0.0;
        QTest::addRow("negative") << "-1" << -1.0;
        QTest::addRow("fraction") << "2.5x" << 2.5;
        QTest::addRow("exponent") << "1E3" << 1000.0;
        QTest::addRow("lone point") << "." << 0.0;
    }
    void textTakenAsNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ui::val(text), value);
    }

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

    void scaledDrawsStayInRange() {
        QCOMPARE(ui::intScaled(0.0f, 12), 0);
        QCOMPARE(ui::intScaled(0.9999999f, 12), 11);
        QCOMPARE(ui::intScaled(0.5f, 6), 3);
        QCOMPARE(ui::intScaled(0.3f, 0), 0); // an empty list is never read out of range
    }

    void timeOfDayShowsHoursMinutesSeconds() {
        const QString t = ui::timeOfDayText((3600.0 + 2 * 60 + 5) / 86400.0);
        QVERIFY2(t.contains(QStringLiteral("02")) && t.contains(QStringLiteral("05")), qPrintable(t));
        QVERIFY2(t.contains(QStringLiteral("1")), qPrintable(t));
        // Whole days are dropped: a duration is shown as a time of day.
        QCOMPARE(ui::timeOfDayText(1.0 + 5.0 / 86400.0), ui::timeOfDayText(5.0 / 86400.0));
    }
};

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
