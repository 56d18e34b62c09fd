// The name changes as a table (the preview's details, the backup list's
// restore): index, the name now and the name it gets, under their headings,
// written for the eye rather than for scripts.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "process/process.h"

class QTreeWidget;

// One name's 12 CP932 bytes for the screen: the NUL padding at its end left
// out, any other byte that is not text as "<NN>", which a Japanese font
// draws plainly (it draws "\" as a yen sign).
QString ChangeListName(const std::string& name);

// Fills the view with one row per change under the headings 番号, 今の名前
// and newHeading, the index right-aligned; the view is named for screen
// readers (accessibleName) and made wide enough for its columns.
void ShowChangeList(QTreeWidget& view, const std::vector<TOfficerNameChange>& rows, const QString& newHeading,
                    const QString& accessibleName);
