#include "teardown_watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace twindle {

TeardownWatchdog::TeardownWatchdog(int exitStatus, std::chrono::milliseconds limit)
{
    m_thread = std::thread([this, exitStatus, limit] {
        std::unique_lock lock(m_mutex);
        if (m_finished.wait_for(lock, limit, [this] { return m_done; }))
            return;
        std::fputs("twindle: the window system did not let go in time; ending now\n", stderr);
        std::_Exit(exitStatus);
    });
}

TeardownWatchdog::~TeardownWatchdog()
{
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_finished.notify_one();
    m_thread.join();
}

} // namespace twindle
