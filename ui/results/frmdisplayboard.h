#pragma once
// frmDisplayBoard: the results of one culvert as the run computed them: the project header, the
// intensity inputs and derived values, the sub-areas and Q = CiA. After a run of all culverts the
// step buttons move through them.

#include <memory>

#include <QMainWindow>

#include "model/document.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmDisplayBoard;
}

class QPushButton;

namespace sw {

class FrmDisplayBoard final : public QMainWindow {
    Q_OBJECT

public:
    FrmDisplayBoard(Desktop& desktop, const ProjectInfo& project, const CulvertRecord& culvert, int areas,
                    const QString& title);
    ~FrmDisplayBoard() override;

    [[nodiscard]] QPushButton* nextButton() const;
    [[nodiscard]] QPushButton* previousButton() const;
    void hideSteps();

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
    WindowRegistration m_registration;
};

}  // namespace sw
