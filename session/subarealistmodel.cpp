#include "session/subarealistmodel.h"

#include "engine/subarealine.h"

namespace sw {

SubAreaListModel::SubAreaListModel(QObject* parent) : QAbstractListModel(parent) {}

int SubAreaListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SubAreaListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(m_rows[std::size_t(index.row())]);
}

void SubAreaListModel::showCulvert(int culvert, const CulvertRecord& record)
{
    beginResetModel();
    m_culvert = culvert;
    m_rows.clear();
    const std::size_t count = validAreaCount(record);
    m_rows.reserve(count);
    for (std::size_t j = 0; j < count; ++j)
        m_rows.push_back(subAreaLine(record.Areas[j]));
    endResetModel();
}

void SubAreaListModel::clear()
{
    beginResetModel();
    m_culvert = -1;
    m_rows.clear();
    endResetModel();
}

void SubAreaListModel::splice(int first, int removed, const std::vector<std::string>& inserted)
{
    first = std::clamp(first, 0, int(m_rows.size()));
    removed = std::clamp(removed, 0, int(m_rows.size()) - first);
    if (removed > 0) {
        beginRemoveRows({}, first, first + removed - 1);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + first + removed);
        endRemoveRows();
    }
    if (!inserted.empty()) {
        beginInsertRows({}, first, first + int(inserted.size()) - 1);
        m_rows.insert(m_rows.begin() + first, inserted.begin(), inserted.end());
        endInsertRows();
    }
}

}  // namespace sw
