// How long the main window takes for the edits of a culvert with many sub-areas: Add, Remove,
// choosing another culvert, and the results board's ">>" after a run of all culverts. The real
// window is driven offscreen through its controls, on the scripted desktop, over a project of three
// culverts of 500 and then 5,000 sub-areas each (or the counts given as arguments).
//
// Each step is timed from the click or keystroke until the events it posted (layout, painting,
// windows deleted) are done, after the window has settled; of kRuns runs after kWarmUps unrecorded
// ones the median and the longest elapsed time are printed, and the median processor time (the
// steadier figure on a machine shared with other work). Aim: each under 25 ms at 5,000 sub-areas. Build it optimised
// (Release) for the figures users see; a Debug build shows where the time goes.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>

#include "platform/fonts.h"
#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"

namespace {

using namespace sw;
using namespace sw::testing;

constexpr int kWarmUps = 2;
constexpr int kRuns = 11;
constexpr int kCulverts = 3;

// Milliseconds.
struct Timing {
    double Wall = 0;
    double WallMax = 0;
    double Cpu = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// `prepare` (not timed), then `step` and what it leaves to the event loop (timed), kWarmUps +
// kRuns times; false from either makes the figures void.
Timing time(const std::function<bool()>& prepare, const std::function<bool()>& step, bool& ok)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < kWarmUps + kRuns && ok; ++i) {
        ok = prepare();
        settle();
        const std::clock_t cpuStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        ok = ok && step();
        settle();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        if (i >= kWarmUps) {
            wall.push_back(took.count());
            cpu.push_back(1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        }
    }
    return {median(wall), wall.empty() ? 0 : *std::max_element(wall.begin(), wall.end()), median(cpu)};
}

// Three culverts C1..C3 of `areas` sub-areas each, of table surfaces and a few of the designer's
// own, in every area unit, all computable.
std::string projectText(int areas)
{
    const char* const surfaces[] = {"Asphaltic", "Concrete/Roof", "Grass Areas (> 75%)-Flat 0~2%",
                                    "Cultivated Land-Average 2~7%", "Forest/Woodlands-Steep over 7%"};
    const char* const units[] = {"a", "h", "f", "m"};
    std::string text = projectHead("Long ditch", "LD-1", "0001-01", "Many sub-areas", "03/14/2024", "10:42:07 AM",
                                   "J. Smith");
    for (int c = 1; c <= kCulverts; ++c) {
        const std::string id = "C" + std::to_string(c);
        text += culvertLines(id, "STA " + std::to_string(c) + "+00", "10");
        for (int j = 0; j < areas; ++j) {
            const bool own = j % 10 == 9;
            const std::string surface = own ? "Gravel yard " + std::to_string(j) : surfaces[j % 5];
            const std::string c10 = own ? "0.45" : std::array{"0.81", "0.83", "0.25", "0.35", "0.39"}[std::size_t(j % 5)];
            const int tenths = 1 + j * 7919 % 24999;  // areas of 0.1 to 2,500, hardly two alike
            const std::string area = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
            text += crlf({surface + "," + area + " " + units[j % 4] + "," + c10 + ",lot " + std::to_string(j)});
        }
        text += intensityBlock();
    }
    return text;
}

class Bench {
public:
    explicit Bench(int areas) : m_areas(areas), m_steps(m_harness) {}

    bool run()
    {
        m_harness.desktop->setFailOnUnexpected(false);
        m_harness.windowState->SummaryFilePath = m_dir.filePath(QStringLiteral("summary.txt")).toStdString();
        m_harness.create();
        const QString path = m_dir.filePath(QStringLiteral("long.txt"));
        if (!m_dir.isValid() || !writeBytes(path, projectText(m_areas)) || !m_harness.showActive())
            return fail("the project could not be written or the window not shown");
        m_harness.desktop->fileDialogs().queuePath(path.toStdString());
        m_harness.find<QAction>("mnuOpen")->trigger();
        if (m_harness.document().CulvertList.size() != std::size_t(kCulverts) || rows() != m_areas)
            return fail("the project did not open with its sub-areas on show");

        bool ok = true;
        EditorSteps& s = m_steps;
        // Add: a sub-area entered in the boxes, then cmdAdd; Remove: the row in the middle
        // clicked, then cmdRemove. Each prepares the window for itself, so the count stays.
        const SubAreaInput entry{entry::kConcreteRoof, {}, {}, "2.5", entry::kAcres, "added"};
        const auto added = [&] { return rows() == m_areas + 1 || (fillEntry(entry) && s.click("cmdAdd")); };
        const auto removed = [&] {
            return rows() == m_areas || (s.clickRow("lstAreaInfo", m_areas) && s.click("cmdRemove"));
        };
        m_add = time([&] { return removed() && fillEntry(entry); },
                     [&] { return s.click("cmdAdd") && rows() == m_areas + 1; }, ok);
        // The first Add after the culvert was chosen, its rows shown afresh.
        m_addAfterChoosing = time(
            [&] { return removed() && s.typeCulvertId("C2") && s.typeCulvertId("C1") && fillEntry(entry); },
            [&] { return s.click("cmdAdd") && rows() == m_areas + 1; }, ok);
        m_remove = time([&] { return added() && s.clickRow("lstAreaInfo", m_areas / 2); },
                        [&] { return s.click("cmdRemove") && rows() == m_areas; }, ok);
        if (!ok || rows() != m_areas)
            return fail("Add or Remove did not do what it should");
        // Choosing C2, then C1 again, by typing the ID over the culvert box: each a run.
        int turn = 0;
        m_switch = time([] { return true; },
                        [&] { return s.typeCulvertId(++turn % 2 ? "C2" : "C1") && rows() == m_areas; }, ok);
        if (!ok)
            return fail("choosing a culvert did not show its sub-areas");
        // ">>" from the first culvert's board to the second ("<<" back is not timed).
        if (!s.typeCulvertId("C1") || !runAll())
            return fail("the run of all culverts did not show a board");
        m_next = time([&] { return boardOf("C1") || (step("lblPrevious") && boardOf("C1")); },
                      [&] { return step("lblNext") && boardOf("C2"); }, ok);
        if (!ok)
            return fail("'>>' did not show the next culvert");
        if (!m_harness.desktop->unexpected().empty() || !m_harness.desktop->messages().asked().empty())
            return fail("a message box was shown");
        m_harness.destroyWindows();
        return true;
    }

    void print() const
    {
        auto row = [this](const char* what, const Timing& t) {
            std::printf("  %6d  %-22s %9.2f %9.2f %9.2f\n", m_areas, what, t.Wall, t.WallMax, t.Cpu);
        };
        row("Add", m_add);
        row("Add after choosing", m_addAfterChoosing);
        row("Remove", m_remove);
        row("choose a culvert", m_switch);
        row("board '>>'", m_next);
    }

private:
    int rows() const { return m_steps.list("lstAreaInfo")->model()->rowCount(); }

    bool fillEntry(const SubAreaInput& in)
    {
        EditorSteps& s = m_steps;
        return s.showPage(kDrainagePage) && s.pick("cboSurface", in.surface) && s.replaceText("txtArea", in.area) &&
               s.pick("cboAreaUnit", in.unit) && s.replaceText("txtDesCrption", in.description);
    }

    QWidget* window(const char* name) const { return m_harness.desktop->windows().find(name); }

    bool runAll()
    {
        if (!m_steps.click("cmdRunApp") || window("frmCulvertSelector") == nullptr)
            return false;
        QWidget* selector = window("frmCulvertSelector");
        selector->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        selector->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        settle();
        return boardOf("C1");
    }

    bool boardOf(const char* id) const
    {
        QWidget* board = window("frmDisplayBoard");
        auto* label = board ? board->findChild<QLabel*>(QStringLiteral("lblCulvertID")) : nullptr;
        return label != nullptr && label->text().trimmed() == QLatin1String(id);
    }

    bool step(const char* button)
    {
        QWidget* board = window("frmDisplayBoard");
        auto* b = board ? board->findChild<QPushButton*>(QString::fromLatin1(button)) : nullptr;
        if (b == nullptr || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
        return true;
    }

    bool fail(const char* what)
    {
        std::fprintf(stderr, "%d sub-areas: %s (%s)\n", m_areas, what, m_steps.why());
        m_harness.destroyWindows();
        return false;
    }

    int m_areas;
    QTemporaryDir m_dir;
    MainWindowHarness m_harness;
    EditorSteps m_steps;
    Timing m_add, m_addAfterChoosing, m_remove, m_switch, m_next;
};

}  // namespace

int main(int argc, char* argv[])
{
    // The offscreen platform says at every raised window that it cannot raise it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    sw::ensureFontSubstitutions();

    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::max(1, std::atoi(argv[i])));
    if (counts.empty())
        counts = {500, 5000};

    std::printf("%d runs after %d, in ms:\n", kRuns, kWarmUps);
    std::printf("  %6s  %-22s %9s %9s %9s\n", "areas", "step", "elapsed", "longest", "processor");
    int failures = 0;
    for (const int areas : counts) {
        Bench bench(areas);
        if (bench.run())
            bench.print();
        else
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
