#include "ui/main/comboboxtext.h"

#include <memory>

#include <QAbstractItemModel>
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

void keepTextThroughModelChanges(QComboBox* box)
{
    QAbstractItemModel* model = box->model();
    auto shown = std::make_shared<QString>();
    const auto remember = [box, shown] { *shown = box->currentText(); };
    const auto restore = [box, shown] {
        if (box->currentText() == *shown)
            return;
        const QSignalBlocker blocker(box);
        if (box->isEditable()) {
            box->setEditText(*shown);
            chooseEntryOfText(box);
        } else {
            box->setCurrentIndex(box->findText(*shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    };
    // Connected after the box's own handling, so that the box has done its change first.
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeInserted, box, remember);
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, box, remember);
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, box, remember);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, box, restore);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, box, restore);
    QObject::connect(model, &QAbstractItemModel::modelReset, box, restore);
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
