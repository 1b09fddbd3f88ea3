#include "exports/ui/DesktopFileOpener.h"

#include "exports/FileOpenerProcess.h"
#include "exports/MimeHandlers.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QWidget>
#include <fcntl.h>

namespace {

// The portal answers at once with a request handle; the chooser then runs on its own.
constexpr int PortalReplyTimeoutMs = 10000;

} // namespace

bool DesktopFileOpener::openWithDefault(const QString& path)
{
    // xdg-open says by its exit status whether an application took the file; starting it is
    // not yet success.
    return RunFileOpener(QStringLiteral("xdg-open"), path);
}

bool DesktopFileOpener::hasDefaultFor(const QString& path)
{
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QStringList files;
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::ConfigLocation))
        files << dir + "/mimeapps.list";
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        files << dir + "/mimeapps.list" << dir + "/mimeinfo.cache";
    for (const QString& name : files) {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly) &&
            ListsHandlerFor(QString::fromUtf8(file.readAll()), type))
            return true;
    }
    return false;
}

bool DesktopFileOpener::openWithChooser(const QString& path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    QDBusUnixFileDescriptor file;
    file.giveFileDescriptor(fd);

    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.OpenURI"), QStringLiteral("OpenFile"));
    const QVariantMap options{{QStringLiteral("ask"), true}};
    call << parentWindowId() << QVariant::fromValue(file) << options;
    const QDBusMessage reply = bus.call(call, QDBus::Block, PortalReplyTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

QString DesktopFileOpener::parentWindowId() const
{
    // The portal places its chooser over our window when it knows it; only X11 ids are plain.
    if (m_parent && QGuiApplication::platformName() == QLatin1String("xcb"))
        return QStringLiteral("x11:%1").arg(quintptr(m_parent->window()->winId()), 0, 16);
    return {};
}
