#pragma once

#include "support/CliRunner.h"
#include "support/SimulatedModems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// quillon-cli runs over simulated modems that receive messages while they send: a recipient
// list, messages injected into a modem, and the variables that point the program at both.
class ReplyRunFixture : public ::testing::Test
{
protected:
    QString writeList(const QStringList& numbers) const
    {
        QDir(home.path()).mkpath(data);
        const QString path = home.filePath(data + QStringLiteral("-list.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& number : numbers)
            file.write((number + QStringLiteral("\thello\n")).toUtf8());
        return path;
    }

    // A line of the simulator's control FIFO: "sms from=... text=..." or "pdu HEX".
    void deliver(const QString& line, int modem = 1)
    {
        QFile fifo(QString::fromStdString(modems.simulator().controlPath(modem).string()));
        ASSERT_TRUE(fifo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        ASSERT_GT(fifo.write((line + u'\n').toUtf8()), 0);
    }

    CliVariables variables() const
    {
        return {{"QUILLON_PORTS", modems.folder()}, {"QUILLON_HOME", home.filePath(data)}};
    }

    SimulatedModems modems; // with unsolicited lines
    QTemporaryDir home;
    QString data = QStringLiteral("data"); // the folder under home that holds QUILLON_DATA
};
