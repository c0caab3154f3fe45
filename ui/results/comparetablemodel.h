#pragma once
// The rows of a comparison of two projects as a read-only table: a row per culvert, the columns of
// the comparison's CSV file with the same texts, but the changed inputs and the notes an item a
// line. Sorting by a column compares numbers as numbers;
// empty cells go last in either order.

#include <vector>

#include <QAbstractTableModel>

#include "engine/compare.h"
#include "report/comparefile.h"

namespace sw {

class CompareTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CompareTableModel(const std::vector<ComparisonRow>& rows, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Row {
        std::vector<ComparisonCell> Cells;
        QString Changes;  // an item a line
        QString Notes;
    };
    std::vector<Row> m_rows;
    QStringList m_titles;
};

}  // namespace sw
