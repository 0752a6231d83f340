#pragma once
// Backup and restore of the store file the program works on: data.mdb in
// the current directory, the file that every window's connection opens.
#include <QString>

class QWidget;
class TADOConnection;

namespace platform {
class FileDialog;
}

QString workingStorePath();

// 数据备份: a whole-file copy of the store to the chosen name with ".bak"
// appended, taken while no connection can change the store, and on disk
// before success is reported.
void backUpStore(QWidget* owner, platform::FileDialog& dialog);

// 数据恢复: the chosen file, if it is a store of this program, takes the
// store's place in one step; the store it replaces is kept beside it under a
// dated name. On success the program ends.
void restoreStore(QWidget* owner, platform::FileDialog& dialog, TADOConnection& connection);
