#include "ui/main/comboboxtext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace sw {
namespace {

void chooseEntryOfText(QComboBox* box)
{
    const int entry = box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0 || entry == box->currentIndex())
        return;
    const QSignalBlocker blocker(box);
    const int cursor = box->lineEdit()->cursorPosition();
    box->setCurrentIndex(entry);
    box->lineEdit()->setCursorPosition(cursor);
}

}  // namespace

void followTypedText(QComboBox* box)
{
    if (box->lineEdit() == nullptr)
        return;
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [box] { chooseEntryOfText(box); });
}

bool replaceComboText(QComboBox* box, const QString& text)
{
    if (box->currentText() == text)
        return false;
    if (box->isEditable()) {
        box->setEditText(text);
        chooseEntryOfText(box);
    } else {
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    return true;
}

void appendComboEntry(QComboBox* box, const QString& text)
{
    // Qt shows the first entry added to an empty box; the typed text must stay.
    const QString shown = box->currentText();
    const QSignalBlocker blocker(box);
    box->addItem(text);
    if (box->isEditable())
        box->setEditText(shown);
}

void removeComboEntry(QComboBox* box, int index)
{
    const QString shown = box->currentText();
    const QSignalBlocker blocker(box);
    box->removeItem(index);
    if (box->isEditable())
        box->setEditText(shown);
}

void fillComboEntries(QComboBox* box, const std::vector<std::string>& entries)
{
    for (const std::string& entry : entries)
        box->addItem(QString::fromStdString(entry));
    box->setCurrentIndex(-1);
}

}  // namespace sw
