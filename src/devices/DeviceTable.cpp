#include "devices/DeviceTable.h"

#include "devices/DeviceTexts.h"

namespace {

QString portOfEntry(const QString& entry)
{
    const qsizetype bar = entry.indexOf(u"||");
    return bar < 0 ? entry : entry.left(bar);
}

} // namespace

int DeviceTable::rowOfPort(const QString& portText) const
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].comPort == portText)
            return int(i);
    }
    return -1;
}

void DeviceTable::setModeCode(int row, int code)
{
    if (row < 0)
        return;
    while (modes.size() <= row)
        modes.append(0);
    modes[row] = code;
}

std::optional<QString> DeviceTable::FindCustomSmsc(const QString& portText) const
{
    for (const QString& entry : customSmsc) {
        if (portOfEntry(entry) != portText)
            continue;
        const QString rest = entry.mid(portText.size() + 2);
        if (rest.isEmpty() || entry.endsWith(u"||N"))
            return std::nullopt;
        const qsizetype flagBar = rest.lastIndexOf(u"||");
        return flagBar < 0 ? rest : rest.left(flagBar);
    }
    return std::nullopt;
}

void DeviceTable::RemoveCustomSmsc(const QString& portText)
{
    for (qsizetype i = 0; i < customSmsc.size(); ++i) {
        if (portOfEntry(customSmsc.at(i)) == portText) {
            customSmsc.removeAt(i);
            return;
        }
    }
}

void DeviceTable::saveCustomSmsc(const QString& portText, const QString& number,
                                 const QString& flag)
{
    RemoveCustomSmsc(portText);
    customSmsc.append(portText + QStringLiteral("||") + number + QStringLiteral("||") + flag);
}

int ModeCodeOfText(const QString& mode)
{
    if (mode == DeviceText::pduModeText())
        return 1;
    if (mode == DeviceText::textModeText())
        return 2;
    return 0;
}

bool IsAcceptableSmsc(const QString& number)
{
    return !number.isEmpty() && number.lastIndexOf(u'+') <= 0;
}
