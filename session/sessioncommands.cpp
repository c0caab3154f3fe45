#include "session/sessioncommands.h"

#include <utility>

#include "session/culvertlistmodel.h"
#include "session/subarealistmodel.h"

namespace sw {
namespace {

QString fieldName(ProjectField field)
{
    switch (field) {
    case ProjectField::ProjectName: return QStringLiteral("Project Name");
    case ProjectField::ProjectNo: return QStringLiteral("Project No");
    case ProjectField::ControlNo: return QStringLiteral("Control No");
    case ProjectField::ProDescrpt: return QStringLiteral("Description");
    case ProjectField::ProjectDate: return QStringLiteral("Date");
    case ProjectField::ProjectTime: return QStringLiteral("Time");
    case ProjectField::Designer: return QStringLiteral("Designer");
    }
    return {};
}

// Typing on in one box merges; a value picked elsewhere or the Intensity button is its own step.
bool typedKey(CulvertEdit key)
{
    return key != CulvertEdit::Inputs && key != CulvertEdit::ZoneFromMap && key != CulvertEdit::PeriodFromTable;
}

CulvertRecord* slot(ProjectSession& session, int culvert)
{
    return culvertAt(session.editableDocument(), culvert);
}

}  // namespace

CulvertRecord inputsOf(CulvertRecord& culvert)
{
    // Everything but the sub-areas, which may be many: they step aside while the record is copied.
    std::vector<SubArea> areas = std::move(culvert.Areas);
    CulvertRecord inputs = culvert;
    culvert.Areas = std::move(areas);
    return inputs;
}

void restoreInputs(CulvertRecord& culvert, const CulvertRecord& inputs)
{
    std::vector<SubArea> areas = std::move(culvert.Areas);
    culvert = inputs;
    culvert.Areas = std::move(areas);
}

// --- the header -------------------------------------------------------------------------------

ProjectFieldCommand::ProjectFieldCommand(ProjectSession& session, ProjectField field, std::string before,
                                         std::string after, int generation)
    : QUndoCommand(QStringLiteral("Edit %1").arg(fieldName(field))),
      m_session(session),
      m_field(field),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_generation(generation)
{
}

void ProjectFieldCommand::apply(const std::string& text)
{
    m_session.editableDocument().ProjectInfo.*projectInfoMember(m_field) = text;
    m_session.notifyField(-1, FieldKey(m_field));
}

void ProjectFieldCommand::undo()
{
    apply(m_before);
}

void ProjectFieldCommand::redo()
{
    apply(m_after);
}

bool ProjectFieldCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const ProjectFieldCommand*>(other);
    if (next->m_field != m_field || next->m_generation != m_generation)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

// --- a culvert's inputs -----------------------------------------------------------------------

CulvertEditCommand::CulvertEditCommand(ProjectSession& session, int culvert, CulvertEdit key, const QString& text,
                                       CulvertRecord before, CulvertRecord after, int generation)
    : QUndoCommand(text),
      m_session(session),
      m_culvert(culvert),
      m_key(key),
      m_before(std::move(before)),
      m_after(std::move(after)),
      m_generation(generation)
{
}

void CulvertEditCommand::apply(const CulvertRecord& inputs)
{
    if (CulvertRecord* culvert = slot(m_session, m_culvert))
        restoreInputs(*culvert, inputs);
    m_session.notifyField(m_culvert, FieldKey(m_key));
}

void CulvertEditCommand::undo()
{
    apply(m_before);
}

void CulvertEditCommand::redo()
{
    apply(m_after);
}

bool CulvertEditCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const CulvertEditCommand*>(other);
    if (!typedKey(m_key) || next->m_key != m_key || next->m_culvert != m_culvert || next->m_generation != m_generation)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

// --- sub-areas --------------------------------------------------------------------------------

SubAreasCommand::SubAreasCommand(ProjectSession& session, int culvert, const QString& text, CulvertRecord inputsBefore,
                                 CulvertRecord inputsAfter, Splice<SubArea> areas, Splice<std::string> rows,
                                 bool rowsShown)
    : QUndoCommand(text),
      m_session(session),
      m_culvert(culvert),
      m_inputsBefore(std::move(inputsBefore)),
      m_inputsAfter(std::move(inputsAfter)),
      m_areas(std::move(areas)),
      m_rows(std::move(rows)),
      m_rowsShown(rowsShown)
{
}

void SubAreasCommand::apply(const CulvertRecord& inputs, const std::vector<SubArea>& remove,
                            const std::vector<SubArea>& insert, const std::vector<std::string>& removeRows,
                            const std::vector<std::string>& insertRows)
{
    CulvertRecord* culvert = slot(m_session, m_culvert);
    if (culvert == nullptr)
        return;
    restoreInputs(*culvert, inputs);
    std::vector<SubArea>& areas = culvert->Areas;
    const auto first = areas.begin() + std::min<std::ptrdiff_t>(m_areas.first, std::ptrdiff_t(areas.size()));
    const auto last = first + std::min<std::ptrdiff_t>(std::ptrdiff_t(remove.size()), areas.end() - first);
    areas.insert(areas.erase(first, last), insert.begin(), insert.end());
    // The rows follow when the list shows them; otherwise the list is rebuilt when it shows the
    // culvert again.
    SubAreaListModel& rows = m_session.subAreaModel();
    if (m_rowsShown && rows.culvert() == m_culvert)
        rows.splice(m_rows.first, int(removeRows.size()), insertRows);
    if (rows.culvert() == m_culvert)
        rows.areasReplaced(m_areas.first, int(insert.size()));
    m_session.notifyAreas(m_culvert);
}

void SubAreasCommand::undo()
{
    apply(m_inputsBefore, m_areas.after, m_areas.before, m_rows.after, m_rows.before);
}

void SubAreasCommand::redo()
{
    apply(m_inputsAfter, m_areas.before, m_areas.after, m_rows.before, m_rows.after);
}

// --- culverts ---------------------------------------------------------------------------------

CulvertSlotCommand::CulvertSlotCommand(ProjectSession& session, bool adds, int slot, CulvertRecord record,
                                       const QString& text)
    : QUndoCommand(text), m_session(session), m_adds(adds), m_slot(slot), m_record(std::move(record))
{
}

void CulvertSlotCommand::insert()
{
    CulvertList& list = m_session.editableDocument().CulvertList;
    const int at = std::clamp(m_slot, 0, int(list.size()));
    m_session.culvertListModel().insert(at, [&] { list.insert(list.begin() + at, m_record); });
    m_session.subAreaModel().culvertInserted(at);
    m_session.notifyCulverts();
    m_session.notifyCurrent(at);
}

void CulvertSlotCommand::remove()
{
    CulvertList& list = m_session.editableDocument().CulvertList;
    if (m_slot < 0 || m_slot >= int(list.size()))
        return;
    m_session.culvertListModel().remove(m_slot, [&] { list.erase(list.begin() + m_slot); });
    if (m_session.subAreaModel().culvert() >= m_slot)
        m_session.subAreaModel().clear();
    m_session.notifyCulverts();
    m_session.notifyCurrent(kNoCulvert);
}

void CulvertSlotCommand::undo()
{
    m_adds ? remove() : insert();
}

void CulvertSlotCommand::redo()
{
    m_adds ? insert() : remove();
}

RenameCulvertCommand::RenameCulvertCommand(ProjectSession& session, int culvert, std::string before,
                                           std::string after)
    : QUndoCommand(QStringLiteral("Rename Culvert %1 to %2")
                       .arg(QString::fromStdString(before), QString::fromStdString(after))),
      m_session(session),
      m_culvert(culvert),
      m_before(std::move(before)),
      m_after(std::move(after))
{
}

void RenameCulvertCommand::apply(const std::string& id)
{
    if (CulvertRecord* culvert = slot(m_session, m_culvert)) {
        culvert->CulvertNo = id;
        m_session.culvertListModel().renamed(m_culvert);
    }
    m_session.notifyCulverts();
    m_session.notifyCurrent(m_culvert);
}

void RenameCulvertCommand::undo()
{
    apply(m_before);
}

void RenameCulvertCommand::redo()
{
    apply(m_after);
}

}  // namespace sw
