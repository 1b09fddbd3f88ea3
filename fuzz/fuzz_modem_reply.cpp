// A modem's final reply to a submission, as the senders turn it into the error the user sees.

#include "FuzzSupport.h"
#include "modem/CSMSException.h"

namespace {

bool isNormalisedError(const QString& error)
{
    return error.isEmpty() || error == u"ERROR" || error.startsWith(u"+CMS ERROR") ||
           error.startsWith(u"+CME ERROR");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t control = input.byte();
    const QByteArray bytes = input.rest();
    // Modems answer in 8-bit text; UTF-8 reaches characters beyond Latin-1 as well.
    const QString reply = control & 1 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);

    const QString error = NormaliseModemReply(reply);
    require(isNormalisedError(error), "a normalised reply is empty or an error");
    require(error.isEmpty() == !reply.contains(u"ERROR"), "an error exactly when ERROR came");

    const CSMSException modemError = ModemErrorFrom(error.isEmpty() ? reply : error);
    require((error.isEmpty() ? reply : error).startsWith(modemError.message()),
            "the error text is cut, never changed");
    const qsizetype capacity = control >> 1;
    require(modemError.GetErrorMessage(capacity).size() <= capacity, "the capacity holds");
    GetModemErrorText(modemError);

    // Codes come from stored texts and system calls: any value must give some text.
    const std::uint32_t code = (std::uint32_t(control) << 24) | std::uint32_t(bytes.size());
    GetModemErrorText(CSMSException(code, reply));
    GetModemErrorText(CSMSException(CSMSException::SystemErrorBase | code, reply));
    return 0;
}
