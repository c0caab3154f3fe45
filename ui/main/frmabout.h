#pragma once
// frmAbout: the About box, shown without blocking the main window.

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace sw {

class FrmAbout final : public QWidget {
    Q_OBJECT

public:
    FrmAbout(Desktop& desktop, QWidget* parent = nullptr);

    // The line naming the tools the program is built with.
    [[nodiscard]] static QString toolsLine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeOnScreen();

    Desktop& m_desktop;
    WindowRegistration m_registration;
};

}  // namespace sw
