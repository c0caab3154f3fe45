#include "session/projectsession.h"

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
      m_subAreas(new SubAreaListModel(this))
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
    // StoreAreaList: the culvert's sub-areas are its list's rows parsed again, the new ones after
    // the others. A row parses as the sub-area it came from, so only the new rows are parsed, and
    // those of the list before them where the list shows them.
    const bool shown = m_subAreas->culvert() == culvert;
    const std::vector<std::string>& listed = m_subAreas->rows();
    const std::size_t kept = shown ? listed.size() : validAreaCount(*record);
    std::vector<SubArea> parsed;
    if (shown)
        for (const std::string& row : listed)
            parsed.push_back(parseAreaRow(row));
    Splice<SubArea> areas;
    // The first sub-area the parse changes (a stored C of more decimals than its row shows).
    std::size_t first = 0;
    if (shown) {
        while (first < kept && first < record->Areas.size() && parsed[first] == record->Areas[first])
            ++first;
    } else {
        first = kept;
    }
    areas.first = int(first);
    areas.before.assign(record->Areas.begin() + std::ptrdiff_t(std::min(first, record->Areas.size())),
                        record->Areas.end());
    areas.after.assign(parsed.begin() + std::ptrdiff_t(std::min(first, parsed.size())), parsed.end());
    for (const std::string& row : rows)
        areas.after.push_back(parseAreaRow(row));

    CulvertRecord inputsBefore = inputsOf(*record);
    Document trial;
    CulvertRecord& next = trial.CulvertList.emplace_back(inputsBefore);
    next.Areas.assign(record->Areas.begin(), record->Areas.begin() + std::ptrdiff_t(std::min(first, record->Areas.size())));
    next.Areas.insert(next.Areas.end(), areas.after.begin(), areas.after.end());
    next.NumOfAreas = std::to_string(next.Areas.size());
    (void)CalAC(trial, 0);
    CulvertRecord inputsAfter = inputsOf(next);

    Splice<std::string> rowSplice;
    rowSplice.first = int(kept);
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
    std::vector<std::string> listed = shown ? m_subAreas->rows() : std::vector<std::string>{};
    Splice<SubArea> areas;
    areas.first = 0;
    areas.before = record->Areas;
    if (shown) {
        listed.erase(listed.begin() + row);
        for (const std::string& text : listed)
            areas.after.push_back(parseAreaRow(text));
    } else {
        areas.after = record->Areas;
        areas.after.erase(areas.after.begin() + row);
    }
    // Only the part that changes is kept for undo.
    std::size_t same = 0;
    while (same < areas.after.size() && same < areas.before.size() && areas.after[same] == areas.before[same])
        ++same;
    areas.first = int(same);
    areas.before.erase(areas.before.begin(), areas.before.begin() + std::ptrdiff_t(same));
    areas.after.erase(areas.after.begin(), areas.after.begin() + std::ptrdiff_t(same));

    CulvertRecord inputsBefore = inputsOf(*record);
    Document trial;
    CulvertRecord& next = trial.CulvertList.emplace_back(inputsBefore);
    next.Areas.assign(record->Areas.begin(), record->Areas.begin() + std::ptrdiff_t(same));
    next.Areas.insert(next.Areas.end(), areas.after.begin(), areas.after.end());
    next.NumOfAreas = std::to_string(next.Areas.size());
    if (next.Areas.empty()) {
        next.NumOfAreas = "0";
    } else {
        (void)CalAC(trial, 0);
    }
    CulvertRecord inputsAfter = inputsOf(next);

    Splice<std::string> rowSplice;
    rowSplice.first = row;
    if (shown)
        rowSplice.before = {m_subAreas->rows()[std::size_t(row)]};
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
    Splice<std::string> rows{0, shown ? m_subAreas->rows() : std::vector<std::string>{}, {}};
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
    Splice<std::string> rows{0, shown ? m_subAreas->rows() : std::vector<std::string>{}, shown ? update.Rows : std::vector<std::string>{}};
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

void ProjectSession::replaceDocument(Document document, std::string filePath)
{
    m_clearing = true;
    m_undoStack->clear();
    m_undoStack->setClean();
    m_clearing = false;
    m_subAreas->clear();
    m_culverts->replaceAll([&] { m_document = std::move(document); });
    m_curCulvert = kNoCulvert;
    setFilePath(std::move(filePath));
    emit documentReplaced();
}

void ProjectSession::clearHistory()
{
    m_clearing = true;
    m_undoStack->clear();
    m_undoStack->setClean();
    m_clearing = false;
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
