#pragma once
// The rows of the sub-area list (lstAreaInfo) of the culvert the drainage page shows: each row the
// text the list has always shown, the fixed-width row an Add built, or the plain one rebuilt from
// a stored sub-area. The rows are what is parsed into the culvert's sub-areas after every change;
// the session keeps them in step with the document.

#include <string>
#include <vector>

#include <QAbstractListModel>

#include "model/records.h"

namespace sw {

class SubAreaListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit SubAreaListModel(QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // The culvert whose rows are shown; -1 when none (the list emptied for the view only).
    [[nodiscard]] int culvert() const { return m_culvert; }
    [[nodiscard]] const std::vector<std::string>& rows() const { return m_rows; }

    // LoadAreaList: the plain rows of the culvert's valid sub-areas.
    void showCulvert(int culvert, const CulvertRecord& record);
    // The list emptied; no culvert's rows on show.
    void clear();
    // Rows [first, first + removed) replaced by `inserted`.
    void splice(int first, int removed, const std::vector<std::string>& inserted);

private:
    int m_culvert = -1;
    std::vector<std::string> m_rows;
};

}  // namespace sw
