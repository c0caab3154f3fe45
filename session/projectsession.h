#pragma once
// The open project: its document, the file it is in, the culvert being edited, the two flags of
// the editors, and the history of its changes. Every change of the document goes through here as a
// QUndoCommand, so that Undo and Redo can take it back and give it again; the windows show the
// session and ask it for changes.
//
// A window that makes a change already shows it. The signals tell the windows of changes they did
// not make themselves: an undo or redo (fieldChanged, areasChanged, currentCulvertChanged) and a
// document replaced by New or Open (documentReplaced). The list models follow every change.
// documentChanged, documentSaved and closed tell whoever keeps a recovery copy whether the
// document holds changes its file does not.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>
#include <QString>

#include "model/document.h"
#include "model/windowstate.h"

class QUndoStack;

namespace sw {

class CulvertListModel;
class SubAreaListModel;

// The project header's fields, in the order of the file.
enum class ProjectField { ProjectName, ProjectNo, ControlNo, ProDescrpt, ProjectDate, ProjectTime, Designer };

// The field of ProjectInfo that holds it.
[[nodiscard]] std::string ProjectInfo::*projectInfoMember(ProjectField field);

// What an edit of a culvert's inputs changes. Consecutive edits with the same key merge into one
// command while the user types on in one box.
enum class CulvertEdit {
    Description,
    ReturnPeriod,
    Zone,
    Remote,
    Inlet,
    Length,
    Factor,
    Inputs,           // the Intensity button stores every input at once
    ZoneFromMap,      // picked on the map: a command of its own, never merged
    PeriodFromTable,  // clicked in the frequency table
};

// The field an undo or redo changed: a ProjectField for culvert -1, else a CulvertEdit.
using FieldKey = int;

class ProjectSession final : public QObject {
    Q_OBJECT

public:
    explicit ProjectSession(QObject* parent = nullptr);
    ~ProjectSession() override;

    // --- what the windows read ----------------------------------------------------------------
    [[nodiscard]] const Document& document() const { return m_document; }
    [[nodiscard]] const ProjectInfo& projectInfo() const { return m_document.ProjectInfo; }
    [[nodiscard]] const CulvertRecord* culvert(int index) const { return culvertAt(m_document, index); }
    // The entries of the culvert list: one per slot of the culvert list.
    [[nodiscard]] int culvertCount() const { return int(m_document.CulvertList.size()); }
    // FindCulvertIndex: the slot of the first culvert with exactly this ID, kUnknownCulvert when none.
    [[nodiscard]] int findCulvert(std::string_view id) const;
    [[nodiscard]] std::vector<std::string> culvertIds() const;

    // The file the project is in, empty while it is untitled. The main window's caption shows it.
    [[nodiscard]] const std::string& filePath() const { return m_filePath; }
    void setFilePath(std::string path);

    // The culvert being edited; kNoCulvert when none is chosen, kUnknownCulvert while the ID typed
    // into the culvert box is in no entry. Every editor refuses to work while it is negative.
    [[nodiscard]] std::int16_t CurCulvert() const { return m_curCulvert; }
    void setCurCulvert(int culvert);
    [[nodiscard]] const CulvertRecord* currentCulvert() const { return culvert(m_curCulvert); }

    // The editors write back into the record only while true: false while a stored culvert is
    // loaded into them.
    bool EditorsLive = true;
    // True until the project is touched: Open asks to save first only when it is false. An undo
    // does not make a project pristine again.
    bool IsPristine = true;

    // --- changes, each an undoable command ----------------------------------------------------
    // A field of the header; consecutive changes of one field merge while the user types on.
    void setProjectField(ProjectField field, std::string text);
    // A change of a culvert's inputs (never of its sub-areas) made by `change`, named `text` on the
    // Edit menu. Nothing is recorded when it changes nothing.
    void editCulvert(int culvert, CulvertEdit key, const QString& text,
                     const std::function<void(CulvertRecord&)>& change);
    // Sub-area rows appended to a culvert as its list shows them (BuildAreaRow), parsed into its
    // Areas with the rows it had; its count and totals follow (CalAC).
    void addSubAreaRows(int culvert, const std::vector<std::string>& rows, const QString& text);
    void removeSubArea(int culvert, int row);
    void removeAllSubAreas(int culvert);
    // UpdateCValues: the culvert's table surfaces take the C of `years`; the message to show, if
    // any, is returned. Part of the command of the return period's change that calls it.
    std::string updateCValues(int culvert, int areaCount, int years);
    // A culvert with this ID at the end of the list; its slot.
    int addCulvert(const std::string& id);
    void renameCulvert(int culvert, const std::string& id);
    void deleteCulvert(int culvert);

    // Several changes as one command (a value picked in another window and what follows from it).
    void beginCommand(const QString& text);
    void endCommand();
    // The user left the box typed into: the next change is a command of its own.
    void endTyping();

    // What the engine computes into the records (totals, slope, time of concentration, intensity):
    // no change of the project, so no command. Only engine procedures go through here.
    template <typename Procedure>
    decltype(auto) compute(Procedure&& procedure)
    {
        return std::forward<Procedure>(procedure)(m_document);
    }

    // While a window only shows the project (a culvert chosen, a project opened, an undo shown), what
    // its boxes write back as they fill is no change of the user's: it goes into the document
    // without a command. Scopes nest.
    class ShowingScope {
    public:
        explicit ShowingScope(ProjectSession& session) : m_session(session) { ++m_session.m_showing; }
        ~ShowingScope() { --m_session.m_showing; }
        ShowingScope(const ShowingScope&) = delete;
        ShowingScope& operator=(const ShowingScope&) = delete;

    private:
        ProjectSession& m_session;
    };
    [[nodiscard]] bool showingOnly() const { return m_showing > 0; }

    // New and Open: the whole document replaced, the history cleared.
    void replaceDocument(Document document, std::string filePath);
    // The history begins here (a fresh window has stamped its date and time): nothing is unsaved.
    void clearHistory();

    // Whether the document holds changes its file does not (or, untitled, changes at all).
    [[nodiscard]] bool hasUnsavedChanges() const;
    // The document was written to its file.
    void markSaved();
    // The document holds changes no file has, though none was made here: a recovered project.
    void markUnsaved();
    // The program ends with this project (Exit, Close, the close box; the save question answered).
    void close();

    void undo();
    void redo();
    // True while an undo or redo is being applied.
    [[nodiscard]] bool replaying() const { return m_replaying; }

    [[nodiscard]] QUndoStack& undoStack() { return *m_undoStack; }
    // The culvert IDs, for both culvert boxes; the rows of the sub-area list of the culvert the
    // drainage page shows.
    [[nodiscard]] CulvertListModel& culvertListModel() { return *m_culverts; }
    [[nodiscard]] SubAreaListModel& subAreaModel() { return *m_subAreas; }

    // For the commands: the document as they change it, and the notices they give.
    [[nodiscard]] Document& editableDocument() { return m_document; }
    void notifyField(int culvert, FieldKey key);
    void notifyAreas(int culvert);
    void notifyCulverts();
    void notifyCurrent(int culvert);

signals:
    void documentReplaced();
    void fileChanged(const QString& path);
    void currentCulvertChanged(int culvert);
    void culvertsChanged();
    void areasChanged(int culvert);
    void fieldChanged(int culvert, int key);
    // After an undo or redo: the culvert it concerned (-1 for the header), for the windows to show.
    void historyApplied(int culvert);
    // A change not in the file: a command done, undone or redone. What a window writes back while
    // it only shows the project is none.
    void documentChanged();
    // Nothing unsaved any more: saved, undone back to the state saved, or the history begun afresh.
    // (A replaced document tells documentReplaced.)
    void documentSaved();
    void closed();

private:
    void emptyHistory();

    Document m_document;
    std::string m_filePath;
    std::int16_t m_curCulvert = kNoCulvert;
    QUndoStack* m_undoStack;
    CulvertListModel* m_culverts;
    SubAreaListModel* m_subAreas;
    bool m_replaying = false;
    bool m_clearing = false;
    int m_showing = 0;
    int m_appliedCulvert = -1;
    int m_typingGeneration = 0;
};

}  // namespace sw
