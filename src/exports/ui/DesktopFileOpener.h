#pragma once

#include "exports/ExportServices.h"

class QWidget;

// Opens exported files through the desktop: its default application for the file's type, or
// the chooser of applications of the desktop portal.
class DesktopFileOpener : public FileOpener
{
public:
    explicit DesktopFileOpener(QWidget* parent) : m_parent(parent) {}

    // xdg-open; false when it cannot be started or ends with a non-zero exit status.
    bool openWithDefault(const QString& path) override;
    // The portal's OpenFile with "ask", so the user picks the application. False when there is
    // no session bus or no portal, or the portal refused.
    bool openWithChooser(const QString& path) override;
    // From the desktop's MIME association files (mimeapps.list, mimeinfo.cache).
    bool hasDefaultFor(const QString& path) override;

private:
    QString parentWindowId() const;

    QWidget* m_parent;
};
