#pragma once
// frmSummary: the summary file of a culvert, as written, in a fixed-pitch font. Closing the window
// deletes the file.

#include <memory>
#include <string>

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmSummary;
}

namespace sw {

class FrmSummary final : public QWidget {
    Q_OBJECT

public:
    // Shows the whole content of the file at summaryPath.
    FrmSummary(Desktop& desktop, std::string summaryPath, const QString& title);
    // The file goes with the window, however it is closed.
    ~FrmSummary() override;

private:
    std::unique_ptr<Ui::FrmSummary> m_ui;
    std::string m_summaryPath;
    WindowRegistration m_registration;
};

}  // namespace sw
