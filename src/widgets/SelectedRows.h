#pragma once

#include <vector>

class QItemSelectionModel;

// The selected rows in ascending order, read from the selection's ranges so that a select-all
// over a large list costs one range, not one index per cell.
std::vector<int> SelectedRows(const QItemSelectionModel* selection);
