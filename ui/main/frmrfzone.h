#pragma once
// frmRFzone: the rainfall zone map, shown without blocking the main window. A press on the map
// classifies the point and gives its zone to the current culvert through the intensity page, as
// if the user had picked it from the zone list; every further press classifies again.

#include <functional>
#include <memory>

#include <QPoint>
#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmRFzone;
}

namespace sw {

class FrmRFzone final : public QWidget {
    Q_OBJECT

public:
    // `take` gives the value picked to the current culvert; false when there is none to take it.
    using Take = std::function<bool(const QString& value)>;

    FrmRFzone(Desktop& desktop, Take take, QWidget* parent = nullptr);
    ~FrmRFzone() override;

    // A press on the image pixel in that column and row.
    void pressAt(QPoint imagePixel);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::FrmRFzone> m_ui;
    Take m_take;
    WindowRegistration m_registration;
};

}  // namespace sw
