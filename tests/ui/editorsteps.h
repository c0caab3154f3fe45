#pragma once
// What a person does on the main window, as steps for the GUI tests, and whole culverts entered
// through it. Every step checks that a person could take it (the control is shown and enabled) and
// returns false otherwise, with the reason in why(): QVERIFY2(s->pick(...), s->why()).

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <QtWidgets>

#include "tests/ui/mainwindowharness.h"
#include "tests/ui/projecttexts.h"

// A step a person takes, in a test of EditorTest: it fails with the reason when it cannot be taken.
#define SW_STEP(step) QVERIFY2(step, s->why())

namespace sw::testing {

inline constexpr int kIntensityPage = 1, kDrainagePage = 2;

// Positions in the lists the window fills at start-up.
namespace entry {
inline constexpr int k10Years = 2, k25Years = 3, k50Years = 4, k100Years = 5;
inline constexpr int kZoneA = 0, kZoneB = 1, kZoneC = 2;
inline constexpr int kFeet = 0, kMetres = 1;
inline constexpr int kAcres = 0, kHectares = 1, kSquareMetres = 3;
inline constexpr int kAsphaltic = 0, kConcreteRoof = 1, kGrassOver75Flat = 8;
inline constexpr int kNaturalBasins = 0, kConcreteOrAsphaltOverland = 4;
}  // namespace entry

// The intensity inputs of one culvert as a person enters them.
struct IntensityInputs {
    int period = entry::k10Years, zone = entry::kZoneA;
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

// What most editor tests start from: culvert inputs giving slope 0.01, Tc 9.38 min and 5.45 in/hr,
// and a sub-area of each mode.
inline const IntensityInputs kPlainInputs{entry::k10Years, entry::kZoneA, "1010", entry::kFeet, "1000",
                                          entry::kFeet,    "1000",        entry::kFeet, entry::kNaturalBasins, {}};
inline const SubAreaInput kDitch{entry::kAsphaltic, {}, {}, "2.5", entry::kAcres, "Ditch A"};
inline const SubAreaInput kLot{-1, "Gravel lot", "0.5", "5", entry::kHectares, "Lot"};
inline QStringList plainLines(const QString& id)
{
    return {"Culvert ID: " + id,    "Ele. of Remote Point (ft):1010", "Ele. of Culvert Inlet (ft): 1000",
            "Len. of Travel (ft): 1000", "Slope (ft/ft): 0.01",       "Corr. Factor: 1 (Design Manual)",
            "Corr. TC (min): 9.38", "Intensity (in/hr): 5.45 (138 mm/hr) "};
}

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// The texts a list shows in its rows, or a drop-down list in its entries.
inline QStringList textsOf(const QAbstractItemModel* model)
{
    QStringList out;
    for (int i = 0; i < model->rowCount(); ++i)
        out << model->index(i, 0).data().toString();
    return out;
}
inline QStringList rowsOf(const QAbstractItemView* list) { return textsOf(list->model()); }
inline QStringList entriesOf(const QComboBox* box) { return textsOf(box->model()); }

// Keys for a text, as QTest::keyClicks sends them, also for characters beyond ASCII.
inline void typeKeys(QWidget* control, const QString& text)
{
    for (const QChar ch : text) {
        const char16_t upper = ch.toUpper().unicode();
        const auto key = upper <= 0xff ? static_cast<Qt::Key>(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, control, key, QString(ch), Qt::NoModifier);
    }
}

// The ways a window that sets a value of the current culvert (the frequency table, the zone map)
// can find no culvert to take it.
enum class NoTaker { UnknownIdTyped, CurrentDeleted, BoxDisabled };

class EditorSteps {
public:
    explicit EditorSteps(MainWindowHarness& harness) : h(harness) {}

    template <typename T = QWidget> T* w(const char* name) const { return h.find<T>(name); }
    QComboBox* combo(const char* name) const { return w<QComboBox>(name); }
    QListView* list(const char* name) const { return w<QListView>(name); }
    QStringList rows(const char* name) const { return rowsOf(list(name)); }
    const CulvertRecord& culvert(int index) const { return h.document().CulvertList.at(static_cast<std::size_t>(index)); }
    QString text(const char* name) const
    {
        const QObject* o = h.window->findChild<QObject*>(QString::fromLatin1(name));
        return o ? o->property(qobject_cast<const QComboBox*>(o) ? "currentText" : "text").toString() : "<none>";
    }

    // The counters of the drainage page: number of sub-areas, total area, weighted C.
    QString areaTotals() const { return text("lblLot") + " " + text("lblTA") + " " + text("lblWC"); }

    const char* why() const { return m_why.constData(); }

    [[nodiscard]] bool showPage(int index)
    {
        auto* tabs = w<QTabWidget>("SSTab1");
        if (tabs->currentIndex() != index)
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
        return tabs->currentIndex() == index || fail("tab did not open", tabs);
    }

    // Puts the focus into a control as a click would. Some controls hand the focus on when they
    // lose it; the person then clicks again, so a few tries are allowed.
    [[nodiscard]] bool focusOn(QWidget* control)
    {
        if (!usable(control))
            return false;
        for (int attempt = 0; attempt < 4 && !control->hasFocus(); ++attempt) {
            control->setFocus(Qt::MouseFocusReason);
            QCoreApplication::processEvents();
        }
        return control->hasFocus() || fail("does not take the focus", control);
    }

    // Types at the end of what the box holds, or over all of it (as after a drag across it); an
    // empty replacement is a Backspace on the selection.
    [[nodiscard]] bool typeInto(const char* name, const QString& keys, bool replace = false)
    {
        QWidget* control = w(name);
        if (!focusOn(control))
            return false;
        auto* box = qobject_cast<QComboBox*>(control);
        QLineEdit* line = box ? box->lineEdit() : qobject_cast<QLineEdit*>(control);
        if (line == nullptr)
            return fail("is no text box", control);
        replace ? line->selectAll() : line->end(false);
        if (replace && keys.isEmpty() && !line->text().isEmpty())
            QTest::keyClick(control, Qt::Key_Backspace);
        typeKeys(control, keys);
        return true;
    }
    [[nodiscard]] bool replaceText(const char* name, const QString& keys) { return typeInto(name, keys, true); }

    // Enter in the box that has the focus.
    [[nodiscard]] bool pressEnter(const char* name)
    {
        QWidget* control = w(name);
        if (!usable(control) || !control->hasFocus())
            return fail("takes no Enter here", control);
        QTest::keyClick(control, Qt::Key_Return);
        return true;
    }

    // The list drops down, the entry is highlighted and Enter takes it (QComboBox::activated).
    [[nodiscard]] bool pick(const char* name, int index)
    {
        QComboBox* box = combo(name);
        if (!focusOn(box))
            return false;
        if (index < 0 || index >= box->count())
            return fail("has no such entry", box);
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->setCurrentIndex(box->model()->index(index, box->modelColumn(), box->rootModelIndex()));
        QTest::keyClick(view, Qt::Key_Return);
        QCoreApplication::processEvents();
        if (view->isVisible())
            return fail("kept its list open", box);
        // The offscreen platform delivers a late activation of the closed list instead of giving
        // the window its activation back, so the window is activated again.
        QCoreApplication::processEvents();
        QWidget* window = box->window();
        if (QApplication::activeWindow() == window)
            return true;
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000) ||
               fail("left its window inactive", box);
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
        QListView* box = list(name);
        if (!usable(box) || row < 0 || row >= box->model()->rowCount())
            return fail("has no such row", box);
        const QModelIndex item = box->model()->index(row, 0);
        box->scrollTo(item);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualRect(item).center());
        return true;
    }

    // The person clicks back into the main window, from one it opened, to type there.
    [[nodiscard]] bool backToMain()
    {
        h.window->activateWindow();
        return QTest::qWaitForWindowActive(h.window.data()) || fail("did not become active", h.window.data());
    }

    // Leaves the value of `box` without a culvert to take it from another window, in the way given.
    [[nodiscard]] bool leaveWithoutTaker(NoTaker way, const char* box)
    {
        switch (way) {
        case NoTaker::UnknownIdTyped:
            return backToMain() && typeCulvertId("Q9");
        case NoTaker::CurrentDeleted:
            h.desktop->messages().queueYesNo(YesNo::Yes);
            return click("cmdDelCulvertNo2");
        case NoTaker::BoxDisabled:
            combo(box)->setEnabled(false);
        }
        return true;
    }

    // A new culvert: its ID typed into cboCulvertNo2 on the intensity page, then Enter.
    [[nodiscard]] bool createCulvert(const QString& id) { return typeCulvertId(id) && pressEnter("cboCulvertNo2"); }

    // Chooses a culvert by typing its ID over the text of cboCulvertNo2.
    [[nodiscard]] bool typeCulvertId(const QString& id)
    {
        return showPage(kIntensityPage) && replaceText("cboCulvertNo2", id);
    }

    // The intensity inputs of the current culvert, entered on the intensity page (no Intensity).
    [[nodiscard]] bool enterIntensityInputs(const IntensityInputs& in)
    {
        if (!showPage(kIntensityPage) || !pick("cboretPeriod", in.period) || !pick("cboRFzone", in.zone) ||
            !replaceText("txtEleRemote", in.remote) || !pick("cboRemoteUnit", in.remoteUnit) ||
            !replaceText("txtEleCulvert", in.inlet) || !pick("cboCulvertUnit", in.inletUnit) ||
            !replaceText("txtLenTravel", in.length) || !pick("cboTravelUnit", in.lengthUnit))
            return false;
        if (in.factor < 0)
            return click("optUser") && replaceText("txtCorFactor", in.typedFactor);
        return (w<QRadioButton>("optManual")->isChecked() || click("optManual")) && pick("cboTCFactorList", in.factor);
    }

    [[nodiscard]] bool pressIntensity() { return showPage(kIntensityPage) && click("cmdIntensity"); }

    // One sub-area added on the drainage page of the current culvert.
    [[nodiscard]] bool addSubArea(const SubAreaInput& in)
    {
        if (!showPage(kDrainagePage))
            return false;
        const bool surfaceGiven =
            in.surface >= 0 ? (w<QRadioButton>("optManualC")->isChecked() || click("optManualC")) &&
                                  pick("cboSurface", in.surface)
                            : click("optUserC") && replaceText("txtUserC", in.userC) && pressEnter("txtUserC") &&
                                  replaceText("txtUserSurface", in.userSurface) && pressEnter("txtUserSurface");
        return surfaceGiven && replaceText("txtArea", in.area) && pick("cboAreaUnit", in.unit) &&
               replaceText("txtDesCrption", in.description) && click("cmdAdd");
    }

    // A culvert created, its intensity computed and its sub-areas added, through the window.
    [[nodiscard]] bool enterCulvert(const QString& id, const IntensityInputs& in,
                                    const std::vector<SubAreaInput>& areas, const QString& station)
    {
        return createCulvert(id) && enterIntensityInputs(in) && pressIntensity() && showPage(kDrainagePage) &&
               replaceText("txtCulvertDescrpt", station) &&
               std::all_of(areas.begin(), areas.end(), [this](const SubAreaInput& a) { return addSubArea(a); });
    }

    MainWindowHarness& h;

private:
    bool usable(QWidget* control)
    {
        return (control != nullptr || fail("no such control", nullptr)) &&
               (control->isVisible() || fail("is not shown", control)) &&
               (control->isEnabled() || fail("is disabled", control));
    }

    bool fail(const char* reason, const QWidget* control)
    {
        m_why = (control ? control->objectName().toLocal8Bit() + ' ' : QByteArray()) + reason;
        return false;
    }

    QByteArray m_why;
};

// The fixture of the editor tests: a fresh state and temporary folder for each test and, unless the
// test class creates the window itself, a shown and active main window.
class EditorTest : public QObject {
    Q_OBJECT

public:
    explicit EditorTest(bool windowOpened = true) : m_windowOpened(windowOpened) {}

protected:
    void newHarness()
    {
        m_h = std::make_unique<MainWindowHarness>();
        s = std::make_unique<EditorSteps>(*m_h);
    }
    void openWindow()
    {
        newHarness();
        m_h->create();
        QVERIFY(m_h->showActive());
    }
    ProjectSession& session() { return *m_h->session; }
    const Document& doc() { return m_h->session->document(); }
    WindowState& windowState() { return *m_h->windowState; }
    ScriptedMessageBoxes& messages() { return m_h->desktop->messages(); }
    ScriptedFileDialogs& dialogs() { return m_h->desktop->fileDialogs(); }
    QAction* action(const char* name) const { return m_h->find<QAction>(name); }
    QString path(const char* name) const { return m_dir->filePath(QString::fromUtf8(name)); }
    // Points the harness at the main window loaded now: after New, or an Open that asked first, it
    // is another object.
    FrmMain* followMainWindow()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_h->window = qobject_cast<FrmMain*>(m_h->desktop->windows().find("frmMain"));
    }
    // File > Open through the file dialog, after writing the file when bytes are given.
    bool openFile(const QString& file, std::string_view bytes = {})
    {
        dialogs().queuePath(file.toStdString());
        if ((!bytes.empty() && !writeBytes(file, bytes)) || !action("mnuOpen")->isEnabled())
            return false;
        action("mnuOpen")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }

    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_windowOpened ? openWindow() : newHarness();
    }
    void cleanup()
    {
        SW_VERIFY_NO_WINDOW_LEFT(*m_h);
        m_h.reset();
    }

private:
    const bool m_windowOpened;
};

}  // namespace sw::testing
