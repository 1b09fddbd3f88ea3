#pragma once

#include <stdexcept>

namespace sim {

// A simulator set-up failure: a bad option or profile, or a pty or port folder that cannot be made.
class SimError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace sim
