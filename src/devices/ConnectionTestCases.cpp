#include "devices/ConnectionTestCases.h"

#include <QCoreApplication>

namespace {

struct CaseKind
{
    const char* name;
    const char* description;
    bool pdu;
    bool custom;
};

constexpr CaseKind Kinds[] = {
    {"PDU_DEF_SMSC", "PDU Mode with Default SMSC", true, false},
    {"PDU_CUS_SMSC", "PDU Mode with Custom SMSC", true, true},
    {"TXT_DEF_SMSC", "Text Mode with Default SMSC", false, false},
    {"TXT_CUS_SMSC", "Text Mode with Custom SMSC", false, true},
};

} // namespace

QList<TestCaseRow> TestCasesFor(const QString& deviceDetails, const QString& defaultSmsc,
                                const QString& model, const QString& history)
{
    const bool pdu = deviceDetails.contains(u"PDU Mode");
    const bool text = deviceDetails.contains(u"Text Mode");
    QList<TestCaseRow> cases;
    for (const CaseKind& kind : Kinds) {
        if ((kind.pdu && !pdu) || (!kind.pdu && !text))
            continue;
        if (!kind.custom && defaultSmsc.isEmpty())
            continue;
        TestCaseRow row;
        row.caseName = QString::fromLatin1(kind.name);
        row.possibleCase = QStringLiteral("Case %1:").arg(cases.size() + 1);
        row.description = QCoreApplication::translate("ConnectionTest", kind.description);
        row.caseSms =
            QStringLiteral("%1 is working for Device Model: %2").arg(row.description, model);
        row.status = StatusInHistory(history, row.caseName);
        cases.append(row);
    }
    return cases;
}

QString HistoryOf(const QList<TestCaseRow>& cases)
{
    QString history;
    for (const TestCaseRow& row : cases)
        history += row.caseName + QStringLiteral("||") + row.status + QStringLiteral("||");
    return history;
}

QString StatusInHistory(const QString& history, const QString& caseName)
{
    const QString key = caseName + QStringLiteral("||");
    const qsizetype start = history.indexOf(key);
    if (start < 0)
        return QString();
    const qsizetype from = start + key.size();
    const qsizetype end = history.indexOf(QStringLiteral("||"), from);
    return end < 0 ? QString() : history.mid(from, end - from);
}
