#include "session/subarealistmodel.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "core/numbers.h"
#include "core/text.h"
#include "engine/arearows.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"

namespace sw {
namespace {

// Whether the plain row of a sub-area (subAreaLine) parses as that sub-area again (parseAreaRow),
// found from its fields without building and parsing the row: a text field comes back when it
// holds no separator and no blank at either end, C when its two-decimal text reads back as it,
// the acres when they are those of the area text. The numbers' round trips, which cost the most,
// are remembered by value: a culvert's sub-areas share few C values and many area texts.
class PlainRowCheck {
public:
    bool parsesAsStored(const SubArea& a)
    {
        const auto keeps = [](std::string_view field) {
            return field.find(kSubAreaSeparator) == std::string_view::npos && trimSpaces(field).size() == field.size();
        };
        if (!keeps(a.Surface) || !keeps(a.AreaText) || !keeps(a.Description) || !std::isfinite(a.C))
            return false;
        auto c = m_cComesBack.find(a.C);
        if (c == m_cComesBack.end())
            c = m_cComesBack.emplace(a.C, numericValue(subAreaCText(a.C)) == a.C).first;
        if (!c->second)
            return false;
        auto acres = m_acres.find(a.AreaText);
        if (acres == m_acres.end())
            acres = m_acres.emplace(a.AreaText, CalAcres(a.AreaText)).first;
        return acres->second == a.AreaAcres;
    }

private:
    std::unordered_map<double, bool> m_cComesBack;
    std::unordered_map<std::string, double> m_acres;
};

}  // namespace

SubAreaListModel::SubAreaListModel(const Document& document, QObject* parent)
    : QAbstractListModel(parent), m_document(document)
{
}

int SubAreaListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SubAreaListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(row(index.row()));
}

const SubArea* SubAreaListModel::storedArea(std::size_t row) const
{
    const CulvertRecord* record = culvertAt(m_document, m_culvert);
    return record != nullptr && row < record->Areas.size() ? &record->Areas[row] : nullptr;
}

std::string SubAreaListModel::row(int row) const
{
    const auto at = std::size_t(row);
    if (row < 0 || at >= m_rows.size())
        return {};
    if (!m_rows[at].empty())
        return m_rows[at];
    const SubArea* area = storedArea(at);
    return area != nullptr ? subAreaLine(*area) : std::string();
}

const std::vector<std::string>& SubAreaListModel::rows() const
{
    for (std::size_t j = 0; j < m_rows.size(); ++j)
        if (m_rows[j].empty())
            m_rows[j] = row(int(j));
    return m_rows;
}

void SubAreaListModel::showCulvert(int culvert, const CulvertRecord& record)
{
    beginResetModel();
    m_culvert = culvert;
    const std::size_t count = validAreaCount(record);
    m_rows.assign(count, std::string());
    m_parsesAsStored.assign(count, false);
    endResetModel();
}

void SubAreaListModel::clear()
{
    beginResetModel();
    m_culvert = -1;
    m_rows.clear();
    m_parsesAsStored.clear();
    endResetModel();
}

void SubAreaListModel::splice(int first, int removed, const std::vector<std::string>& inserted)
{
    first = std::clamp(first, 0, int(m_rows.size()));
    removed = std::clamp(removed, 0, int(m_rows.size()) - first);
    if (removed > 0) {
        beginRemoveRows({}, first, first + removed - 1);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + first + removed);
        m_parsesAsStored.erase(m_parsesAsStored.begin() + first, m_parsesAsStored.begin() + first + removed);
        endRemoveRows();
    }
    if (!inserted.empty()) {
        beginInsertRows({}, first, first + int(inserted.size()) - 1);
        m_rows.insert(m_rows.begin() + first, inserted.begin(), inserted.end());
        m_parsesAsStored.insert(m_parsesAsStored.begin() + first, inserted.size(), false);
        endInsertRows();
    }
}

void SubAreaListModel::areasReplaced(int first, int count)
{
    const auto from = std::size_t(std::clamp(first, 0, int(m_parsesAsStored.size())));
    const auto to = std::min(m_parsesAsStored.size(), from + std::size_t(std::max(count, 0)));
    std::fill(m_parsesAsStored.begin() + std::ptrdiff_t(from), m_parsesAsStored.begin() + std::ptrdiff_t(to), false);
}

void SubAreaListModel::culvertInserted(int slot)
{
    if (m_culvert >= slot && m_culvert >= 0)
        ++m_culvert;
}

std::map<int, SubArea> SubAreaListModel::rowsParsedOtherwise()
{
    std::map<int, SubArea> differing;
    PlainRowCheck plain;
    for (std::size_t j = 0; j < m_rows.size(); ++j) {
        if (m_parsesAsStored[j])
            continue;
        const SubArea* stored = storedArea(j);
        if (m_rows[j].empty() && stored != nullptr && plain.parsesAsStored(*stored)) {
            m_parsesAsStored[j] = true;
            continue;
        }
        const std::string text = row(int(j));
        SubArea parsed = parseAreaRow(text);
        if (stored != nullptr && parsed == *stored) {
            m_parsesAsStored[j] = true;
            continue;
        }
        m_rows[j] = text;
        differing.emplace(int(j), std::move(parsed));
    }
    return differing;
}

}  // namespace sw
