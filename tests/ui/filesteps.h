#pragma once
// What the tests of the File commands share: project files as bytes, the main window that is
// current after New, and readable pictures of the project and of what the window shows, so that
// "nothing changed" and "read back as typed" are compared field by field and box by box.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "tests/ui/editorsteps.h"

namespace sw::testing {

// The texts the File commands show, as designers know them.
namespace filetext {
inline const std::string kSaveCurrent = "Save current file ?";
inline const std::string kOverwriteNewExit = "File has already exixted, overwrite it?";
inline const std::string kOverwriteSave = "File has already existed, overwrite it?";
inline const std::string kFormatInvalid = "File format is invalid for this version of ZAV !";
inline const std::string kMissingInputs = "Please provide inputs for\"intensity info\" page\rThen save the file";
inline const std::string kAccessDenied =
    "Access Denied\rYour file cannot be saved to the Engineering Apps. directory.\rPlease choose a different "
    "directory.";
inline const std::string kStoreInfoEnd = " happened in StoreInfo_Culvert !";
inline const std::string kRuler = "0********1*********2*********3*********4*********5*********6";
}  // namespace filetext

inline std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

inline std::string readBytes(const QString& path)
{
    std::ifstream in(fsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool writeBytes(const QString& path, std::string_view bytes)
{
    std::ofstream out(fsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

inline bool fileExists(const QString& path)
{
    std::error_code ec;
    return std::filesystem::exists(fsPath(path), ec);
}

// Lines of a project file, each ended by CR LF.
inline std::string crlfLines(std::initializer_list<std::string_view> lines)
{
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// A small project in the file format: culvert 7A with intensity inputs and one sub-area, culvert
// 7B with neither (its block ends after "Return Period=").
inline std::string harbourRoadFile(std::string_view designer = "A. Lindqvist")
{
    const std::string designerLine = "Designer=" + std::string(designer);
    return crlfLines({"[CORVENNA- STORMWICK]",
                      "[PROJECT INFO]",
                      "Project Name=Harbour Road",
                      "Project No=HR-7",
                      "Control No=CN-3",
                      "Porject Description=Outfall upgrade",
                      "Date=04/01/2023",
                      "Time=9:05:00 AM",
                      designerLine,
                      "",
                      "[CULVERTS]",
                      filetext::kRuler,
                      "Culvert No=7A",
                      "[RUNOFF AREA INFO]",
                      "Station/Description=Sta 4+20",
                      "Return Period=10",
                      "Asphaltic,2.5 a,0.81,ditch",
                      "[INTENSITY INFO]",
                      "Vellmora rainfall zone=A",
                      "Elevation of most remost point=1010 ft",
                      "Elevation of culvert inlet=1000 ft",
                      "Maxinum lenght of travel=1000 ft",
                      "Time of concentration correction factor= 1 ",
                      "Source of correction factor=Design Manual",
                      filetext::kRuler,
                      "Culvert No=7B",
                      "[RUNOFF AREA INFO]",
                      "Station/Description=Sta 9",
                      "Return Period=10"});
}

// Every message box shown, with its buttons, in order: "OK: ...", "Yes/No: ...".
inline QStringList boxesShown(const ScriptedMessageBoxes& messages)
{
    QStringList out;
    for (const AskedMessage& m : messages.asked()) {
        const char* kind = m.kind == AskedMessage::Kind::Ok ? "OK: " : m.kind == AskedMessage::Kind::YesNo ? "Yes/No: " : "OK/Cancel: ";
        out << QLatin1String(kind) + qs(m.text);
    }
    return out;
}
inline QString okBox(const std::string& text)
{
    return QStringLiteral("OK: ") + qs(text);
}
inline QString yesNoBox(const std::string& text)
{
    return QStringLiteral("Yes/No: ") + qs(text);
}

// The file dialogs shown, in order: "save" or "open".
inline QStringList dialogsShown(const ScriptedFileDialogs& dialogs)
{
    QStringList out;
    for (FileDialogMode mode : dialogs.asked())
        out << (mode == FileDialogMode::Save ? QStringLiteral("save") : QStringLiteral("open"));
    return out;
}

// The main window loaded now. After New it is another object than the one the test created.
inline FrmMain* currentMainWindow(MainWindowHarness& h)
{
    return qobject_cast<FrmMain*>(h.desktop->windows().find("frmMain"));
}

// Points the harness at the main window loaded now and lets the unloaded one be deleted.
inline FrmMain* followMainWindow(MainWindowHarness& h)
{
    FrmMain* current = currentMainWindow(h);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    h.window = current;
    return current;
}

inline QString describeProject(const ProjectInfo& p)
{
    return QStringLiteral("ProjectName=\"%1\" ProjectNo=\"%2\" ControlNo=\"%3\" ProDescrpt=\"%4\" ProjectDate=\"%5\" "
                          "ProjectTime=\"%6\" Designer=\"%7\"")
        .arg(qs(p.ProjectName), qs(p.ProjectNo), qs(p.ControlNo), qs(p.ProDescrpt), qs(p.ProjectDate),
             qs(p.ProjectTime), qs(p.Designer));
}

inline QString describeComputed(const CulvertRecord& c)
{
    return QStringLiteral("Slope=%1 CorTC=%2 WeightedC=%3 TotalArea=%4 Intensity=%5")
        .arg(num(c.Slope), num(c.CorTC), num(c.WeightedC), num(c.TotalArea), num(c.Intensity));
}

// The whole project in memory, one item per line, for comparisons with a readable difference.
inline QStringList describeState(const AppState& s)
{
    QStringList out;
    out << describeProject(s.ProjectInfo);
    out << QStringLiteral("culverts=%1 CurCulvert=%2").arg(s.CulvertList.size()).arg(s.CurCulvert);
    for (const CulvertRecord& c : s.CulvertList) {
        out << describeInputs(c).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        out << describeComputed(c);
    }
    return out;
}

// What the main window shows: caption, project boxes, culvert boxes and both culvert pages.
inline QStringList describeWindow(FrmMain* w)
{
    QStringList out;
    const auto text = [&out, w](const char* name) {
        QObject* o = w->findChild<QObject*>(QString::fromLatin1(name));
        QString value = QStringLiteral("<missing>");
        if (auto* e = qobject_cast<QLineEdit*>(o))
            value = e->text();
        else if (auto* c = qobject_cast<QComboBox*>(o))
            value = c->currentText();
        else if (auto* l = qobject_cast<QLabel*>(o))
            value = l->text();
        out << QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), value);
    };
    out << QStringLiteral("caption=\"%1\"").arg(w->windowTitle());
    for (const char* name : {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt", "txtDate",
                             "txtDesigner", "lblTime", "cboCulvertNo1", "cboCulvertNo2", "lblCulvertID",
                             "cboretPeriod", "cboRFzone", "txtEleRemote", "cboRemoteUnit", "txtEleCulvert",
                             "cboCulvertUnit", "txtLenTravel", "cboTravelUnit", "lblCorFactor", "txtCorFactor",
                             "txtCulvertDescrpt", "lblLot", "lblTA", "lblWC"})
        text(name);
    for (const char* name : {"cboCulvertNo1", "cboCulvertNo2"})
        out << QStringLiteral("%1 entries: %2")
                   .arg(QLatin1String(name), entriesOf(w->findChild<QComboBox*>(QLatin1String(name))).join(" | "));
    for (const char* name : {"optManual", "optUser"})
        out << QStringLiteral("%1 checked=%2")
                   .arg(QLatin1String(name))
                   .arg(w->findChild<QRadioButton*>(QLatin1String(name))->isChecked());
    for (const char* name : {"lstIntensity", "lstAreaInfo"})
        for (const QString& row : rowsOf(w->findChild<QListWidget*>(QLatin1String(name))))
            out << QStringLiteral("%1 row \"%2\"").arg(QLatin1String(name), row);
    return out;
}

// The project header typed box by box on the "Project Info" page.
struct ProjectTyping {
    QString name;
    QString number;
    QString control;
    QString description;
    QString designer;
};

[[nodiscard]] inline bool typeProject(EditorSteps& s, const ProjectTyping& p)
{
    if (!s.showPage(0))
        return false;
    const std::pair<const char*, QString> boxes[] = {{"txtProjectName", p.name},
                                                     {"txtProjectNo", p.number},
                                                     {"txtControlNo", p.control},
                                                     {"txtProDescrpt", p.description},
                                                     {"txtDesigner", p.designer}};
    for (const auto& [name, text] : boxes)
        if (!text.isEmpty() && !s.replaceText(name, text))
            return false;
    return true;
}

// A culvert with intensity inputs (so that its file passes the format check), entered through the
// window: 10 years, zone A, 1010 ft / 1000 ft / 1000 ft, the first factor of the list.
[[nodiscard]] inline bool enterComputedCulvert(EditorSteps& s, const QString& id)
{
    IntensityInputs in;
    in.remote = QStringLiteral("1010");
    in.inlet = QStringLiteral("1000");
    in.length = QStringLiteral("1000");
    return s.createCulvert(id) && s.enterIntensityInputs(in) && s.pressIntensity();
}

// A File menu command chosen on the main window the harness points at.
[[nodiscard]] inline bool triggerMenu(MainWindowHarness& h, const char* name)
{
    QAction* action = h.find<QAction>(name);
    if (action == nullptr || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

}  // namespace sw::testing
