#pragma once
// The culvert IDs in slot order, as both culvert boxes of the main window list them. The session
// tells the model of each change around the change itself, so the boxes follow the document.

#include <QAbstractListModel>

#include "model/document.h"

namespace sw {

class CulvertListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CulvertListModel(const Document& document, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Around a change of the document's culvert list.
    template <typename Change>
    void insert(int row, Change change)
    {
        beginInsertRows({}, row, row);
        change();
        endInsertRows();
    }
    template <typename Change>
    void remove(int row, Change change)
    {
        beginRemoveRows({}, row, row);
        change();
        endRemoveRows();
    }
    template <typename Change>
    void replaceAll(Change change)
    {
        beginResetModel();
        change();
        endResetModel();
    }
    void renamed(int row);

private:
    const Document& m_document;
};

}  // namespace sw
