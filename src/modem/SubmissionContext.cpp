#include "modem/SubmissionContext.h"

#include "modem/PartSubmission.h"
#include "modem/SendOptions.h"
#include "modem/SendRequest.h"

MessageFlags messageFlagsFor(const SendRequest& request, const SubmissionContext& context)
{
    if (request.plainOptions != 0 || !context.options)
        return {};
    return {context.options->flash(), context.options->unicode(),
            context.options->deliveryReports(), context.options->nationalLanguages()};
}

bool sendsFast(const SubmissionContext& context)
{
    return context.options && context.options->fast();
}

std::uint32_t pauseAfterPartMs(const SubmissionContext& context)
{
    return sendsFast(context) ? FastPauseAfterPartMs : PauseAfterPartMs;
}

std::optional<CSMSException> submitNotedPart(ModemChannel& port, const SubmissionContext& context,
                                             const PartCommand& part)
{
    PartCommand paced = part;
    paced.fast = sendsFast(context);
    std::optional<int> reference;
    std::optional<CSMSException> error = submitPart(port, context.clock, paced, &reference);
    if (context.messageReferences)
        context.messageReferences->push_back(reference.value_or(-1));
    return error;
}
