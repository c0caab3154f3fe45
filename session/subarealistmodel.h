#pragma once
// The rows of the sub-area list (lstAreaInfo) of the culvert the drainage page shows: each row the
// text the list has always shown, the fixed-width row an Add built, or the plain one rebuilt from
// a stored sub-area. The rows are what is parsed into the culvert's sub-areas after every change;
// the session keeps them in step with the document.
//
// A culvert may have thousands of sub-areas, and a list costs what its visible rows cost: a plain
// row is built from its sub-area only when it is asked for, and a row is parsed again only when
// its parse could differ from the sub-area stored at its position.

#include <map>
#include <string>
#include <vector>

#include <QAbstractListModel>

#include "model/document.h"

namespace sw {

class SubAreaListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit SubAreaListModel(const Document& document, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // The culvert whose rows are shown; -1 when none (the list emptied for the view only).
    [[nodiscard]] int culvert() const { return m_culvert; }
    // Every row's text.
    [[nodiscard]] const std::vector<std::string>& rows() const;
    [[nodiscard]] std::string row(int row) const;

    // A row as the model keeps it: its text, or empty while it is the plain row of the sub-area at
    // its position. What a change keeps to put back on undo, and what splice takes.
    [[nodiscard]] const std::vector<std::string>& entries() const { return m_rows; }

    // LoadAreaList: the plain rows of the culvert's valid sub-areas.
    void showCulvert(int culvert, const CulvertRecord& record);
    // The list emptied; no culvert's rows on show.
    void clear();
    // Rows [first, first + removed) replaced by `inserted` (entries).
    void splice(int first, int removed, const std::vector<std::string>& inserted);
    // The sub-areas at [first, first + count) of the culvert shown were replaced: their rows'
    // parse is to be compared again.
    void areasReplaced(int first, int count);
    // A culvert was inserted into the culvert list at `slot`: the culvert shown may have moved.
    void culvertInserted(int slot);

    // StoreAreaList's parse of the rows shown: the rows whose parse differs from the sub-area stored
    // at their position, by position, with that parse. Rows compared before, whose sub-area has not
    // been replaced since, are not parsed again. A plain row that differs keeps its text from now
    // on, as the list shows it, whatever is stored.
    [[nodiscard]] std::map<int, SubArea> rowsParsedOtherwise();

private:
    [[nodiscard]] const SubArea* storedArea(std::size_t row) const;

    const Document& m_document;
    int m_culvert = -1;
    // Empty while plain; built into its text by rows() or when its parse differs.
    mutable std::vector<std::string> m_rows;
    // Whether the row is known to parse as the sub-area stored at its position.
    std::vector<bool> m_parsesAsStored;
};

}  // namespace sw
