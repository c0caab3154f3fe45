#include "session/projectsession.h"

#include <map>

#include <QUndoStack>

#include "engine/arearows.h"
#include "engine/runoff.h"
#include "session/culvertlistmodel.h"
#include "session/sessioncommands.h"
#include "session/subarealistmodel.h"

namespace sw {
namespace {

QString idText(const std::string& id)
{
    return QString::fromStdString(id);
}

// The sub-areas StoreAreaList stores from the `kept` rows the list shows, the row `removed` (if
// any) left out: the part of `areas` that changes, from its first changed position on. `parsed`
// holds the rows whose parse differs from the sub-area stored at their position; every other row
// parses as that sub-area. Sub-areas beyond the rows are not kept.
Splice<SubArea> storedFromRows(const std::vector<SubArea>& areas, int kept, const std::map<int, SubArea>& parsed,
                               int removed)
{
    const auto count = std::size_t(kept);
    if (parsed.empty() && areas.size() == count)
        return removed < 0 ? Splice<SubArea>{kept, {}, {}} : Splice<SubArea>{removed, {areas[std::size_t(removed)]}, {}};
    int first = std::min(kept, int(areas.size()));
    if (removed >= 0)
        first = std::min(first, removed);
    if (!parsed.empty())
        first = std::min(first, parsed.begin()->first);
    Splice<SubArea> out;
    out.first = first;
    out.before.assign(areas.begin() + first, areas.end());
    for (int j = first; j < kept; ++j) {
        if (j == removed)
            continue;
        const auto differing = parsed.find(j);
        out.after.push_back(differing != parsed.end() ? differing->second : areas[std::size_t(j)]);
    }
    return out;
}

// The inputs of a culvert as CalAC leaves them once its sub-areas are changed by `areas`: worked
// out on the record's own sub-areas, lent for the purpose and given back as they were, since a
// culvert may have thousands of them.
CulvertRecord inputsAfterChange(CulvertRecord& record, const Splice<SubArea>& areas)
{
    Document trial;
    CulvertRecord& next = trial.CulvertList.emplace_back(inputsOf(record));
    next.Areas = std::move(record.Areas);
    const auto splice = [&next, at = std::ptrdiff_t(areas.first)](const std::vector<SubArea>& out,
                                                                 const std::vector<SubArea>& in) {
        const auto first = next.Areas.begin() + at;
        next.Areas.insert(next.Areas.erase(first, first + std::ptrdiff_t(out.size())), in.begin(), in.end());
    };
    splice(areas.before, areas.after);
    next.NumOfAreas = next.Areas.empty() ? "0" : std::to_string(next.Areas.size());
    if (!next.Areas.empty())
        (void)CalAC(trial, 0);
    CulvertRecord inputs = inputsOf(next);
    splice(areas.after, areas.before);
    record.Areas = std::move(next.Areas);
    return inputs;
}

}  // namespace

std::string ProjectInfo::*projectInfoMember(ProjectField field)
{
    switch (field) {
    case ProjectField::ProjectName: return &ProjectInfo::ProjectName;
    case ProjectField::ProjectNo: return &ProjectInfo::ProjectNo;
    case ProjectField::ControlNo: return &ProjectInfo::ControlNo;
    case ProjectField::ProDescrpt: return &ProjectInfo::ProDescrpt;
    case ProjectField::ProjectDate: return &ProjectInfo::ProjectDate;
    case ProjectField::ProjectTime: return &ProjectInfo::ProjectTime;
    case ProjectField::Designer: return &ProjectInfo::Designer;
    }
    return &ProjectInfo::ProjectName;
}

ProjectSession::ProjectSession(QObject* parent)
    : QObject(parent),
      m_undoStack(new QUndoStack(this)),
      m_culverts(new CulvertListModel(m_document, this)),
      m_subAreas(new SubAreaListModel(m_document, this))
{
    connect(m_undoStack, &QUndoStack::indexChanged, this, [this] {
        if (m_clearing)
            return;
        if (m_undoStack->isClean())
            emit documentSaved();
        else
            emit documentChanged();
    });
}

ProjectSession::~ProjectSession() = default;

int ProjectSession::findCulvert(std::string_view id) const
{
    for (std::size_t i = 0; i < m_document.CulvertList.size(); ++i)
        if (m_document.CulvertList[i].CulvertNo == id)
            return int(i);
    return kUnknownCulvert;
}

std::vector<std::string> ProjectSession::culvertIds() const
{
    std::vector<std::string> ids;
    ids.reserve(m_document.CulvertList.size());
    for (const CulvertRecord& culvert : m_document.CulvertList)
        ids.push_back(culvert.CulvertNo);
    return ids;
}

void ProjectSession::setFilePath(std::string path)
{
    if (path == m_filePath)
        return;
    m_filePath = std::move(path);
    emit fileChanged(QString::fromStdString(m_filePath));
}

void ProjectSession::setCurCulvert(int culvert)
{
    const auto value = static_cast<std::int16_t>(culvert);
    if (value == m_curCulvert)
        return;
    m_curCulvert = value;
    emit currentCulvertChanged(m_curCulvert);
}

// --- changes ----------------------------------------------------------------------------------

void ProjectSession::setProjectField(ProjectField field, std::string text)
{
    std::string& before = m_document.ProjectInfo.*projectInfoMember(field);
    if (before == text)
        return;
    if (showingOnly()) {
        before = std::move(text);
        return;
    }
    m_undoStack->push(new ProjectFieldCommand(*this, field, before, std::move(text), m_typingGeneration));
}

void ProjectSession::editCulvert(int culvert, CulvertEdit key, const QString& text,
                                 const std::function<void(CulvertRecord&)>& change)
{
    CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr)
        return;
    CulvertRecord before = inputsOf(*record);
    CulvertRecord after = before;
    change(after);
    after.Areas.clear();  // an edit of the inputs never touches the sub-areas
    if (after == before)
        return;
    if (showingOnly()) {
        restoreInputs(*record, after);
        return;
    }
    m_undoStack->push(new CulvertEditCommand(*this, culvert, key, text, std::move(before), std::move(after),
                                             m_typingGeneration));
}

void ProjectSession::addSubAreaRows(int culvert, const std::vector<std::string>& rows, const QString& text)
{
    CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr || rows.empty())
        return;
    std::vector<SubArea> added;
    added.reserve(rows.size());
    for (const std::string& row : rows)
        added.push_back(parseAreaRow(row));
    const bool shown = m_subAreas->culvert() == culvert;
    // StoreAreaList: the culvert's sub-areas are its list's rows parsed again, the new ones after
    // the others. A row parses as the sub-area it came from but where the list shows it otherwise
    // (a stored C of more decimals than its row shows): only those rows change what is stored.
    Splice<SubArea> areas;
    if (shown) {
        areas = storedFromRows(record->Areas, m_subAreas->rowCount(), m_subAreas->rowsParsedOtherwise(), -1);
    } else {
        areas.first = int(validAreaCount(*record));
        areas.before.assign(record->Areas.begin() + areas.first, record->Areas.end());
    }
    areas.after.insert(areas.after.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));

    CulvertRecord inputsBefore = inputsOf(*record);
    CulvertRecord inputsAfter = inputsAfterChange(*record, areas);
    Splice<std::string> rowSplice;
    rowSplice.first = shown ? m_subAreas->rowCount() : int(validAreaCount(*record));
    rowSplice.after = rows;
    m_undoStack->push(new SubAreasCommand(*this, culvert, text, std::move(inputsBefore), std::move(inputsAfter),
                                          std::move(areas), std::move(rowSplice), shown));
}

void ProjectSession::removeSubArea(int culvert, int row)
{
    CulvertRecord* record = culvertAt(m_document, culvert);
    const bool shown = m_subAreas->culvert() == culvert;
    if (record == nullptr || row < 0 || std::size_t(row) >= validAreaCount(*record))
        return;
    // The rows left are parsed again, as after every change of the list.
    Splice<SubArea> areas{row, {record->Areas[std::size_t(row)]}, {}};
    if (shown)
        areas = storedFromRows(record->Areas, m_subAreas->rowCount(), m_subAreas->rowsParsedOtherwise(), row);

    CulvertRecord inputsBefore = inputsOf(*record);
    CulvertRecord inputsAfter = inputsAfterChange(*record, areas);
    Splice<std::string> rowSplice;
    rowSplice.first = row;
    if (shown)
        rowSplice.before = {m_subAreas->entries()[std::size_t(row)]};
    m_undoStack->push(new SubAreasCommand(*this, culvert, QStringLiteral("Remove Sub-area"), std::move(inputsBefore),
                                          std::move(inputsAfter), std::move(areas), std::move(rowSplice), shown));
}

void ProjectSession::removeAllSubAreas(int culvert)
{
    CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr)
        return;
    const bool shown = m_subAreas->culvert() == culvert;
    CulvertRecord inputsBefore = inputsOf(*record);
    CulvertRecord inputsAfter = inputsBefore;
    inputsAfter.NumOfAreas = "0";
    Splice<SubArea> areas{0, record->Areas, {}};
    Splice<std::string> rows{0, shown ? m_subAreas->entries() : std::vector<std::string>{}, {}};
    if (inputsAfter == inputsBefore && areas.before.empty() && rows.before.empty())
        return;
    m_undoStack->push(new SubAreasCommand(*this, culvert, QStringLiteral("Remove All Sub-areas"),
                                          std::move(inputsBefore), std::move(inputsAfter), std::move(areas),
                                          std::move(rows), shown));
}

std::string ProjectSession::updateCValues(int culvert, int areaCount, int years)
{
    CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr || areaCount <= 0)
        return {};
    Document trial;
    CulvertRecord& next = trial.CulvertList.emplace_back(*record);
    const CUpdate update = UpdateCValues(trial, 0, areaCount, years);
    const bool shown = m_subAreas->culvert() == culvert;
    CulvertRecord inputsBefore = inputsOf(*record);
    Splice<SubArea> areas{0, record->Areas, next.Areas};
    Splice<std::string> rows{0, shown ? m_subAreas->entries() : std::vector<std::string>{},
                             shown ? update.Rows : std::vector<std::string>{}};
    CulvertRecord inputsAfter = inputsOf(next);
    m_undoStack->push(new SubAreasCommand(*this, culvert, QStringLiteral("Update C Values"), std::move(inputsBefore),
                                          std::move(inputsAfter), std::move(areas), std::move(rows), shown));
    return update.Message;
}

int ProjectSession::addCulvert(const std::string& id)
{
    CulvertRecord record;
    record.CulvertNo = id;
    const int slot = culvertCount();
    m_undoStack->push(new CulvertSlotCommand(*this, true, slot, std::move(record),
                                             QStringLiteral("Add Culvert %1").arg(idText(id))));
    return slot;
}

void ProjectSession::renameCulvert(int culvert, const std::string& id)
{
    const CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr || record->CulvertNo == id)
        return;
    m_undoStack->push(new RenameCulvertCommand(*this, culvert, record->CulvertNo, id));
}

void ProjectSession::deleteCulvert(int culvert)
{
    const CulvertRecord* record = culvertAt(m_document, culvert);
    if (record == nullptr)
        return;
    m_undoStack->push(new CulvertSlotCommand(*this, false, culvert, *record,
                                             QStringLiteral("Delete Culvert %1").arg(idText(record->CulvertNo))));
}

void ProjectSession::beginCommand(const QString& text)
{
    ++m_typingGeneration;
    m_undoStack->beginMacro(text);
}

void ProjectSession::endCommand()
{
    m_undoStack->endMacro();
    ++m_typingGeneration;
}

void ProjectSession::endTyping()
{
    ++m_typingGeneration;
}

// The history emptied with nothing unsaved, telling no one of a change on the way.
void ProjectSession::emptyHistory()
{
    m_clearing = true;
    m_undoStack->clear();
    m_undoStack->setClean();
    m_clearing = false;
}

void ProjectSession::replaceDocument(Document document, std::string filePath)
{
    emptyHistory();
    m_subAreas->clear();
    m_culverts->replaceAll([&] { m_document = std::move(document); });
    m_curCulvert = kNoCulvert;
    setFilePath(std::move(filePath));
    emit documentReplaced();
}

void ProjectSession::clearHistory()
{
    emptyHistory();
    ++m_typingGeneration;
    emit documentSaved();
}

bool ProjectSession::hasUnsavedChanges() const
{
    return !m_undoStack->isClean();
}

void ProjectSession::markSaved()
{
    m_undoStack->setClean();
    emit documentSaved();
}

void ProjectSession::markUnsaved()
{
    m_undoStack->resetClean();
}

void ProjectSession::close()
{
    emit closed();
}

void ProjectSession::undo()
{
    if (!m_undoStack->canUndo())
        return;
    m_replaying = true;
    m_appliedCulvert = -1;
    m_undoStack->undo();
    m_replaying = false;
    ++m_typingGeneration;
    emit historyApplied(m_appliedCulvert);
}

void ProjectSession::redo()
{
    if (!m_undoStack->canRedo())
        return;
    m_replaying = true;
    m_appliedCulvert = -1;
    m_undoStack->redo();
    m_replaying = false;
    ++m_typingGeneration;
    emit historyApplied(m_appliedCulvert);
}

// --- what the commands tell ---------------------------------------------------------------------

void ProjectSession::notifyField(int culvert, FieldKey key)
{
    if (!m_replaying)
        return;
    m_appliedCulvert = culvert;
    emit fieldChanged(culvert, key);
}

void ProjectSession::notifyAreas(int culvert)
{
    if (!m_replaying)
        return;
    m_appliedCulvert = culvert;
    emit areasChanged(culvert);
}

void ProjectSession::notifyCulverts()
{
    emit culvertsChanged();
}

void ProjectSession::notifyCurrent(int culvert)
{
    if (m_replaying)
        m_appliedCulvert = culvert;
}

}  // namespace sw
