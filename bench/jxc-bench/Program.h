#pragma once
// The whole program in this process, as a user starts it: the application,
// the seven windows, and the main window shown with its grid filled. Every
// box and modal window is answered by `user`, so nothing waits.
#include <memory>

class QApplication;
namespace platform {
class ScriptedInteraction;
}

namespace bench {

class Program {
public:
    Program(int& argc, char** argv, platform::ScriptedInteraction& user);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

private:
    std::unique_ptr<QApplication> app_;
};

// Lets the windows paint and settle.
void settle();

}  // namespace bench
