#pragma once
// frmAllCulverts, "All Culverts": every culvert of the run in one table, to find the largest
// discharge or the culverts that cannot be computed without stepping through the board. Sorted by
// any column, filtered by ID or station; a culvert chosen (double-click, Enter) goes to the board.

#include <memory>
#include <vector>

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmAllCulverts;
}

class QTableView;

namespace sw {

class AllCulvertsModel;
class AllCulvertsFilter;
struct AllCulvertsRow;

class FrmAllCulverts final : public QWidget {
    Q_OBJECT

public:
    // The table of the run's culverts, their rows made by allCulvertsRows.
    FrmAllCulverts(Desktop& desktop, std::vector<AllCulvertsRow> rows);
    ~FrmAllCulverts() override;

    // Another run: its rows replace the table's; the filter and the sort stay.
    void setRows(std::vector<AllCulvertsRow> rows);

    // What Ctrl+C copies: the header and the selected rows in the order shown, tab-separated, a
    // line each.
    [[nodiscard]] QString selectedRowsText() const;

signals:
    // The culvert (its index in the run's list) to show on the board.
    void culvertChosen(int culvert);
    void exportCsvRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStatus();
    void chooseRow(int row);
    void fitToColumns(const ScreenArea& screen);

    std::unique_ptr<Ui::FrmAllCulverts> m_ui;
    AllCulvertsModel* m_model = nullptr;
    AllCulvertsFilter* m_filter = nullptr;
    WindowRegistration m_registration;
};

}  // namespace sw
