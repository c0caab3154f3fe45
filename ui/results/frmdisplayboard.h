#pragma once
// frmDisplayBoard: the results of one culvert as the run computed them: the project header, the
// intensity inputs and derived values, the sub-areas and Q = CiA. After a run of all culverts the
// step buttons move through them. Each step fills the same window afresh (a new window per step
// would cost more than the culvert's whole board, and would jump back to the screen's centre).

#include <memory>

#include <QMainWindow>

#include "model/document.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmDisplayBoard;
}

class QPushButton;
class QStringListModel;

namespace sw {

class FrmDisplayBoard final : public QMainWindow {
    Q_OBJECT

public:
    FrmDisplayBoard(Desktop& desktop, const ProjectInfo& project, const CulvertRecord& culvert, int areas,
                    const QString& title, bool steps);
    ~FrmDisplayBoard() override;

    // Fills every value and the first `areas` sub-area rows, as a fresh board: both step buttons
    // enabled, the step frame shown when `steps` (a run of all culverts).
    void showCulvert(const ProjectInfo& project, const CulvertRecord& culvert, int areas, const QString& title,
                     bool steps);

    [[nodiscard]] QPushButton* nextButton() const;
    [[nodiscard]] QPushButton* previousButton() const;

signals:
    void nextClicked();
    void previousClicked();
    void summaryRequested();
    void calculationRequested();
    void allCulvertsRequested();
    void exportCsvRequested();
    void printRequested();

private:
    std::unique_ptr<Ui::FrmDisplayBoard> m_ui;
    QStringListModel* m_rows = nullptr;
    WindowRegistration m_registration;
};

}  // namespace sw
