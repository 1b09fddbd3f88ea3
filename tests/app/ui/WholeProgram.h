#pragma once

#include "app/ExitSequence.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <functional>
#include <map>
#include <set>

// What tests that drive the whole program through its main window share.

class NoProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

// Points QUILLON_PORTS at a folder for the life of the object, as `scripts/run --demo` does.
class PortsEnvironment
{
public:
    explicit PortsEnvironment(const QString& folder)
        : m_had(qEnvironmentVariableIsSet("QUILLON_PORTS")),
          m_before(qEnvironmentVariable("QUILLON_PORTS"))
    {
        qputenv("QUILLON_PORTS", folder.toLocal8Bit());
    }
    ~PortsEnvironment()
    {
        if (m_had)
            qputenv("QUILLON_PORTS", m_before.toLocal8Bit());
        else
            qunsetenv("QUILLON_PORTS");
    }
    PortsEnvironment(const PortsEnvironment&) = delete;
    PortsEnvironment& operator=(const PortsEnvironment&) = delete;

private:
    bool m_had;
    QString m_before;
};

// Acts on whichever modal window is on top, one handler per window class, polled from the
// event loop. Handlers act later (through the event queue) so a nested modal loop they start
// never runs inside the poll.
class ModalDriver
{
public:
    using Handler = std::function<void(QWidget*)>;

    ModalDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    void on(const char* className, Handler handler) { m_handlers[className] = std::move(handler); }
    const std::set<QString>& seen() const { return m_seen; }

private:
    void poll()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isEnabled())
            return;
        const QString name = window->metaObject()->className();
        m_seen.insert(name);
        const auto handler = m_handlers.find(name);
        if (handler != m_handlers.end())
            handler->second(window);
    }

    QTimer m_timer;
    std::map<QString, Handler> m_handlers;
    std::set<QString> m_seen;
};

inline void clickLater(QAbstractButton* target)
{
    if (target)
        QTimer::singleShot(0, target, &QAbstractButton::click);
}
