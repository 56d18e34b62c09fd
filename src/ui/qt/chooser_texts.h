// The folder chooser's words in Japanese whether or not Qt's translations
// are installed: its labels, buttons, tool tips, menu, columns and the
// folder list's type and date.
#pragma once

class QFileDialog;

// Sets every text of a non-native QFileDialog that Qt would otherwise give
// in English, and gives the dialog a model whose headings, type and date
// columns read in Japanese. Call after its file mode is set.
void SetJapaneseChooserTexts(QFileDialog& dialog);
