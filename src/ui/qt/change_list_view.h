// The preview's change list in the box's details: index, current name and
// new name in aligned columns, written for the eye rather than for scripts.
#pragma once

#include <QString>

#include <string>

class QPlainTextEdit;

// One name of a change list line (as the dry run writes it, bytes that are
// not text as "\xNN") for the screen: the NUL padding at its end left out,
// any other such byte as "<NN>", which a Japanese font draws plainly (it
// draws "\" as a yen sign).
QString ChangeListName(const std::string& name);

// Fills the view with the change list, one "index<TAB>current<TAB>new" line
// per change, its tab stops set so that the columns line up in the view's
// font: the index right-aligned, the names after it.
void ShowChangeList(QPlainTextEdit& view, const std::string& details);
