#include "modem/SubmissionContext.h"

#include "modem/SendOptions.h"
#include "modem/SendRequest.h"

MessageFlags messageFlagsFor(const SendRequest& request, const SubmissionContext& context)
{
    if (request.plainOptions != 0 || !context.options)
        return {};
    return {context.options->flash(), context.options->unicode()};
}
