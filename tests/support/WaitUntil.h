#pragma once

#include <chrono>
#include <thread>

// Polls a condition another thread makes true, until it holds or a generous deadline passes
// (a failing test then fails instead of hanging). True when the condition held.
template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds deadline = std::chrono::seconds(10))
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
