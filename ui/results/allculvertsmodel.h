#pragma once
// The table of the All Culverts window: a row per culvert of the run, computed on a copy of the
// run (a run of one culvert computed only that one), its values written as the board writes them,
// and the flags a designer questions before signing. The proxy sorts numbers as numbers and keeps
// the rows a filter asks for.

#include <array>
#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "model/document.h"
#include "report/progress.h"

namespace sw {

struct AllCulvertsRow;

// The table's rows of the run, each culvert computed on a copy (the run stays as it is), `progress`
// told of each; nothing when it said stop.
[[nodiscard]] std::optional<std::vector<AllCulvertsRow>> allCulvertsRows(const Document& run, Progress* progress);

class AllCulvertsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Id,
        Station,
        ReturnPeriod,
        Zone,
        TotalArea,
        WeightedC,
        Tc,
        Intensity,
        QCfs,
        QCms,
        Checks,
        Reason,
        ColumnCount
    };
    // A number for the numeric columns (none for an empty cell), the text for the others.
    static constexpr int SortRole = Qt::UserRole + 1;
    // The culvert's index in the run's list.
    static constexpr int CulvertRole = Qt::UserRole + 2;
    // Whether the culvert can be computed.
    static constexpr int ComputedRole = Qt::UserRole + 3;

    explicit AllCulvertsModel(QObject* parent = nullptr);

    // The rows of allCulvertsRows.
    void setRows(std::vector<AllCulvertsRow> rows);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;

    // "3 culverts, 1 cannot be computed, largest Q 8.6 cfs (C1)"; `shown` is added when the filter
    // keeps fewer rows.
    [[nodiscard]] QString statusText(int shown) const;

private:
    std::vector<AllCulvertsRow> m_rows;
};

struct AllCulvertsRow {
    int Culvert = 0;
    bool Computed = false;
    std::array<QString, AllCulvertsModel::ColumnCount> Texts;
    std::array<std::optional<double>, AllCulvertsModel::ColumnCount> Numbers;
};

class AllCulvertsFilter final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit AllCulvertsFilter(QObject* parent = nullptr);

    // Rows whose ID or station contains the text (any letter case); all when it is empty.
    void setContains(const QString& text);
    void setOnlyNotComputed(bool only);

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    [[nodiscard]] bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_contains;
    bool m_onlyNotComputed = false;
};

}  // namespace sw
