#include "bench/jxc-bench/Program.h"

#include "app/MainUnit.h"
#include "app/Startup.h"
#include "platform/ScriptedInteraction.h"

#include <QApplication>
#include <QTimer>

namespace bench {

Program::Program(int& argc, char** argv, platform::ScriptedInteraction& user)
{
    platform::setInteraction(&user);
    app_ = std::make_unique<QApplication>(argc, argv);
    CreateWindows();
    MainForm->show();
    settle();
    // The clock would tick into the measurements of later operations.
    MainForm->Timer1->stop();
}

Program::~Program()
{
    MainForm->hide();
    DestroyWindows();
    app_.reset();
    platform::setInteraction(nullptr);
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

}  // namespace bench
