// The watchdog over the program's end, tried in child processes: one whose end hangs, as Qt's
// Wayland client's can, and one that ends in time. An alarm ends a child that the watchdog
// failed to end, so that a fault shows as a failure rather than a hung test.

#include "toolkit/window/teardown_watchdog.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

namespace twindle {
namespace {

using namespace std::chrono_literals;

constexpr unsigned kAlarmSeconds = 20;

// Runs the body in a child process and returns its wait status.
int statusOfChild(const std::function<void()>& body)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(kAlarmSeconds);
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

TEST(TeardownWatchdog, EndsAStuckEndWithTheProgramsStatus)
{
    const int status = statusOfChild([] {
        const TeardownWatchdog watchdog(7, 0ms);
        for (;;)
            pause();  // the destruction that never finishes
    });
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 7);
}

TEST(TeardownWatchdog, LetsAnEndInTimeFinish)
{
    const int status = statusOfChild([] {
        {
            const TeardownWatchdog watchdog(7, 1h);
            // The end takes a moment, so that the watch is waiting when it is called off.
            std::this_thread::sleep_for(50ms);
        }
        _exit(3);
    });
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3);
}

} // namespace
} // namespace twindle
