#include "base/FileError.h"

#include <cstring>

QString SystemErrorText(int errorNumber)
{
    if (errorNumber == 0)
        return QStringLiteral("The operation completed successfully.");
    // strerrordesc_np is thread-safe and never translated.
    const char* text = strerrordesc_np(errorNumber);
    if (!text)
        return QStringLiteral("Unknown error %1.").arg(errorNumber);
    return QString::fromUtf8(text) + u'.';
}

QString FileError::description() const
{
    const QString system = SystemErrorText(errorNumber);
    return creating ? QStringLiteral("Failure creating file. ") + system : system;
}

FileException::FileException(int errorNumber, const QString& path)
    : std::runtime_error(SystemErrorText(errorNumber).toStdString()), m_errorNumber(errorNumber),
      m_path(path)
{}
