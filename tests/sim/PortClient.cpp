#include "PortClient.h"

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int kSafetyLimitMs = 10000;

} // namespace

PortClient::PortClient(const std::filesystem::path& link)
{
    m_fd = ::open(link.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0)
        m_openError = errno;
}

PortClient::~PortClient()
{
    close();
}

void PortClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void PortClient::write(const QByteArray& bytes)
{
    ASSERT_EQ(::write(m_fd, bytes.constData(), bytes.size()), bytes.size());
}

QByteArray PortClient::readUntil(const QByteArray& token)
{
    return readWhileNot([&](const QByteArray& collected) { return collected.contains(token); });
}

QByteArray PortClient::readFinal(bool orPrompt)
{
    static const QRegularExpression finalCode(
        QStringLiteral("\\r\\n(OK|ERROR|\\+CMS ERROR: \\d+|\\+CME ERROR: \\d+)\\r\\n$"));
    return readWhileNot([orPrompt](const QByteArray& collected) {
        return finalCode.match(QString::fromLatin1(collected)).hasMatch() ||
               (orPrompt && collected.endsWith("\r\n> "));
    });
}

template <typename Done> QByteArray PortClient::readWhileNot(Done done)
{
    QByteArray collected;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kSafetyLimitMs);
    while (!done(collected) && std::chrono::steady_clock::now() < deadline) {
        pollfd fd{m_fd, POLLIN, 0};
        if (::poll(&fd, 1, 50) <= 0)
            continue;
        char buffer[4096];
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        collected.append(buffer, length);
    }
    return collected;
}

QByteArray PortClient::exchange(const QByteArray& command, const QByteArray& token)
{
    write(command);
    return readUntil(token);
}

QByteArray PortClient::readFor(int quietMs)
{
    QByteArray collected;
    pollfd fd{m_fd, POLLIN, 0};
    while (::poll(&fd, 1, quietMs) > 0) {
        char buffer[4096];
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        collected.append(buffer, length);
    }
    return collected;
}

bool PortClient::hungUp()
{
    pollfd fd{m_fd, POLLIN, 0};
    while (::poll(&fd, 1, kSafetyLimitMs) > 0) {
        char buffer[256];
        if (::read(m_fd, buffer, sizeof buffer) <= 0)
            return true;
    }
    return false;
}

void SimulatorTest::startSimulator(int modems, std::vector<std::pair<int, QString>> profiles)
{
    ASSERT_TRUE(m_dir.isValid());
    sim::SimulatorOptions options;
    options.portsDir = std::filesystem::path(m_dir.path().toStdString()) / "ports";
    options.modems = modems;
    options.logFile = logPath();
    for (const auto& [port, items] : profiles)
        options.addProfile(port, items);
    m_simulator = std::make_unique<sim::ModemSimulator>(options);
    m_simulator->start();
}

std::filesystem::path SimulatorTest::link(int port) const
{
    return m_simulator->linkPath(port);
}

std::unique_ptr<PortClient> SimulatorTest::open(int port) const
{
    return std::make_unique<PortClient>(link(port));
}

QString SimulatorTest::logPath() const
{
    return m_dir.filePath(QStringLiteral("air.jsonl"));
}

QList<QByteArray> SimulatorTest::logLines() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}
