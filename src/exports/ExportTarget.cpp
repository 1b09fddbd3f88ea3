#include "exports/ExportTarget.h"

#include "base/TemporaryFileName.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ExportTarget::ExportTarget(QString path) : m_path(std::move(path)) {}

ExportTarget::~ExportTarget()
{
    discard();
}

bool ExportTarget::create()
{
    discard();
    const QByteArray native = QFile::encodeName(m_path);
    QByteArray pattern = TemporaryFileName::PatternFor(m_path);
    const int fd = ::mkostemps(pattern.data(), TemporaryFileName::SuffixLength(), O_CLOEXEC);
    if (fd < 0) {
        m_errorNumber = errno;
        return false;
    }
    // A replaced file keeps its permissions; a new one gets the usual ones, not mkstemp's 0600.
    struct stat old
    {};
    ::fchmod(fd, ::stat(native.constData(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    m_fd = fd;
    m_tempPath = QFile::decodeName(pattern);
    m_errorNumber = 0;
    return true;
}

ExportStatus ExportTarget::commit()
{
    if (m_fd < 0) {
        m_errorNumber = EBADF;
        return ExportStatus::WriteFailed;
    }
    if (::fsync(m_fd) != 0) {
        m_errorNumber = errno;
        discard();
        return ExportStatus::WriteFailed;
    }
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0 && errno != EINTR) {
        m_errorNumber = errno;
        discard();
        return ExportStatus::WriteFailed;
    }
    const QByteArray temp = QFile::encodeName(m_tempPath);
    if (::rename(temp.constData(), QFile::encodeName(m_path).constData()) != 0) {
        m_errorNumber = errno;
        discard();
        return ExportStatus::CannotReplace;
    }
    m_tempPath.clear();
    return ExportStatus::Written;
}

void ExportTarget::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        ::unlink(QFile::encodeName(m_tempPath).constData());
        m_tempPath.clear();
    }
}
