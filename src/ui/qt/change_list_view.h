// The preview's change list in the box's details: a table of index, current
// name and new name under their headings, written for the eye rather than
// for scripts.
#pragma once

#include <QString>

#include <string>

class QTreeWidget;

// One name of a change list line (as the dry run writes it, bytes that are
// not text as "\xNN") for the screen: the NUL padding at its end left out,
// any other such byte as "<NN>", which a Japanese font draws plainly (it
// draws "\" as a yen sign).
QString ChangeListName(const std::string& name);

// Fills the view with the change list, one row per "index<TAB>current<TAB>new"
// line, under the headings 番号, 今の名前 and 新しい名前, the index
// right-aligned; the view is named for screen readers and made wide enough
// for its columns.
void ShowChangeList(QTreeWidget& view, const std::string& details);
