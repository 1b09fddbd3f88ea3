// A modem's reply as the channel collects it from reads of any size: the outcome must not
// depend on where the reads split it, and no unsolicited line may reach the reply.

#include "FuzzSupport.h"
#include "modem/ReplyCollector.h"
#include "modem/UnsolicitedLines.h"

namespace {

const char* const Tokens[] = {"OK", ">", "+CMGS", nullptr};

struct Outcome
{
    bool tokenSeen;
    bool finalError;
    QByteArray reply;
    QList<QByteArray> unsolicited;
    bool operator==(const Outcome&) const = default;
};

Outcome collect(const char* token, const QByteArray& prefix, const QByteArray& echo,
                const QByteArray& input, std::size_t step)
{
    ReplyCollector collector(token, prefix);
    if (!echo.isEmpty())
        collector.expectEcho(echo);
    for (qsizetype at = 0; at < input.size(); at += qsizetype(step))
        collector.add(input.mid(at, qsizetype(step)));
    return {collector.tokenSeen(), collector.finalError(), collector.reply(),
            collector.unsolicited()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t control = input.byte();
    const char* token = Tokens[control % 4];
    const std::size_t step = 1 + (control >> 2) % 7;
    const QByteArray command = input.field('\0');
    const QByteArray echo = input.field('\0');
    const QByteArray reply = input.rest();
    const QByteArray prefix = answerPrefixOf(command);

    const Outcome whole = collect(token, prefix, echo, reply, std::size_t(reply.size()) + 1);
    require(whole == collect(token, prefix, echo, reply, step),
            "the outcome does not depend on where the reads split");
    require(!(whole.tokenSeen && whole.finalError), "one way to end");
    // The last piece may be a line still arriving; every finished line is judged.
    QList<QByteArray> lines = QByteArray(whole.reply).replace('\r', '\n').split('\n');
    lines.removeLast();
    for (const QByteArray& line : lines)
        require(!isUnsolicitedLine(line, prefix), "no unsolicited line in the reply");
    for (const QByteArray& line : whole.unsolicited)
        require(isUnsolicitedLine(line.split('\n').front(), prefix),
                "what was taken out is unsolicited");
    return 0;
}
