#include "ui/results/allculvertsmodel.h"

#include "core/numbers.h"
#include "engine/culvertvalues.h"
#include "engine/designchecks.h"
#include "engine/discharge.h"

namespace sw {
namespace {

const char* const kHeaders[AllCulvertsModel::ColumnCount] = {
    "Culvert ID", "Station/Description", "Return Period", "Zone",    "Total Area (acres)", "Weighted C",
    "Tc (min)",   "i (in/hr)",           "Q (cfs)",       "Q (cms)", "Checks",             "Not Computed Because",
};

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// Texts compared with the digits in them taken as whole numbers, so that "C2" comes before "C10";
// letters in any case.
int naturalCompare(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Leading zeros do not count; then the longer run of digits is the larger number.
            QStringView x = QStringView(a).mid(startA, i - startA);
            QStringView y = QStringView(b).mid(startB, j - startB);
            while (x.size() > 1 && x.front() == QLatin1Char('0'))
                x = x.mid(1);
            while (y.size() > 1 && y.front() == QLatin1Char('0'))
                y = y.mid(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int order = x.compare(y); order != 0)
                return order;
            continue;
        }
        if (const int order = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive); order != 0)
            return order;
        ++i;
        ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

}  // namespace

AllCulvertsModel::AllCulvertsModel(QObject* parent) : QAbstractTableModel(parent) {}

std::optional<std::vector<AllCulvertsRow>> allCulvertsRows(const Document& run, Progress* progress)
{
    using Column = AllCulvertsModel::Column;
    std::vector<AllCulvertsRow> rows;
    // Computed as a run of all culverts computes them, one after the other on the same document.
    Document copy = run;
    const std::size_t count = usedCulvertCount(copy.CulvertList);
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!goOn(progress, i, count, copy.CulvertList[i].CulvertNo))
            return std::nullopt;
        const int culvert = static_cast<int>(i);
        const CulvertRun result = CalCulvert(copy, culvert);
        const CulvertRecord& c = copy.CulvertList[i];
        // The values every output shows, the board's among them.
        const CulvertValues v = culvertValues(c);
        AllCulvertsRow row;
        row.Culvert = culvert;
        row.Computed = result.computed();
        row.Texts[Column::Id] = text(v.CulvertNo);
        row.Texts[Column::Station] = text(v.Description);
        row.Texts[Column::ReturnPeriod] = text(v.RetPeriod);
        row.Numbers[Column::ReturnPeriod] = numericValue(v.RetPeriod);
        row.Texts[Column::Zone] = text(v.RFZone);
        if (row.Computed) {
            const std::pair<Column, const std::string&> values[] = {
                {Column::TotalArea, v.TotalArea}, {Column::WeightedC, v.WeightedC}, {Column::Tc, v.CorTC},
                {Column::Intensity, v.Intensity}, {Column::QCfs, v.QCfs},           {Column::QCms, v.QCms}};
            for (const auto& [column, value] : values) {
                row.Texts[column] = text(value);
                row.Numbers[column] = numericValue(value);  // sorted by what is shown
            }
        } else {
            row.Texts[Column::Reason] = text(result.Reason);
        }
        row.Texts[Column::Checks] = text(designChecksText(designChecks(c, result.Computation)));
        rows.push_back(std::move(row));
    }
    if (!goOn(progress, count, count, {}))
        return std::nullopt;
    return rows;
}

void AllCulvertsModel::setRows(std::vector<AllCulvertsRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int AllCulvertsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int AllCulvertsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AllCulvertsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const AllCulvertsRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return row.Texts[column];
    case Qt::TextAlignmentRole:
        return index.column() >= TotalArea && index.column() <= QCms
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case SortRole:
        if (index.column() == ReturnPeriod || (index.column() >= TotalArea && index.column() <= QCms))
            return row.Numbers[column] ? QVariant(*row.Numbers[column]) : QVariant();
        return row.Texts[column];
    case CulvertRole:
        return row.Culvert;
    case ComputedRole:
        return row.Computed;
    default:
        return {};
    }
}

QVariant AllCulvertsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString AllCulvertsModel::statusText(int shown) const
{
    const int all = rowCount();
    int notComputed = 0;
    const AllCulvertsRow* largest = nullptr;
    for (const AllCulvertsRow& row : m_rows) {
        if (!row.Computed)
            ++notComputed;
        else if (largest == nullptr || *row.Numbers[QCfs] > *largest->Numbers[QCfs])
            largest = &row;
    }
    QString out = all == 1 ? QStringLiteral("1 culvert") : QStringLiteral("%1 culverts").arg(all);
    if (shown < all)
        out += QStringLiteral(" (%1 shown)").arg(shown);
    out += QStringLiteral(", %1 cannot be computed").arg(notComputed);
    out += largest == nullptr ? QStringLiteral(", no Q computed")
                              : QStringLiteral(", largest Q %1 cfs (%2)").arg(largest->Texts[QCfs], largest->Texts[Id]);
    return out;
}

AllCulvertsFilter::AllCulvertsFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(AllCulvertsModel::SortRole);
}

void AllCulvertsFilter::setContains(const QString& text)
{
    m_contains = text;
    invalidateRowsFilter();
}

void AllCulvertsFilter::setOnlyNotComputed(bool only)
{
    m_onlyNotComputed = only;
    invalidateRowsFilter();
}

bool AllCulvertsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QAbstractItemModel* model = sourceModel();
    if (m_onlyNotComputed && model->index(sourceRow, 0, sourceParent).data(AllCulvertsModel::ComputedRole).toBool())
        return false;
    if (m_contains.isEmpty())
        return true;
    for (const int column : {AllCulvertsModel::Id, AllCulvertsModel::Station})
        if (model->index(sourceRow, column, sourceParent).data().toString().contains(m_contains, Qt::CaseInsensitive))
            return true;
    return false;
}

bool AllCulvertsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    // Empty number cells (culverts that cannot be computed) after every number, whichever the order.
    if (!a.isValid() || !b.isValid())
        return a.isValid() != b.isValid() && (sortOrder() == Qt::AscendingOrder) == a.isValid();
    if (a.typeId() == QMetaType::Double)
        return a.toDouble() < b.toDouble();
    return naturalCompare(a.toString(), b.toString()) < 0;
}

}  // namespace sw
