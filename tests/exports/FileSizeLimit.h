#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, writes past `bytes` fail as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        struct sigaction ignore
        {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &m_previousAction);
        getrlimit(RLIMIT_FSIZE, &m_previousLimit);
        rlimit small = m_previousLimit;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previousLimit);
        sigaction(SIGXFSZ, &m_previousAction, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    struct sigaction m_previousAction
    {};
    rlimit m_previousLimit{};
};
