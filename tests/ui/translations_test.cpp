// The toolkit's own buttons and dialogs speak the program's language.
#include "platform/Translations.h"

#include <QApplication>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(ToolkitTranslations, StandardButtonsAndFileDialogsAreChinese)
{
    QTranslator* t = platform::installToolkitTranslations(*qApp);
    ASSERT_NE(t, nullptr) << "qtbase_zh_CN.qm not found (package qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("文件名称(&N)："));
    QCoreApplication::removeTranslator(t);
    delete t;
}
