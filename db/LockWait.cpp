#include "db/LockWait.h"

#include <algorithm>
#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace lockwait {

namespace {

using Clock = std::chrono::steady_clock;

int timeout = kDefaultTimeoutMs;
int depth = 0;
bool budgetSpent = false;
int runOut = 0;
bool waiting = false;
Clock::time_point waitStart;

std::function<void(bool)>& hook()
{
    static std::function<void(bool)> h;
    return h;
}

// SQLite calls this while a lock is taken; `count` is 0 at the start of
// each wait. Non-zero: try again; zero: give up with SQLITE_BUSY.
int busyHandler(void*, int count)
{
    const auto now = Clock::now();
    if (count == 0) {
        if (depth > 0 && budgetSpent) return 0;
        waitStart = now;
        if (!waiting) {
            waiting = true;
            runWaitHook(true);
        }
    }
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(now - waitStart).count();
    if (waited >= timeout) {
        ++runOut;
        if (depth > 0) budgetSpent = true;
        return 0;
    }
    // Short steps at first, so a lock held a moment costs a moment.
    static constexpr int steps[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50};
    const int step = count < int(std::size(steps)) ? steps[count] : 100;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long long>(step, timeout - waited)));
    return 1;
}

}  // namespace

int timeoutMs() { return timeout; }
void setTimeoutMs(int ms) { timeout = ms; }

Scope::Scope() : saved_(budgetSpent)
{
    budgetSpent = false;
    ++depth;
}

Scope::~Scope()
{
    --depth;
    budgetSpent = saved_;
}

bool spent() { return depth > 0 && budgetSpent; }
int timeoutsRunOut() { return runOut; }

void setWaitHook(std::function<void(bool)> h) { hook() = std::move(h); }

void runWaitHook(bool on)
{
    if (hook()) hook()(on);
}

void install(sqlite3* db) { sqlite3_busy_handler(db, busyHandler, nullptr); }

void waitEnded()
{
    if (!waiting) return;
    waiting = false;
    runWaitHook(false);
}

}  // namespace lockwait
