#pragma once
// A window's controls as designed, one a line (its name, place and size in
// twips, colours, font, state, caption and help text), compared with the
// layout stored in tests/data/layout/; LESSICORSA_RENEW_LOOKS=1 stores it
// afresh, as it does the pictures.
#include <QString>

class QWidget;

QString layoutOf(const QWidget &window);
void compareLayout(const QString &layout, const QString &name);
