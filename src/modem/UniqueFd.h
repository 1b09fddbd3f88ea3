#pragma once

#include <unistd.h>

// Owns one POSIX file descriptor and closes it when it goes out of scope.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { reset(); }

    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

    // Closes the held descriptor; returns false when there was none or close() failed.
    bool reset(int fd = -1)
    {
        const int old = m_fd;
        m_fd = fd;
        return old >= 0 && ::close(old) == 0;
    }

private:
    int m_fd = -1;
};
