#pragma once
// The calculation sheet of the culvert on the results board, read-only: every step of its
// computation with the numbers, for a reviewer to check by hand.

#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmCalculation;
}

namespace sw {

class FrmCalculation final : public QWidget {
    Q_OBJECT

public:
    FrmCalculation(Desktop& desktop, const std::vector<std::string>& sheet);
    ~FrmCalculation() override;

private:
    std::unique_ptr<Ui::FrmCalculation> m_ui;
    WindowRegistration m_registration;
};

}  // namespace sw
