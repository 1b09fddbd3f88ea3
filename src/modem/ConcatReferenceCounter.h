#pragma once

#include <QtGlobal>
#include <atomic>
#include <cstdint>

// The 16-bit reference that ties the parts of one long message together. One counter serves
// the whole application and is handed to every sender; each submission takes the next value,
// so two messages in flight to the same phone never share a reference.
class ConcatReferenceCounter
{
public:
    explicit ConcatReferenceCounter(std::uint32_t start = 0) : m_value(start) {}

    // Counts one submission and returns its reference, modulo 65536.
    quint16 next() { return static_cast<quint16>(m_value.fetch_add(1) + 1); }

private:
    std::atomic<std::uint32_t> m_value;
};
