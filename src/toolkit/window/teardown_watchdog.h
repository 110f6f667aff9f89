#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace twindle {

// Ends the process if what follows the event loop, the destruction of the windows and of the
// application, has not finished within a time limit. Qt 6.4's Wayland client can deadlock
// there: its event thread waits in wl_display_read_events for a reader that never comes, while
// the application's destructor waits for that thread. The window is gone by then, and the process
// would stay for ever; a baseline Qt window shows it too, once in some 16 closes under sway.
//
// Made once the event loop has returned and destroyed after the application, it watches from a
// thread of its own: unless destroyed within the limit, it says so on stderr and ends the
// process at once (std::_Exit) with the status given. Nothing of the parent's data is waiting
// at that point: settings and family cards are written when they change.
class TeardownWatchdog {
public:
    TeardownWatchdog(int exitStatus, std::chrono::milliseconds limit);
    ~TeardownWatchdog();

    TeardownWatchdog(const TeardownWatchdog&) = delete;
    TeardownWatchdog& operator=(const TeardownWatchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_thread;
};

} // namespace twindle
