#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks for a file to read; the filter is written as label|patterns pairs ("...||"). Returns the
// chosen path, or empty when cancelled. Tests hand in their own.
using OpenFileChooser = std::function<QString(QWidget* parent, const QString& filter)>;

// The desktop's open-file dialog.
QString ChooseOpenFile(QWidget* parent, const QString& filter);
