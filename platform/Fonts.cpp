#include "platform/Fonts.h"

#include <QFontDatabase>

namespace platform {

namespace {

QFont sized(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont songti(int pixelHeight, bool bold)
{
    const QString family = QFontDatabase::hasFamily(QStringLiteral("SimSun")) ? QStringLiteral("SimSun")
                                                                              : QStringLiteral("Noto Serif CJK SC");
    return sized(family, pixelHeight, bold);
}

QFont songtiFigures(int pixelHeight, bool bold)
{
    if (QFontDatabase::hasFamily(QStringLiteral("SimSun")))
        return songti(pixelHeight, bold);
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans Mono CJK SC")))
        return sized(QStringLiteral("Noto Sans Mono CJK SC"), pixelHeight, bold);
    return songti(pixelHeight, bold);
}

QFont msSansSerif(int pixelHeight, bool bold)
{
    QString family;
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        family = QStringLiteral("MS Sans Serif");
    else if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC")))
        family = QStringLiteral("Noto Sans CJK SC");
    else
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return sized(family, pixelHeight, bold);
}

}  // namespace platform
