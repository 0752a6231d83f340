#pragma once
// Opens a window's connection and queries while the window is created. Each
// one that fails shows its error in the general error box, and the creation
// goes on, so the program still starts without a store.
#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;
class TADOConnection;
class TADOQuery;

// WhenLookedAt: for queries whose statements the window replaces before
// anything reads them; their rows are read only if something looks.
enum class CreationRows { Read, WhenLookedAt };
void openAtCreation(QWidget* owner, TADOConnection& connection, const QString& connectionString,
                    std::initializer_list<std::pair<TADOQuery*, QString>> queries,
                    CreationRows rows = CreationRows::Read);
