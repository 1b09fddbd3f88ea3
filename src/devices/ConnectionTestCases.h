#pragma once

#include <QList>
#include <QString>

// One combination of message mode and SMSC the connection test tries.
struct TestCaseRow
{
    QString possibleCase; // "Case 1:"
    QString description;
    QString status;
    QString caseSms; // the text sent
    QString caseName;

    bool pduMode() const { return caseName.contains(u"PDU"); }
    bool customSmsc() const { return caseName.contains(u"CUS_SMSC"); }
};

// A device of the test's device list.
struct TestDeviceRow
{
    QString comPort;
    QString details;
    QString settingUse; // "Y" once a case was applied to the device
    QString history;    // case name + "||" + status + "||" per case of the last run
    QString lastSmsc;
    QString defSmsc;
};

// The cases a device gets, in their fixed order: the PDU cases when its details mention "PDU
// Mode", the text cases when they mention "Text Mode", the default-SMSC ones only when it has a
// default SMSC. Statuses are taken from the history.
QList<TestCaseRow> TestCasesFor(const QString& deviceDetails, const QString& defaultSmsc,
                                const QString& model, const QString& history);

QString HistoryOf(const QList<TestCaseRow>& cases);
// The status a history gives a case; empty when it has none.
QString StatusInHistory(const QString& history, const QString& caseName);
