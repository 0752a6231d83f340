#include "app/MainUnit.h"
#include "app/Startup.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installToolkitTranslations(app);
    StartProgram();
    const int code = app.exec();
    DestroyWindows();
    return code;
}
