#include "app/MainUnit.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StartProgram();
    const int code = app.exec();
    DestroyWindows();
    return code;
}
