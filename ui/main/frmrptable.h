#pragma once
// frmRPTable: the design table of storm frequencies by kind of road and kind of drainage
// structure, shown without blocking the main window. Clicking a value puts it into the return
// period box of the intensity page and marks it with its highlight shape.

#include <array>
#include <map>
#include <functional>
#include <memory>

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

class QFrame;
class QLabel;

namespace Ui {
class FrmRPTable;
}

namespace sw {

class FrmRPTable final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShapeCount = 24;

    // `take` gives the value picked to the current culvert; false when there is none to take it.
    using Take = std::function<bool(const QString& value)>;

    FrmRPTable(Desktop& desktop, Take take, QWidget* parent = nullptr);
    ~FrmRPTable() override;

    // Shows highlight shape k and hides the others (all of them for a k outside 0 to 23).
    void MarkFrequency(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTable();
    void valueClicked(const QLabel* value, int shape);

    std::unique_ptr<Ui::FrmRPTable> m_ui;
    Take m_take;
    WindowRegistration m_registration;
    std::array<QFrame*, kShapeCount> m_shp{};
    std::map<const QObject*, int> m_shapeOfValue;  // the clickable value labels
};

}  // namespace sw
