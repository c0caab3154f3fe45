#pragma once
// The commands of the project's history. Each holds what it changes before and after, so that its
// undo restores exactly what was there: the header field, the culvert's inputs, the sub-areas at
// their positions with the rows their list showed, a culvert at its slot.

#include <string>
#include <vector>

#include <QUndoCommand>

#include "model/records.h"
#include "session/projectsession.h"

namespace sw {

// A culvert's record without its sub-areas: what an edit of its inputs changes.
[[nodiscard]] CulvertRecord inputsOf(CulvertRecord& culvert);
// The inputs put back, the sub-areas left as they are.
void restoreInputs(CulvertRecord& culvert, const CulvertRecord& inputs);

class ProjectFieldCommand final : public QUndoCommand {
public:
    ProjectFieldCommand(ProjectSession& session, ProjectField field, std::string before, std::string after,
                        int generation);
    void undo() override;
    void redo() override;
    [[nodiscard]] int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void apply(const std::string& text);

    ProjectSession& m_session;
    ProjectField m_field;
    std::string m_before;
    std::string m_after;
    int m_generation;
};

class CulvertEditCommand final : public QUndoCommand {
public:
    CulvertEditCommand(ProjectSession& session, int culvert, CulvertEdit key, const QString& text,
                       CulvertRecord before, CulvertRecord after, int generation);
    void undo() override;
    void redo() override;
    [[nodiscard]] int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void apply(const CulvertRecord& inputs);

    ProjectSession& m_session;
    int m_culvert;
    CulvertEdit m_key;
    CulvertRecord m_before;  // inputs only
    CulvertRecord m_after;
    int m_generation;
};

// Sub-areas [first, first + before.size()) of a culvert replaced by `after`, and likewise the rows
// of its list when the list shows that culvert.
template <typename T>
struct Splice {
    int first = 0;
    std::vector<T> before;
    std::vector<T> after;
};

class SubAreasCommand final : public QUndoCommand {
public:
    SubAreasCommand(ProjectSession& session, int culvert, const QString& text, CulvertRecord inputsBefore,
                    CulvertRecord inputsAfter, Splice<SubArea> areas, Splice<std::string> rows, bool rowsShown);
    void undo() override;
    void redo() override;

private:
    void apply(const CulvertRecord& inputs, const std::vector<SubArea>& remove, const std::vector<SubArea>& insert,
               const std::vector<std::string>& removeRows, const std::vector<std::string>& insertRows);

    ProjectSession& m_session;
    int m_culvert;
    CulvertRecord m_inputsBefore;
    CulvertRecord m_inputsAfter;
    Splice<SubArea> m_areas;
    Splice<std::string> m_rows;
    bool m_rowsShown;  // the list showed the culvert when the change was made
};

// A culvert added at a slot (`adds`), or deleted from it; its whole record kept.
class CulvertSlotCommand final : public QUndoCommand {
public:
    CulvertSlotCommand(ProjectSession& session, bool adds, int slot, CulvertRecord record, const QString& text);
    void undo() override;
    void redo() override;

private:
    void insert();
    void remove();

    ProjectSession& m_session;
    bool m_adds;
    int m_slot;
    CulvertRecord m_record;
};

class RenameCulvertCommand final : public QUndoCommand {
public:
    RenameCulvertCommand(ProjectSession& session, int culvert, std::string before, std::string after);
    void undo() override;
    void redo() override;

private:
    void apply(const std::string& id);

    ProjectSession& m_session;
    int m_culvert;
    std::string m_before;
    std::string m_after;
};

}  // namespace sw
