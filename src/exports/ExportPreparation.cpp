#include "exports/ExportPreparation.h"

#include "base/Prompter.h"
#include "exports/ExportServices.h"
#include "stores/DataFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PreparedTarget PrepareExportTarget(SaveDialog& dialog, Prompter& prompter,
                                   const QList<ExportFormat>& formats)
{
    using Status = PreparedTarget::Status;
    if (formats.isEmpty())
        return {};
    const std::optional<SaveDialog::Choice> choice = dialog.askSavePath(formats);
    if (!choice || choice->path.isEmpty())
        return {};
    const int index =
        choice->filterIndex >= 0 && choice->filterIndex < formats.size() ? choice->filterIndex : 0;
    ExportTargetChoice target{WithExportExtension(choice->path, formats[index]), formats[index]};
    if (const std::optional<FileError> error = CheckReplaceable(target.path)) {
        prompter.inform(QCoreApplication::translate("Export", "Message"), FileErrorText(*error),
                        Prompter::Icon::Information);
        return {Status::Refused, {}};
    }
    return {Status::Chosen, target};
}

std::optional<FileError> CheckReplaceable(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info
    {};
    if (::lstat(native.constData(), &info) != 0)
        return errno == ENOENT ? std::nullopt : std::optional<FileError>(FileError{errno, false});
    // Never block on a fifo or a device, nor truncate anything: only prove the open works.
    const int fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FileError{errno, false};
    ::close(fd);
    return std::nullopt;
}
