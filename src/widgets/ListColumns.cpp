#include "widgets/ListColumns.h"

#include <QHeaderView>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int CellPadding = 16; // the style's margins on both sides and the grid line

int cellWidth(const QWidget& view, const QString& text)
{
    return view.fontMetrics().horizontalAdvance(text) + CellPadding;
}

} // namespace

int NumberColumnWidth(const QWidget& view, int usual)
{
    return std::max(usual, cellWidth(view, QStringLiteral("+000000000000000")));
}

void FillWithColumn(QHeaderView& header, int column)
{
    header.setStretchLastSection(false);
    header.setSectionResizeMode(column, QHeaderView::Stretch);
}

int FitWidth(const QHeaderView& header, int column, int usual, const QStringList& cells)
{
    int width = std::max(usual, header.sectionSizeHint(column));
    const QWidget* parent = header.parentWidget();
    const QWidget& view = parent ? *parent : static_cast<const QWidget&>(header);
    for (const QString& cell : cells)
        width = std::max(width, cellWidth(view, cell));
    return width;
}
