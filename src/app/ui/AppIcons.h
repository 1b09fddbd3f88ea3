#pragma once

#include <QIcon>
#include <QStyle>

// An icon of the desktop's theme, or the style's own when the theme has none.
QIcon ThemedIcon(const char* themeName, QStyle::StandardPixmap fallback);

// The program's icon: the SVG of the resources, or a drawn one where SVG cannot be read.
QIcon ProgramIcon();
