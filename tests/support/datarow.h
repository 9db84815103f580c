#pragma once
// One row of a test's data table: row("tag", a, b, c) is QTest::newRow("tag") << a << b << c.
#include <QTest>

template <typename... T> void row(const char *tag, const T &...values) {
    (QTest::newRow(tag) << ... << values);
}
