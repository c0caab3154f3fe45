#pragma once
// frmSummary: the summary file of a culvert, as written, in a fixed-pitch font, and beside it a
// chart of Q and i against the seven return periods. Closing the window deletes the file.

#include <memory>
#include <string>

#include <QWidget>

#include "engine/summary.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmSummary;
}

namespace sw {

class FrmSummary final : public QWidget {
    Q_OBJECT

public:
    // Shows the whole content of the file at summaryPath, and the rows it was written from with
    // the culvert's design period (its numeric value) marked on the chart.
    FrmSummary(Desktop& desktop, std::string summaryPath, const QString& title, const SummaryRows& rows,
               double designPeriod);
    // The file goes with the window, however it is closed.
    ~FrmSummary() override;

private:
    void plot(const SummaryRows& rows, double designPeriod);

    std::unique_ptr<Ui::FrmSummary> m_ui;
    std::string m_summaryPath;
    WindowRegistration m_registration;
};

}  // namespace sw
