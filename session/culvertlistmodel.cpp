#include "session/culvertlistmodel.h"

namespace sw {

CulvertListModel::CulvertListModel(const Document& document, QObject* parent)
    : QAbstractListModel(parent), m_document(document)
{
}

int CulvertListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.CulvertList.size());
}

QVariant CulvertListModel::data(const QModelIndex& index, int role) const
{
    const CulvertRecord* culvert = culvertAt(m_document, index.row());
    if (!index.isValid() || culvert == nullptr || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(culvert->CulvertNo);
}

void CulvertListModel::renamed(int row)
{
    emit dataChanged(index(row), index(row));
}

}  // namespace sw
