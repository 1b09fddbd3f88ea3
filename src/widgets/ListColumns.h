#pragma once

#include <QStringList>

class QHeaderView;
class QWidget;

// The usual width of a list's phone-number column.
inline constexpr int UsualNumberWidth = 100;

// The width of a column of phone numbers: the usual width, or more when the view's font
// needs it for a whole international number (larger desktop fonts, scaling).
int NumberColumnWidth(const QWidget& view, int usual = UsualNumberWidth);

// The column takes the width the others leave: its header stays in view, the list never
// scrolls sideways for it, and it follows the window's size.
void FillWithColumn(QHeaderView& header, int column);

// At least the usual width, and enough for the column's header text and for each of the
// given cell texts in the view's font.
int FitWidth(const QHeaderView& header, int column, int usual, const QStringList& cells = {});
