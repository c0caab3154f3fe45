#pragma once
// The text of a combo box as the editors use it: the typed text of an editable box, the chosen
// entry of a drop-down list. Changing it from code never counts as the user picking an entry.

#include <string>
#include <vector>

#include <QString>

class QComboBox;

namespace sw {

// Keeps the chosen entry of an editable box on the entry its text names, as the user types.
// Qt reports leaving a box whose text names another entry than the chosen one as a pick of that
// entry; the user picked nothing, and no pick handling may run.
void followTypedText(QComboBox* box);

// Sets the text; true when it changed (the caller then runs the box's change handling).
bool replaceComboText(QComboBox* box, const QString& text);

// Keeps the box's text through changes of its model: Qt shows another entry when entries come or
// go, and nobody typed or picked it.
void keepTextThroughModelChanges(QComboBox* box);

// Adds an entry at the end without changing what the box shows.
void appendComboEntry(QComboBox* box, const QString& text);

// Removes the entry without changing what the box shows.
void removeComboEntry(QComboBox* box, int index);

// Adds the entries of a start-up list. Qt shows the first item of a box that was empty; the box
// keeps its text instead, so that nothing looks chosen that the user did not choose.
void fillComboEntries(QComboBox* box, const std::vector<std::string>& entries);

}  // namespace sw
