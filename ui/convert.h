#pragma once
// The small number and text conventions the game relies on, each written once.

#include <QString>

namespace ui {

// Signed form: one blank before a non-negative number ("Solo" + signedForm(57)
// gives "Solo 57"); a negative number keeps its minus sign.
QString signedForm(double n);
// Plain form: the shortest general form, no leading blank, no fixed decimals;
// a fractional value uses the system's decimal separator.
QString plainForm(double n);
// A text taken as a number: its longest leading part that reads as a decimal
// number, blanks skipped; 0 when there is none.
double val(const QString &text);
// Rounds to the nearest whole number, halves to the even neighbour.
long long roundHalfEven(double x);
// The whole part of r * n, for a uniform draw r in [0, 1): always in 0..n-1 for n > 0.
int intScaled(float r, int n);
// A fraction of a day shown as a time of day in the system's time format
// (hours, minutes and seconds).
QString timeOfDayText(double fractionOfDay);

} // namespace ui
