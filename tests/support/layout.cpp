#include "support/layout.h"

#include "support/boardfixture.h"
#include "ui/controlbase.h"

#include <QFile>
#include <QTest>
#include <QTextStream>

QString layoutOf(const QWidget &window) {
    QString out;
    QTextStream s(&out);
    for (const ui::Control *c : window.findChildren<ui::Control *>()) {
        s << c->objectName() << ' ' << c->left() << ',' << c->top() << ' ' << c->width_() << 'x'
          << c->height_() << ' ' << c->foreColor().name() << '/' << c->backColor().name() << ' '
          << c->fontName() << ' ' << c->fontSize() << (c->fontBold() ? " bold" : "")
          << (c->shown() ? "" : " hidden") << (c->enabled() ? "" : " off") << QStringLiteral(" «")
          << QString(c->caption()).replace('\n', QStringLiteral("\\n")) << QStringLiteral("»");
        if (!c->toolTipText().isEmpty()) s << " ?" << c->toolTipText();
        s << '\n';
    }
    return out;
}

void compareLayout(const QString &actual, const QString &name) {
    const QString stored = QStringLiteral(TEST_DATA_DIR "/layout/") + name + QStringLiteral(".txt");
    if (qEnvironmentVariableIsSet("LESSICORSA_RENEW_LOOKS")) {
        QFile f(stored);
        QVERIFY2(f.open(QIODevice::WriteOnly) && f.write(actual.toUtf8()) >= 0, qPrintable(stored));
        return;
    }
    QCOMPARE(actual.split('\n'), QString::fromUtf8(readAll(stored)).split('\n'));
}
