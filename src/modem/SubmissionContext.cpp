#include "modem/SubmissionContext.h"

#include "modem/PartSubmission.h"
#include "modem/SendOptions.h"
#include "modem/SendRequest.h"

MessageFlags messageFlagsFor(const SendRequest& request, const SubmissionContext& context)
{
    if (request.plainOptions != 0 || !context.options)
        return {};
    return {context.options->flash(), context.options->unicode()};
}

bool sendsFast(const SubmissionContext& context)
{
    return context.options && context.options->fast();
}

std::uint32_t pauseAfterPartMs(const SubmissionContext& context)
{
    return sendsFast(context) ? FastPauseAfterPartMs : PauseAfterPartMs;
}
