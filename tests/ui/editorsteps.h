#pragma once
// What a person does on the culvert, drainage and intensity pages, as steps for the editor tests:
// changing tabs, putting the focus into a box and typing there, Enter, picking from a drop-down
// list, clicking buttons, option buttons and list rows; whole culverts entered through the window;
// and readable descriptions of stored records for field-by-field comparison.
//
// Every step checks that a person could take it (the control is shown and enabled) and returns
// false with the reason otherwise, so that a test reads QVERIFY2(steps.pick(...), steps.why()).

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "project/records.h"
#include "tests/ui/mainwindowharness.h"

namespace sw::testing {

inline constexpr int kIntensityPage = 1;
inline constexpr int kDrainagePage = 2;

// Positions in the lists the window fills at start-up.
namespace entry {
inline constexpr int k2Years = 0, k5Years = 1, k10Years = 2, k25Years = 3, k50Years = 4, k100Years = 5,
                     k500Years = 6;
inline constexpr int kZoneA = 0, kZoneB = 1, kZoneC = 2;
inline constexpr int kFeet = 0, kMetres = 1;
inline constexpr int kAcres = 0, kHectares = 1, kSquareFeet = 2, kSquareMetres = 3;
inline constexpr int kAsphaltic = 0, kConcreteRoof = 1, kGrassOver75Flat = 8;
inline constexpr int kNaturalBasins = 0, kConcreteOrAsphaltOverland = 4, kCultivatedFarmland = 6;
}  // namespace entry

// The intensity inputs of one culvert as a person enters them.
struct IntensityInputs {
    int period = entry::k10Years;
    int zone = entry::kZoneA;
    QString remote;
    int remoteUnit = entry::kFeet;
    QString inlet;
    int inletUnit = entry::kFeet;
    QString length;
    int lengthUnit = entry::kFeet;
    int factor = entry::kNaturalBasins;  // position in cboTCFactorList; -1: typed ("User Defined")
    QString typedFactor;
};

// One sub-area as a person enters it. surface -1 means a user-defined surface and C.
struct SubAreaInput {
    int surface = entry::kAsphaltic;
    QString userSurface;
    QString userC;
    QString area;
    int unit = entry::kAcres;
    QString description;
};

inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

inline QString num(double value)
{
    return QString::number(value, 'g', 15);
}

// A text left-aligned in a field: blanks on the right, cut when longer.
inline QString padded(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

inline QStringList rowsOf(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

inline QStringList entriesOf(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

inline QString describe(const SubArea& a)
{
    return QStringLiteral("Surface=\"%1\" C=%2 AreaText=\"%3\" AreaAcres=%4 Description=\"%5\"")
        .arg(qs(a.Surface), num(a.C), qs(a.AreaText), num(a.AreaAcres), qs(a.Description));
}

// The fields a culvert carries as inputs (what Delete moves to another slot), one per line.
inline QString describeInputs(const CulvertRecord& c)
{
    QString out;
    const auto text = [&out](const char* name, const std::string& value) {
        out += QStringLiteral("%1=\"%2\"\n").arg(QLatin1String(name), qs(value));
    };
    const auto number = [&out](const char* name, double value) {
        out += QStringLiteral("%1=%2\n").arg(QLatin1String(name), num(value));
    };
    text("CulvertNo", c.CulvertNo);
    text("Description", c.Description);
    text("RetPeriod", c.RetPeriod);
    text("RFZone", c.RFZone);
    number("EleRemote", c.EleRemote);
    text("EleRemoteUnit", c.EleRemoteUnit);
    number("EleRemoteFt", c.EleRemoteFt);
    number("EleCulvert", c.EleCulvert);
    text("EleCulvertUnit", c.EleCulvertUnit);
    number("EleCulvertFt", c.EleCulvertFt);
    number("LenTravel", c.LenTravel);
    text("LenTravelUnit", c.LenTravelUnit);
    number("LenTravelFt", c.LenTravelFt);
    number("CorFactor", c.CorFactor);
    text("CorFactorSource", c.CorFactorSource);
    // The count by its meaning: "" and "0" both say none (a pick turns the one into the other).
    out += QStringLiteral("NumOfAreas=%1\n").arg(declaredAreaCount(c));
    const std::size_t n = validAreaCount(c);
    for (std::size_t j = 0; j < n; ++j)
        out += QStringLiteral("Areas[%1]: %2\n").arg(j).arg(describe(c.Areas[j]));
    return out;
}

// What is wrong with a record that the editors should never have produced; empty when sound.
inline QString unsoundness(const CulvertRecord& c)
{
    QString out;
    const auto finite = [&out](const char* name, double v) {
        if (!std::isfinite(v))
            out += QStringLiteral("%1 is not finite; ").arg(QLatin1String(name));
    };
    finite("EleRemote", c.EleRemote);
    finite("EleRemoteFt", c.EleRemoteFt);
    finite("EleCulvert", c.EleCulvert);
    finite("EleCulvertFt", c.EleCulvertFt);
    finite("LenTravel", c.LenTravel);
    finite("LenTravelFt", c.LenTravelFt);
    finite("CorFactor", c.CorFactor);
    finite("Slope", c.Slope);
    finite("CorTC", c.CorTC);
    finite("WeightedC", c.WeightedC);
    finite("TotalArea", c.TotalArea);
    finite("Intensity", c.Intensity);
    if (c.Intensity < 0)
        out += QStringLiteral("Intensity is negative; ");
    if (static_cast<std::size_t>(declaredAreaCount(c)) != c.Areas.size())
        out += QStringLiteral("NumOfAreas \"%1\" but %2 sub-areas; ").arg(qs(c.NumOfAreas)).arg(c.Areas.size());
    for (const SubArea& a : c.Areas) {
        finite("C", a.C);
        finite("AreaAcres", a.AreaAcres);
        if (a.AreaAcres < 0)
            out += QStringLiteral("negative AreaAcres; ");
        // A comma in a stored field would shift the fields of the row and of the file line.
        if (a.Surface.find(',') != std::string::npos || a.AreaText.find(',') != std::string::npos ||
            a.Description.find(',') != std::string::npos)
            out += QStringLiteral("a comma in %1; ").arg(describe(a));
    }
    return out;
}

// The lines in which two multi-line descriptions differ; empty when they are equal.
inline QString lineDiff(const QString& actual, const QString& expected)
{
    const QStringList a = actual.split(QLatin1Char('\n'));
    const QStringList e = expected.split(QLatin1Char('\n'));
    QString out;
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QString al = i < a.size() ? a[i] : QStringLiteral("<none>");
        const QString el = i < e.size() ? e[i] : QStringLiteral("<none>");
        if (al != el)
            out += QStringLiteral("\n   actual   %1\n   expected %2").arg(al, el);
    }
    return out;
}

// Keys for a text: what QTest::keyClicks does, also for characters beyond ASCII.
inline void typeKeys(QWidget* control, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClicks(control, QString(ch));
        } else {
            const char16_t upper = ch.toUpper().unicode();
            const auto key = upper <= 0xff ? static_cast<Qt::Key>(upper) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, control, key, QString(ch), Qt::NoModifier);
        }
    }
}

class EditorSteps {
public:
    explicit EditorSteps(MainWindowHarness& harness) : h(harness) {}

    template <typename T = QWidget>
    T* w(const char* name) const
    {
        return h.find<T>(name);
    }
    QComboBox* combo(const char* name) const { return w<QComboBox>(name); }
    QLineEdit* edit(const char* name) const { return w<QLineEdit>(name); }
    QLabel* label(const char* name) const { return w<QLabel>(name); }
    QListWidget* list(const char* name) const { return w<QListWidget>(name); }
    QString text(const char* name) const
    {
        QObject* o = h.window->findChild<QObject*>(QString::fromLatin1(name));
        if (auto* e = qobject_cast<QLineEdit*>(o))
            return e->text();
        if (auto* c = qobject_cast<QComboBox*>(o))
            return c->currentText();
        if (auto* l = qobject_cast<QLabel*>(o))
            return l->text();
        return QStringLiteral("<no control %1>").arg(QLatin1String(name));
    }
    QStringList rows(const char* name) const { return rowsOf(list(name)); }

    CulvertRecord& culvert(int index) const { return h.state->CulvertList.at(static_cast<std::size_t>(index)); }

    // Why the last step could not be taken.
    const char* why() const { return m_why.constData(); }

    // Clicks the tab of a page.
    [[nodiscard]] bool showPage(int index)
    {
        auto* tabs = w<QTabWidget>("SSTab1");
        QTabBar* bar = tabs->tabBar();
        if (tabs->currentIndex() != index)
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        return tabs->currentIndex() == index || fail(QStringLiteral("tab %1 did not open").arg(index));
    }

    // Puts the focus into a control as a click would. Some controls hand the focus on when they
    // lose it (the Intensity button to the culvert box, the user surface to the area box); the
    // person then clicks again, so a few tries are allowed.
    [[nodiscard]] bool focusOn(QWidget* control)
    {
        if (!usable(control))
            return false;
        for (int attempt = 0; attempt < 4 && !control->hasFocus(); ++attempt) {
            control->setFocus(Qt::MouseFocusReason);
            QCoreApplication::processEvents();
        }
        if (control->hasFocus())
            return true;
        return fail(QStringLiteral("%1 does not take the focus (it stays with %2)").arg(control->objectName(), focusHolder()));
    }

    // Types at the end of what the box holds.
    [[nodiscard]] bool typeInto(QWidget* control, const QString& keys)
    {
        if (!focusOn(control))
            return false;
        if (QLineEdit* line = lineOf(control))
            line->end(false);
        typeKeys(control, keys);
        return true;
    }
    [[nodiscard]] bool typeInto(const char* name, const QString& keys) { return typeInto(w(name), keys); }

    // Selects what the box holds (as a drag with the mouse would) and types over it; an empty
    // text is a Backspace on the selection.
    [[nodiscard]] bool replaceText(QWidget* control, const QString& keys)
    {
        if (!focusOn(control))
            return false;
        QLineEdit* line = lineOf(control);
        if (line == nullptr)
            return fail(QStringLiteral("%1 is no text box").arg(control->objectName()));
        line->selectAll();
        if (keys.isEmpty()) {
            if (!line->text().isEmpty())
                QTest::keyClick(control, Qt::Key_Backspace);
        } else {
            typeKeys(control, keys);
        }
        return true;
    }
    [[nodiscard]] bool replaceText(const char* name, const QString& keys) { return replaceText(w(name), keys); }

    // Enter in the box that has the focus.
    [[nodiscard]] bool pressEnter(QWidget* control)
    {
        if (!usable(control))
            return false;
        if (!control->hasFocus())
            return fail(QStringLiteral("Enter for %1, which has no focus (%2 has it)")
                            .arg(control->objectName(), focusHolder()));
        QTest::keyClick(control, Qt::Key_Return);
        return true;
    }
    [[nodiscard]] bool pressEnter(const char* name) { return pressEnter(w(name)); }

    // The user chooses an entry: a click into the box (focus), the list drops down, the entry is
    // highlighted and Enter takes it. Qt reports this as QComboBox::activated.
    [[nodiscard]] bool pick(QComboBox* box, int index)
    {
        if (!usable(box) || !focusOn(box))
            return false;
        if (index < 0 || index >= box->count())
            return fail(QStringLiteral("%1 has no entry %2").arg(box->objectName()).arg(index));
        box->showPopup();
        QAbstractItemView* view = box->view();
        if (!view->isVisible())
            return fail(QStringLiteral("the list of %1 did not drop down").arg(box->objectName()));
        view->setCurrentIndex(box->model()->index(index, box->modelColumn(), box->rootModelIndex()));
        QTest::keyClick(view, Qt::Key_Return);
        QCoreApplication::processEvents();
        if (view->isVisible())
            return fail(QStringLiteral("the list of %1 stayed open").arg(box->objectName()));
        // The desktop gives the window back its activation once the list closes; the offscreen
        // platform delivers a late activation of the closed list instead, so the window is
        // activated again.
        QCoreApplication::processEvents();
        QWidget* window = box->window();
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000))
                return fail(QStringLiteral("the window did not become active again after %1").arg(box->objectName()));
        }
        return true;
    }
    [[nodiscard]] bool pick(const char* name, int index) { return pick(combo(name), index); }
    [[nodiscard]] bool pick(const char* name, const QString& entryText)
    {
        QComboBox* box = combo(name);
        const int index = box->findText(entryText, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            return fail(QStringLiteral("%1 has no entry \"%2\"").arg(QLatin1String(name), entryText));
        return pick(box, index);
    }

    // A mouse click on a button, or on the circle and caption of an option button.
    [[nodiscard]] bool click(const char* name)
    {
        auto* button = w<QAbstractButton>(name);
        if (!usable(button))
            return false;
        QPoint at = button->rect().center();
        if (auto* option = qobject_cast<QRadioButton*>(button)) {
            QStyleOptionButton style;
            style.initFrom(option);
            style.text = option->text();
            at = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option).center();
        }
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
        return true;
    }

    [[nodiscard]] bool clickRow(const char* name, int row)
    {
        QListWidget* box = list(name);
        if (!usable(box))
            return false;
        if (row < 0 || row >= box->count())
            return fail(QStringLiteral("%1 has no row %2").arg(QLatin1String(name)).arg(row));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
        return true;
    }

    // A new culvert: its ID typed into cboCulvertNo2 on the intensity page, then Enter.
    [[nodiscard]] bool createCulvert(const QString& id)
    {
        return showPage(kIntensityPage) && replaceText("cboCulvertNo2", id) && pressEnter("cboCulvertNo2");
    }

    // Chooses a culvert by typing its ID over the text of cboCulvertNo2.
    [[nodiscard]] bool typeCulvertId(const QString& id)
    {
        return showPage(kIntensityPage) && replaceText("cboCulvertNo2", id);
    }

    // The intensity inputs of the current culvert, entered on the intensity page (no Intensity).
    [[nodiscard]] bool enterIntensityInputs(const IntensityInputs& in)
    {
        if (!showPage(kIntensityPage) || !pick("cboretPeriod", in.period) || !pick("cboRFzone", in.zone))
            return false;
        if (!replaceText("txtEleRemote", in.remote) || !pick("cboRemoteUnit", in.remoteUnit))
            return false;
        if (!replaceText("txtEleCulvert", in.inlet) || !pick("cboCulvertUnit", in.inletUnit))
            return false;
        if (!replaceText("txtLenTravel", in.length) || !pick("cboTravelUnit", in.lengthUnit))
            return false;
        if (in.factor >= 0) {
            if (!w<QRadioButton>("optManual")->isChecked() && !click("optManual"))
                return false;
            return pick("cboTCFactorList", in.factor);
        }
        return click("optUser") && replaceText("txtCorFactor", in.typedFactor);
    }

    [[nodiscard]] bool pressIntensity() { return showPage(kIntensityPage) && click("cmdIntensity"); }

    // One sub-area added on the drainage page of the current culvert.
    [[nodiscard]] bool addSubArea(const SubAreaInput& in)
    {
        if (!showPage(kDrainagePage))
            return false;
        if (in.surface >= 0) {
            if (!w<QRadioButton>("optManualC")->isChecked() && !click("optManualC"))
                return false;
            if (!pick("cboSurface", in.surface))
                return false;
        } else {
            if (!click("optUserC") || !replaceText("txtUserC", in.userC) || !pressEnter("txtUserC") ||
                !replaceText("txtUserSurface", in.userSurface) || !pressEnter("txtUserSurface"))
                return false;
        }
        return replaceText("txtArea", in.area) && pick("cboAreaUnit", in.unit) &&
               replaceText("txtDesCrption", in.description) && click("cmdAdd");
    }

    // A culvert created, its intensity computed and its sub-areas added, through the window.
    [[nodiscard]] bool enterCulvert(const QString& id, const IntensityInputs& in, const std::vector<SubAreaInput>& areas,
                                    const QString& station)
    {
        if (!createCulvert(id) || !enterIntensityInputs(in) || !pressIntensity())
            return false;
        if (!showPage(kDrainagePage) || !replaceText("txtCulvertDescrpt", station))
            return false;
        for (const SubAreaInput& area : areas)
            if (!addSubArea(area))
                return false;
        return true;
    }

    MainWindowHarness& h;

    static QString focusHolder()
    {
        QWidget* holder = QApplication::focusWidget();
        return holder ? holder->objectName() : QStringLiteral("nobody");
    }

private:
    static QLineEdit* lineOf(QWidget* control)
    {
        if (auto* line = qobject_cast<QLineEdit*>(control))
            return line;
        if (auto* box = qobject_cast<QComboBox*>(control))
            return box->lineEdit();
        return nullptr;
    }

    bool usable(QWidget* control)
    {
        if (control == nullptr)
            return fail(QStringLiteral("no such control"));
        if (!control->isVisible())
            return fail(QStringLiteral("%1 is not shown").arg(control->objectName()));
        if (!control->isEnabled())
            return fail(QStringLiteral("%1 is disabled").arg(control->objectName()));
        return true;
    }

    bool fail(const QString& reason)
    {
        m_why = reason.toLocal8Bit();
        return false;
    }

    QByteArray m_why;
};

}  // namespace sw::testing

// Two multi-line descriptions (describeInputs) compared line by line, the differing lines shown.
#define SW_COMPARE_LINES(actual, expected)                                                   \
    do {                                                                                     \
        const QString swDiff_ = sw::testing::lineDiff((actual), (expected));                 \
        QVERIFY2(swDiff_.isEmpty(), qPrintable(QStringLiteral("differs:") + swDiff_));      \
    } while (false)
