#include "ui/results/comparetablemodel.h"

#include <algorithm>

#include "core/messages.h"

namespace sw {
namespace {

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

QString lines(const std::vector<std::string>& items)
{
    QStringList out;
    for (const std::string& item : items)
        out.push_back(qText(item));
    return out.join(QLatin1Char('\n'));
}

}  // namespace

CompareTableModel::CompareTableModel(const std::vector<ComparisonRow>& rows, QObject* parent)
    : QAbstractTableModel(parent)
{
    for (const std::string& title : comparisonColumnTitles())
        m_titles.push_back(qText(title));
    m_rows.reserve(rows.size());
    for (const ComparisonRow& row : rows)
        m_rows.push_back({comparisonCells(row, msg::kComparePercentNone), lines(row.ChangedInputs), lines(row.Notes)});
}

int CompareTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CompareTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_titles.size());
}

QVariant CompareTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    const ComparisonCell& cell = row.Cells[column];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // The changed inputs and the notes an item a line.
        if (column == comparisonChangesColumn())
            return row.Changes;
        if (column == comparisonNoteColumn())
            return row.Notes;
        return role == Qt::DisplayRole ? QVariant(qText(cell.Text)) : QVariant();
    case Qt::TextAlignmentRole:
        if (column > 0 && column < comparisonChangesColumn())
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < m_titles.size() ? m_titles[section] : QVariant();
}

void CompareTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    const auto c = static_cast<std::size_t>(column);
    // Empty cells last; numbers before texts (the "n/a" of a percentage); then by value.
    const auto rank = [c](const Row& r) { return r.Cells[c].Text.empty() ? 2 : r.Cells[c].Number ? 0 : 1; };
    const auto before = [&](const Row& a, const Row& b) {
        const ComparisonCell& x = a.Cells[c];
        const ComparisonCell& y = b.Cells[c];
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        const bool ascending = order == Qt::AscendingOrder;
        if (x.Number)
            return ascending ? x.Value < y.Value : y.Value < x.Value;
        const int k = QString::localeAwareCompare(qText(x.Text), qText(y.Text));
        return ascending ? k < 0 : k > 0;
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<int> from(m_rows.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        from[i] = static_cast<int>(i);
    std::stable_sort(from.begin(), from.end(), [&](int a, int b) {
        return before(m_rows[static_cast<std::size_t>(a)], m_rows[static_cast<std::size_t>(b)]);
    });
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> to(m_rows.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(from[i])]));
        to[static_cast<std::size_t>(from[i])] = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    QModelIndexList after;
    for (const QModelIndex& index : persistent)
        after.push_back(this->index(to[static_cast<std::size_t>(index.row())], index.column()));
    changePersistentIndexList(persistent, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace sw
