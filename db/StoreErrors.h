#pragma once
// What the user is told when the store refuses something: a plain Chinese
// explanation of the engine's error, with the engine's own text after it for
// whoever looks into the file.
#include <QString>

// `code` is SQLite's result code (extended codes are reduced to their kind);
// `context`, when given, leads the text ("无法打开数据库文件“…”").
QString storeErrorText(int code, const QString& engineText, const QString& context = {});

// Throws EDatabaseError with that text.
[[noreturn]] void throwStoreError(int code, const QString& engineText, const QString& context = {});
