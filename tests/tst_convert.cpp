// The number conventions: a text taken as a number, rounding halves to even.
#include "ui/convert.h"

#include <QTest>
#include <cfloat>

class TestConvert : public QObject {
    Q_OBJECT
  private slots:

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
        // too large for a double: the largest of its sign, so clamping applies
        QTest::addRow("1e999") << "1e999" << DBL_MAX;
        QTest::addRow("-1e999") << "-1e999" << -DBL_MAX;
        QTest::addRow("400 digits") << QString(400, QLatin1Char('9')) << DBL_MAX;
        QTest::addRow("underflow") << "1e-999x" << 0.0;
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
};

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
