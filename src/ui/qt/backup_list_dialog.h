// The list of a slot's backups in the Linux program: each verified backup
// with its number, time, state and how many names a restore would change;
// the chosen one's changes in the preview's table, and 元に戻す for it.
#pragma once

#include <string>

class QWidget;

inline constexpr char kBackupListTitle[] = "バックアップの一覧";

// Shows the list over owner until it is closed. 元に戻す runs
// UndoOrRestoreAnyway for the chosen backup (the same guards and words as
// every undo) and lists again. Errors of the first listing travel out;
// later ones are reported by the frame.
void ShowBackupList(QWidget* owner, const std::string& gameFolder, const std::string& slotName);
