#pragma once
// The hourglass for the length of a scope; the pointer goes back to what it
// was, also when the scope is left by an error.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
