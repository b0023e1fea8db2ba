#pragma once

#include "common/FieldRules.h" // integerValue, the integer value every sum of amounts reads

#include <QString>

// Amounts are text throughout: typed ("1500,5"), stored as whole cents ("150050"), shown with two
// decimals ("1500.50") and grouped by thousands in lists ("1 500.50").

// Typed amount to stored cents. Extra decimals are truncated, never rounded.
QString AmountToCents(const QString &entered);

// Stored cents to the display form; amounts below one unit keep their sign and cents ("-0.05").
QString CentsToAmount(const QString &stored);

// Display form with its integer part in groups of three separated by spaces.
QString GroupThousands(const QString &display);
