#pragma once

#include <QStringList>

// The name filters of a file dialog from a filter text written as label|patterns pairs ending
// in "||", such as "Excel Files(*.xls;*.xlsx)|*.xls;*.xlsx||": each pair becomes
// "Excel Files (*.xls *.xlsx)", the form the dialog matches names with.
QStringList NameFiltersFromPairs(const QString& filter);
