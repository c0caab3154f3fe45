// A project typed into the window, saved, replaced by New and opened again must come back field
// by field and box by box, and saving it again must give the same bytes; a project file written
// by hand in the format (CR LF, Windows-1252) must be shown as it is written.

#include <map>

#include <QFile>
#include <QTemporaryDir>

#include "tests/ui/filesteps.h"

using namespace sw;
using namespace sw::testing;
namespace ft = sw::testing::filetext;

namespace {

struct TypedCulvert {
    QString id;
    IntensityInputs in;
    std::vector<SubAreaInput> areas;
    QString station;
};

IntensityInputs inputs(int period, int zone, const char* remote, const char* inlet, const char* length, int unit,
                       int factor, const char* typedFactor = "")
{
    IntensityInputs in;
    in.period = period;
    in.zone = zone;
    in.remote = QString::fromLatin1(remote);
    in.inlet = QString::fromLatin1(inlet);
    in.length = QString::fromLatin1(length);
    in.remoteUnit = in.inletUnit = in.lengthUnit = unit;
    in.factor = factor;
    in.typedFactor = QString::fromLatin1(typedFactor);
    return in;
}

SubAreaInput tableArea(int surface, const char* area, int unit, const char* description)
{
    return SubAreaInput{surface, {}, {}, QString::fromLatin1(area), unit, QString::fromLatin1(description)};
}

SubAreaInput userArea(const char* surface, const char* c, const char* area, int unit, const char* description)
{
    return SubAreaInput{-1, QString::fromLatin1(surface), QString::fromLatin1(c), QString::fromLatin1(area), unit,
                        QString::fromLatin1(description)};
}

const ProjectTyping kRoute{QStringLiteral("Route 9 Widening"), QStringLiteral("P-2024-17"), QStringLiteral("CN 0042"),
                           QStringLiteral("Culverts from km 3 to km 7"), QStringLiteral("J. Okafor")};

std::vector<TypedCulvert> typedCulverts()
{
    using namespace entry;
    return {
        {QStringLiteral("101"), inputs(k10Years, kZoneA, "1010", "1000", "1000", kFeet, kNaturalBasins),
         {tableArea(kAsphaltic, "2.5", kAcres, "ditch"), userArea("Gravel lot", "0.6", "1.5", kHectares, "yard")},
         QStringLiteral("Sta 10+50")},
        {QStringLiteral("102"), inputs(k25Years, kZoneB, "305", "300", "300", kMetres, -1, "1.2"),
         {tableArea(kConcreteRoof, "10000", kSquareMetres, "roof")},
         QStringLiteral("Sta 12")},
        {QStringLiteral("C-3"), inputs(k100Years, kZoneC, "2000.5", "2000", "3000", kFeet, kConcreteOrAsphaltOverland),
         {tableArea(kGrassOver75Flat, "12.34", kAcres, "Ditch A")},
         QStringLiteral("Sta 15+00")},
    };
}

CulvertRecord record(const char* id, const char* areas, const char* station, const char* period, const char* zone,
                     std::array<double, 3> remote, std::array<double, 3> inlet, std::array<double, 3> length,
                     const char* unit, double factor, const char* source, std::vector<SubArea> subAreas)
{
    CulvertRecord c;
    c.CulvertNo = id;
    c.NumOfAreas = areas;
    c.Description = station;
    c.RetPeriod = period;
    c.RFZone = zone;
    c.EleRemote = remote[0];
    c.EleRemoteFt = remote[1];
    c.EleCulvert = inlet[0];
    c.EleCulvertFt = inlet[1];
    c.LenTravel = length[0];
    c.LenTravelFt = length[1];
    c.EleRemoteUnit = c.EleCulvertUnit = c.LenTravelUnit = unit;
    c.CorFactor = factor;
    c.CorFactorSource = source;
    c.Areas = std::move(subAreas);
    return c;
}

// The records the typing above must give.
std::vector<CulvertRecord> typedRecords()
{
    return {
        record("101", "2", "Sta 10+50", "10", "A", {1010, 1010}, {1000, 1000}, {1000, 1000}, "ft", 1, "Design Manual",
               {{"Asphaltic", 0.81, "2.5 a", 2.5, "ditch"}, {"Gravel lot", 0.6, "1.5 h", 3.7, "yard"}}),
        record("102", "1", "Sta 12", "25", "B", {305, 1000.64}, {300, 984.24}, {300, 984.24}, "m", 1.2,
               "User Defined", {{"Concrete/Roof", 0.88, "10000.0 m", 2.5, "roof"}}),
        record("C-3", "1", "Sta 15+00", "100", "C", {2000.5, 2000.5}, {2000, 2000}, {3000, 3000}, "ft", 0.4,
               "Design Manual", {{"Grass Areas (> 75%)-Flat 0~2%", 0.36, "12.3 a", 12.3, "Ditch A"}}),
    };
}

// The file the typing above must give.
std::string typedProjectFile()
{
    return crlfLines({"[CORVENNA- STORMWICK]",
                      "[PROJECT INFO]",
                      "Project Name=Route 9 Widening",
                      "Project No=P-2024-17",
                      "Control No=CN 0042",
                      "Porject Description=Culverts from km 3 to km 7",
                      "Date=03/09/2024",
                      "Time=10:15:30 AM",
                      "Designer=J. Okafor",
                      "",
                      "[CULVERTS]",
                      ft::kRuler,
                      "Culvert No=101",
                      "[RUNOFF AREA INFO]",
                      "Station/Description=Sta 10+50",
                      "Return Period=10",
                      "Asphaltic,2.5 a,0.81,ditch",
                      "Gravel lot,1.5 h,0.60,yard",
                      "[INTENSITY INFO]",
                      "Vellmora rainfall zone=A",
                      "Elevation of most remost point=1010 ft",
                      "Elevation of culvert inlet=1000 ft",
                      "Maxinum lenght of travel=1000 ft",
                      "Time of concentration correction factor= 1 ",
                      "Source of correction factor=Design Manual",
                      ft::kRuler,
                      "Culvert No=102",
                      "[RUNOFF AREA INFO]",
                      "Station/Description=Sta 12",
                      "Return Period=25",
                      "Concrete/Roof,10000.0 m,0.88,roof",
                      "[INTENSITY INFO]",
                      "Vellmora rainfall zone=B",
                      "Elevation of most remost point=305 m",
                      "Elevation of culvert inlet=300 m",
                      "Maxinum lenght of travel=300 m",
                      "Time of concentration correction factor= 1.2 ",
                      "Source of correction factor=User Defined",
                      ft::kRuler,
                      "Culvert No=C-3",
                      "[RUNOFF AREA INFO]",
                      "Station/Description=Sta 15+00",
                      "Return Period=100",
                      "Grass Areas (> 75%)-Flat 0~2%,12.3 a,0.36,Ditch A",
                      "[INTENSITY INFO]",
                      "Vellmora rainfall zone=C",
                      "Elevation of most remost point=2000.5 ft",
                      "Elevation of culvert inlet=2000 ft",
                      "Maxinum lenght of travel=3000 ft",
                      "Time of concentration correction factor= .4 ",
                      "Source of correction factor=Design Manual"});
}

// What the window shows, without its caption (which names the file only once it is saved).
QStringList pageView(FrmMain* w)
{
    return describeWindow(w).mid(1);
}

QString shown(const char* name, const QString& text)
{
    return QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), text);
}

QString row(const char* list, const QString& text)
{
    return QStringLiteral("%1 row \"%2\"").arg(QLatin1String(list), text);
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

}  // namespace

class TestOpenCycle : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedProjectComesBackAfterSaveNewAndOpen();
    void handWrittenFileIsShownAsWritten();
    void valuesAsReadReachTheBoxes();

private:
    bool chooseByTyping(const QString& id)
    {
        return s->typeCulvertId(id) && m_h->state->CurCulvert >= 0 &&
               qs(m_h->state->CulvertList.at(static_cast<std::size_t>(m_h->state->CurCulvert)).CulvertNo) == id;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestOpenCycle::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestOpenCycle::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
    m_dir.reset();
}

void TestOpenCycle::typedProjectComesBackAfterSaveNewAndOpen()
{
    auto& messages = m_h->desktop->messages();
    auto& dialogs = m_h->desktop->fileDialogs();
    AppState& state = *m_h->state;

    // Typed: the project fields, then three culverts with both kinds of sub-area and of factor.
    QVERIFY2(typeProject(*s, kRoute), s->why());
    const ProjectInfo typedInfo{"Route 9 Widening", "P-2024-17", "CN 0042", "Culverts from km 3 to km 7",
                                "03/09/2024", "10:15:30 AM", "J. Okafor"};
    QCOMPARE(describeProject(state.ProjectInfo), describeProject(typedInfo));
    for (const TypedCulvert& c : typedCulverts())
        QVERIFY2(s->enterCulvert(c.id, c.in, c.areas, c.station), qPrintable(c.id + ": " + s->why()));
    QVERIFY2(messages.asked().empty(), qPrintable(boxesShown(messages).join('\n')));
    const std::vector<CulvertRecord> expected = typedRecords();
    QCOMPARE(state.CulvertList.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(describeInputs(state.CulvertList[i]), describeInputs(expected[i]));

    // Each culvert chosen in turn, as it shows.
    std::map<QString, QStringList> views;
    for (const TypedCulvert& c : typedCulverts()) {
        QVERIFY2(chooseByTyping(c.id), s->why());
        views[c.id] = pageView(m_h->window);
    }
    const QStringList& first = views[QStringLiteral("101")];
    for (const QString& line :
         {shown("cboretPeriod", "10"), shown("cboRFzone", "A"), shown("txtEleRemote", "1010"),
          shown("cboRemoteUnit", "ft"), shown("txtEleCulvert", "1000"), shown("txtLenTravel", "1000"),
          shown("lblCorFactor", "1"), shown("txtCulvertDescrpt", "Sta 10+50"), shown("lblLot", "2"),
          shown("lblTA", "6.2"), shown("lblWC", "0.68"), row("lstAreaInfo", "Asphaltic,2.5 a,0.81,ditch"),
          row("lstAreaInfo", "Gravel lot,1.5 h,0.60,yard"), row("lstIntensity", "Slope (ft/ft): 0.01"),
          row("lstIntensity", "Corr. Factor: 1 (Design Manual)"), row("lstIntensity", "Corr. TC (min): 9.38"),
          QStringLiteral("optManual checked=1")})
        QVERIFY2(first.contains(line), qPrintable(line + "\n in \n" + first.join('\n')));
    const QStringList& second = views[QStringLiteral("102")];
    for (const QString& line : {shown("txtEleRemote", "305"), shown("cboRemoteUnit", "m"), shown("txtCorFactor", "1.2"),
                                QStringLiteral("optUser checked=1"), row("lstAreaInfo", "Concrete/Roof,10000.0 m,0.88,roof")})
        QVERIFY2(second.contains(line), qPrintable(line + "\n in \n" + second.join('\n')));
    QVERIFY(views[QStringLiteral("C-3")].contains(shown("lblCorFactor", "0.4")));
    const QStringList stateBefore = describeState(state);

    // Saved: the file dialog names the file, which then is the caption.
    const QString file = m_dir->filePath(QStringLiteral("route 9.txt"));
    dialogs.queuePath(file.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages.asked().empty());
    QCOMPARE(m_h->window->windowTitle(), file);
    const std::string saved = readBytes(file);
    QCOMPARE(saved, typedProjectFile());

    // New, not saving again, on another day.
    m_h->desktop->clock().setToday({2025, 1, 2});
    m_h->desktop->clock().setTimeOfDay("08:00:01");
    messages.queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));
    QVERIFY(followMainWindow(*m_h) != nullptr);
    QVERIFY(m_h->showActive());
    QVERIFY(state.CulvertList.empty());
    QCOMPARE(s->text("txtDate"), QStringLiteral("01/02/2025"));
    messages.clearRecord();

    // Opened: everything as typed, the date and time of the file included.
    dialogs.queuePath(file.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QVERIFY2(messages.asked().empty(), qPrintable(boxesShown(messages).join('\n')));
    QCOMPARE(dialogsShown(dialogs), (QStringList{"save", "open"}));
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(describeProject(state.ProjectInfo), describeProject(typedInfo));
    QCOMPARE(state.CulvertList.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(describeInputs(state.CulvertList[i]), describeInputs(expected[i]));
    QCOMPARE(state.CurCulvert, std::int16_t(0));
    QCOMPARE(pageView(m_h->window), views[QStringLiteral("101")]);
    for (const char* id : {"102", "C-3"}) {
        QVERIFY2(chooseByTyping(QString::fromLatin1(id)), s->why());
        QCOMPARE(pageView(m_h->window), views[QString::fromLatin1(id)]);
    }
    QCOMPARE(describeState(state), stateBefore);

    // Saved again: no dialog, no question, the same bytes.
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages.asked().empty());
    QCOMPARE(dialogsShown(dialogs), (QStringList{"save", "open"}));
    QCOMPARE(readBytes(file), saved);
}

void TestOpenCycle::handWrittenFileIsShownAsWritten()
{
    auto& messages = m_h->desktop->messages();
    AppState& state = *m_h->state;
    const QString file = m_dir->filePath(QStringLiteral("route9.txt"));
    QVERIFY(QFile::copy(QStringLiteral(SW_UI_TEST_DATA "/route9-handwritten.txt"), file));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    const std::string original = readBytes(file);
    QVERIFY(original.find("Caf\xE9 junction") != std::string::npos);  // the data file kept its bytes

    m_h->desktop->fileDialogs().queuePath(file.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QVERIFY2(messages.asked().empty(), qPrintable(boxesShown(messages).join('\n')));

    // The records, field by field.
    QCOMPARE(describeProject(state.ProjectInfo),
             describeProject(ProjectInfo{"Route 9 Widening", "P-17", "CN 0042", "Caf\xC3\xA9 junction to river",
                                         "05/06/1999", "2:30:00 PM", "Ren\xC3\xA9" "e Ortiz"}));
    const std::vector<CulvertRecord> expected = {
        record("C1", "2", "Sta 10+50", "25", "B", {1010, 1010}, {1000, 1000}, {1000, 1000}, "ft", 1, "Design Manual",
               {{"Asphaltic", 0.86, "2.5 a", 2.5, "ditch"}, {"Own surface \xC3\xA9", 0.5, "1.0 h", 2.5, "field"}}),
        record("C2", "1", "Sta 20", "10", "", {0, 0}, {0, 0}, {0, 0}, "", 0, "",
               {{"Grass Areas (> 75%)-Flat 0~2%", 0.25, "3.0 a", 3.0, "lawn"}}),
        record("C3", "", "Sta 30", "50", "A", {305, 1000.64}, {300, 984.24}, {300, 984.24}, "m", 1.2, "User Defined",
               {}),
        record("C4", "", "Sta 40", "100", "", {0, 0}, {0, 0}, {0, 0}, "", 0, "", {}),
    };
    QCOMPARE(state.CulvertList.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(describeInputs(state.CulvertList[i]), describeInputs(expected[i]));
    // Culvert 0 is selected, and so computed.
    QCOMPARE(state.CurCulvert, std::int16_t(0));
    CulvertRecord computed = expected[0];
    computed.Slope = 0.01;
    computed.CorTC = 9.38;
    computed.WeightedC = 0.68;
    computed.TotalArea = 5.0;
    computed.Intensity = 7.1;
    QCOMPARE(describeComputed(state.CulvertList[0]), describeComputed(computed));
    QVERIFY(!state.IsPristine);

    // The boxes.
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Route 9 Widening"));
    QCOMPARE(s->text("txtProjectNo"), QStringLiteral("P-17"));
    QCOMPARE(s->text("txtControlNo"), QStringLiteral("CN 0042"));
    QCOMPARE(s->text("txtProDescrpt"), utf8("Caf\xC3\xA9 junction to river"));
    QCOMPARE(s->text("txtDate"), QStringLiteral("05/06/1999"));
    QCOMPARE(s->text("txtDesigner"), utf8("Ren\xC3\xA9" "e Ortiz"));
    QCOMPARE(s->text("lblTime"), QStringLiteral("2:30:00 PM"));
    const QStringList ids{"C1", "C2", "C3", "C4"};
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), ids);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), ids);
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("C1"));
    QCOMPARE(s->text("cboCulvertNo2"), QStringLiteral("C1"));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C1"));
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("25"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("B"));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    QCOMPARE(s->text("cboRemoteUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("txtEleCulvert"), QStringLiteral("1000"));
    QCOMPARE(s->text("cboCulvertUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("1000"));
    QCOMPARE(s->text("cboTravelUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("1"));
    QVERIFY(s->w<QRadioButton>("optManual")->isChecked());
    QVERIFY(!s->w<QRadioButton>("optUser")->isChecked());
    QCOMPARE(s->rows("lstIntensity"), (QStringList{"Culvert ID: C1", "Ele. of Remote Point (ft):1010",
                                                   "Ele. of Culvert Inlet (ft): 1000", "Len. of Travel (ft): 1000",
                                                   "Slope (ft/ft): 0.01", "Corr. Factor: 1 (Design Manual)",
                                                   "Corr. TC (min): 9.38", "Intensity (in/hr): 7.05 (179 mm/hr) "}));
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 10+50"));
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.86,ditch", utf8("Own surface \xC3\xA9,1.0 h,0.50,field")}));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("5.0"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.68"));
    for (const char* button : {"cmdAdd", "cmdRemove", "cmdRemoveAll"})
        QVERIFY2(s->w(button)->isEnabled(), button);
    QTRY_VERIFY_WITH_TIMEOUT(m_h->find<QAction>("mnuRun")->isEnabled(), 2000);

    // The other culverts as they are chosen.
    QVERIFY2(chooseByTyping(QStringLiteral("C3")), s->why());
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("305"));
    QCOMPARE(s->text("cboRemoteUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtEleCulvert"), QStringLiteral("300"));
    QCOMPARE(s->text("cboCulvertUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("300"));
    QCOMPARE(s->text("cboTravelUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtCorFactor"), QStringLiteral("1.2"));
    QVERIFY(s->w("txtCorFactor")->isVisible());
    QVERIFY(s->w<QRadioButton>("optUser")->isChecked());
    QCOMPARE(s->rows("lstIntensity").mid(0, 6),
             (QStringList{"Culvert ID: C3", "Ele. of Remote Point (ft):1000.64", "Ele. of Culvert Inlet (ft): 984.24",
                          "Len. of Travel (ft): 984.24", "Slope (ft/ft): 0.01666", "Corr. Factor: 1.2 (User Defined)"}));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{});
    QCOMPARE(s->text("txtCulvertDescrpt"), QString());
    QCOMPARE(qs(state.CulvertList[2].Description), QStringLiteral("Sta 30"));

    QVERIFY2(chooseByTyping(QStringLiteral("C2")), s->why());
    for (const char* box : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCorFactor"})
        QVERIFY2(s->text(box).isEmpty(), box);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,lawn"});
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 20"));
    QCOMPARE(s->text("lblLot"), QStringLiteral("1"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("3.0"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.25"));

    QVERIFY2(chooseByTyping(QStringLiteral("C4")), s->why());
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{});
    QVERIFY2(messages.asked().empty(), qPrintable(boxesShown(messages).join('\n')));

    // Saved back where it came from, without a question, byte for byte as written by hand.
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages.asked().empty());
    QCOMPARE(dialogsShown(m_h->desktop->fileDialogs()), QStringList{"open"});
    QCOMPARE(readBytes(file), original);
}

void TestOpenCycle::valuesAsReadReachTheBoxes()
{
    auto& messages = m_h->desktop->messages();
    AppState& state = *m_h->state;
    const std::string longNumber = "HR-2023-000017/SECTION-B/SHEET-4";  // 32 characters
    QCOMPARE(longNumber.size(), std::size_t(32));
    const std::string projectNoLine = "Project No=" + longNumber;
    // The first line is compared with nothing; the format key may come in any letter case with
    // blanks around it; values lose their trailing blanks but keep their leading ones.
    const std::string text = crlfLines({"[SOME OTHER HEADER]",
                                        "[PROJECT INFO]",
                                        "Project Name= Harbour Road   ",
                                        projectNoLine,
                                        "Control No=CN-3",
                                        "Porject Description=Outfall upgrade",
                                        "Date=04/01/2023",
                                        "Time=9:05:00 AM",
                                        "Designer=A. Lindqvist",
                                        "",
                                        "[CULVERTS]",
                                        ft::kRuler,
                                        "Culvert No=7A",
                                        "[RUNOFF AREA INFO]",
                                        "Station/Description=Sta 4+20",
                                        "Return Period=10",
                                        "[INTENSITY INFO]",
                                        "Vellmora rainfall zone=A",
                                        "Elevation of most remost point=1010 ft",
                                        "Elevation of culvert inlet=1000 ft",
                                        "Maxinum lenght of travel=1000 ft",
                                        "Time of concentration correction factor= .8 ",
                                        "  source OF correction FACTOR =Design Manual",
                                        ft::kRuler,
                                        "Culvert No=7B",
                                        "[RUNOFF AREA INFO]",
                                        "Station/Description=Sta 9",
                                        "Return Period=10"});
    const QString file = m_dir->filePath(QStringLiteral("read.txt"));
    QVERIFY(writeBytes(file, text));
    m_h->desktop->fileDialogs().queuePath(file.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));

    // A value longer than its box accepts brings the box's message; the value read stays.
    QCOMPARE(boxesShown(messages), QStringList{okBox("Please limit your input in 30 characters")});
    QCOMPARE(s->text("txtProjectNo"), qs(longNumber));
    QCOMPARE(state.ProjectInfo.ProjectNo, longNumber);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral(" Harbour Road"));
    QCOMPARE(state.ProjectInfo.ProjectName, std::string(" Harbour Road"));
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(state.CulvertList.size(), std::size_t(2));
    QCOMPARE(state.CulvertList[0].CorFactor, 0.8);
    QCOMPARE(qs(state.CulvertList[0].CorFactorSource), QStringLiteral("Design Manual"));
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("0.8"));
    QCOMPARE(qs(state.CulvertList[1].RetPeriod), QStringLiteral("10"));
    QVERIFY(state.CulvertList[1].RFZone.empty());

    // Written back as held: the long number whole, the leading blank kept.
    messages.clearRecord();
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages.asked().empty());
    const std::string saved = readBytes(file);
    QVERIFY2(saved.find("\r\nProject Name= Harbour Road\r\n" + projectNoLine + "\r\n") != std::string::npos, saved.c_str());
    QVERIFY(saved.find("\r\nTime of concentration correction factor= .8 \r\nSource of correction factor=Design Manual\r\n") !=
            std::string::npos);
}

QTEST_MAIN(TestOpenCycle)
#include "tst_opencycle.moc"
