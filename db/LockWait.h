#pragma once
// How long the store waits for a lock another program holds, and the rule
// that a command or the start-up waits that long only once: after one wait
// has run out, every later one in the same scope fails at once, so a locked
// store costs one timeout, not one per query.
#include <functional>

struct sqlite3;

namespace lockwait {

inline constexpr int kDefaultTimeoutMs = 5000;
int timeoutMs();
void setTimeoutMs(int ms);  // tests shorten it

// One command (or the start-up). Scopes nest: an inner one starts with the
// whole wait again and gives the outer one back its own state at its end.
// Outside every scope each wait has the whole timeout.
class Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    bool saved_;
};

bool spent();          // a wait in the current scope has run out
int timeoutsRunOut();  // how many waits ran out since the program started

// Told `true` when the store starts waiting for a lock and `false` when that
// wait is over; the windows show the wait cursor meanwhile.
void setWaitHook(std::function<void(bool waiting)> hook);
void runWaitHook(bool waiting);

// Installs the waiting rule on a handle.
void install(sqlite3* db);

// Ends the wait, if one was going on; every call into the engine that may
// wait for a lock is followed by one (WaitEnd does it on every way out).
void waitEnded();
struct WaitEnd {
    WaitEnd() = default;
    ~WaitEnd() { waitEnded(); }
    WaitEnd(const WaitEnd&) = delete;
    WaitEnd& operator=(const WaitEnd&) = delete;
};

}  // namespace lockwait
