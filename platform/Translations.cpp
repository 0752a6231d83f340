#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

QTranslator* installToolkitTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    // Without the translation package the toolkit simply stays in English.
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace platform
