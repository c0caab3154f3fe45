#pragma once
// Every text the program shows in a message box or on standard error, in one place. The wording,
// typing errors included, is what designers have long known from this program; do not "correct"
// it. A message of several lines joins them with a carriage return; "{1}", "{2}", ... stand for the
// values fillMessage puts in.

#include <string_view>

namespace sw::msg {

// Runoff coefficients
inline constexpr std::string_view kCUpdate =
    "Changing the return period affects the C values for the drainage areas\r"
    "(see drainage chapter of Design Manual).\r"
    "The C values and Drainage Area information have been updated automatically.";

// Intensity inputs
inline constexpr std::string_view kRemoteZero =
    "Please enter the elevation of remote point in positive number !";
inline constexpr std::string_view kInletZero =
    "Please enter the elevation of culvert inlet in positive number !";
inline constexpr std::string_view kLengthZero = "Please enter length of travel in positive value !";
inline constexpr std::string_view kRemoteBelowInlet =
    "Elevation of Remote point must be greater than elevation of culvert inlet !";
inline constexpr std::string_view kSelectCulvert = "Pelase select a culvert no";

// Inputs the formulas cannot use (our own wording).
inline constexpr std::string_view kLengthNotPositive =
    "The maximum length of travel must be a positive number: the time of concentration cannot "
    "be computed.";
inline constexpr std::string_view kSlopeNotPositive =
    "The slope must be positive (the most remote point must lie above the culvert inlet): the "
    "time of concentration cannot be computed.";
inline constexpr std::string_view kFactorNotPositive =
    "The time of concentration correction factor must be a positive number: the time of "
    "concentration cannot be computed.";
inline constexpr std::string_view kInputsNotFinite =
    "The elevations and the length of travel are too large to compute with.";
inline constexpr std::string_view kUnitUnknown =
    "Please choose the unit of each elevation and of the length of travel from its list (ft or m).";
inline constexpr std::string_view kReturnPeriodTooShort =
    "The return period must be more than 1 year: the rainfall intensity cannot be computed.";
inline constexpr std::string_view kZoneUnknown =
    "The rainfall zone must be A, B or C: the rainfall intensity cannot be computed.";
inline constexpr std::string_view kTcBeyondTable =
    "The corrected time of concentration ({1} min) lies beyond the 1440-minute end of the intensity "
    "table: the rainfall intensity cannot be computed.";
inline constexpr std::string_view kReturnPeriodTooLong =
    "The return period \"{1}\" is longer than 32767 years: the rainfall intensity cannot be computed.";
// Stored inputs of a hand-edited file that the editors would have refused.
inline constexpr std::string_view kSubAreaCNotPositive =
    "Sub-area {1} (\"{2}\"): its runoff coefficient {3} is not a positive number.";
inline constexpr std::string_view kSubAreaAreaUnusable =
    "Sub-area {1} (\"{2}\"): its area \"{3}\" is not a positive number of at most 99999999 followed by "
    "a blank and the unit letter a, h, f or m.";
inline constexpr std::string_view kAreaCountBeyondList =
    "The culvert counts {1} sub-areas but holds only {2}.";
// The first input a culvert lacks, for the calculation sheet.
inline constexpr std::string_view kMissingZone = "The culvert has no intensity inputs (no rainfall zone).";
// The zone map and the frequency table while the "Intensity Info" page takes no zone or return
// period: nothing is put in, and the window says why.
inline constexpr std::string_view kMapNoCulvert =
    "This point is in zone {1}. No culvert is chosen: choose or create a culvert on the \"Intensity Info\" "
    "page first.";
inline constexpr std::string_view kTableNoCulvert =
    "No culvert is chosen: choose or create a culvert on the \"Intensity Info\" page first. The return "
    "period was not changed.";
inline constexpr std::string_view kMissingReturnPeriod = "The culvert has no return period.";
inline constexpr std::string_view kMissingSubAreas = "The culvert has no drainage sub-areas.";
inline constexpr std::string_view kMissingRemote = "The elevation of the most remote point is not given (0).";
inline constexpr std::string_view kMissingInlet = "The elevation of the culvert inlet is not given (0).";
inline constexpr std::string_view kMissingLength = "The maximum length of travel is not given (0).";
inline constexpr std::string_view kMissingFactor =
    "The time of concentration correction factor is not given (0).";
inline constexpr std::string_view kReturnPeriodNotWhole16 =
    "The return period must be a whole number of years from 2 to 32767.";

// Project fields
inline constexpr std::string_view kProjectNameTooLong = "Please limit your input in 60 characters";
inline constexpr std::string_view kProjectNoTooLong = "Please limit your input in 30 characters";
inline constexpr std::string_view kControlNoTooLong = "Please limit your input in 30 characters";
inline constexpr std::string_view kProDescrptTooLong = "Please limit your input in 60 chacaters !";

// Culvert list, drainage area editor and intensity input editor
inline constexpr std::string_view kCulvertIdExists = "This culvert ID has existed, please rename your input";
inline constexpr std::string_view kNothingToDelete = "No infomation found to be deleted!";
inline constexpr std::string_view kDeleteCulvert =
    "All information for this culvert will be deleted, continue anyway ?";
inline constexpr std::string_view kNoCulvertId = "No Culvert ID is Provided !";
// Edit > Rename Culvert (our own wording).
inline constexpr std::string_view kRenameNoCulvert =
    "No culvert is chosen: choose the culvert to rename on the \"Intensity Info\" page first.";
inline constexpr std::string_view kRenameAsk = "New ID for culvert \"{1}\":";
inline constexpr std::string_view kRenameEmpty = "A culvert ID cannot be empty: the culvert keeps its ID.";
inline constexpr std::string_view kSelectSurface = "Please Select Surface Character !";
inline constexpr std::string_view kAreaNotPositive = "Please Provide Area in a Positive Number !";
inline constexpr std::string_view kUserCNotPositive = "Please Provide a Positive User-Defined C Value !";
inline constexpr std::string_view kNoUserSurface = "Please Provide a User-Defined Surface Character !";
inline constexpr std::string_view kSelectRowToRemove = "Please click on the item you want to remove !";
inline constexpr std::string_view kPositiveValue = "Please provide positive value !";
inline constexpr std::string_view kNumberOnly = "Please enter number only !";
inline constexpr std::string_view kNoIntensityInfo = "No intensity info available for this specific culvert";
// Entries that would be stored shifted or cut (our own wording).
inline constexpr std::string_view kCommaInUserSurface =
    "The user-defined surface character must not contain a comma: it would shift the stored "
    "sub-area fields.";
inline constexpr std::string_view kCommaInUserC =
    "The user-defined C value must not contain a comma: please use a point as the decimal mark.";
inline constexpr std::string_view kAreaNotPlainNumber =
    "Please enter the area as a number without blanks or commas.";
inline constexpr std::string_view kAreaTooWide =
    "This area is too large to be listed with its unit: please enter it in a larger unit "
    "(acres or hectares).";
inline constexpr std::string_view kAreaTooLarge =
    "Please enter an area of at most 99999999 in the chosen unit.";
// {1} the smallest area, {2} the unit as the unit list names it: "0.05 acres (a)".
inline constexpr std::string_view kAreaStoredAsZero =
    "This area would be listed as 0.0, and a culvert with a sub-area of 0.0 cannot be computed: "
    "the smallest area a sub-area can hold is {1} {2}.";
inline constexpr std::string_view kCorrTcNotComputed = "not computed";
// A typed or pasted character a project file cannot hold (it is Windows-1252 text, a line a value):
// refused at once rather than saved as "?" later. {1} lists them.
inline constexpr std::string_view kCharactersNotHeld =
    "A project file cannot hold these characters, so they were not entered: {1}. Only Western European "
    "characters (Windows-1252) can be saved.";
// Sub-areas pasted into the drainage-area list (our own wording). A refused row is listed as
// kPasteRefusedRow: its line, the value refused, and Add's message or one of the reasons below.
inline constexpr std::string_view kPasteNoRows =
    "The clipboard holds no sub-area rows: nothing was added.\r"
    "Each row gives the surface, the area, its unit (a, h, f, m, acres, hectares, sq ft or sq m), the C "
    "of a surface that is not in the design table, and a description if any, separated by tabs, "
    "commas or semicolons.";
inline constexpr std::string_view kPasteTooManyRows =
    "The clipboard holds more than {1} rows, more sub-areas than a culvert can hold: nothing was added.";
inline constexpr std::string_view kPasteOverCapacity =
    "The culvert holds {1} sub-areas; the {2} rows pasted would make more than {3}, the most a culvert "
    "can hold: nothing was added.";
inline constexpr std::string_view kPasteSomeRefused = "Sub-areas added: {1}. Rows refused and not added: {2}.";
inline constexpr std::string_view kPasteAllRefused = "No sub-area was added: all {1} rows were refused.";
inline constexpr std::string_view kPasteAdded = "Sub-areas added: {1}.";
inline constexpr std::string_view kPasteRefusedRow = "Row {1}, \"{2}\": {3}";
inline constexpr std::string_view kPasteMoreRefused = "... and {1} more rows refused.";
inline constexpr std::string_view kPasteNotesHead = "Notes:";
inline constexpr std::string_view kPasteNote = "Row {1}: {2}";
inline constexpr std::string_view kPasteMoreNotes = "... and {1} more notes.";
inline constexpr std::string_view kPasteRowTooLong = "the row is longer than {1} characters.";
inline constexpr std::string_view kPasteQuoteNotClosed = "a quote is not closed on its line.";
inline constexpr std::string_view kPasteTextAfterQuote = "text follows a closing quote.";
inline constexpr std::string_view kPasteTooManyValues =
    "more than five values (surface, area, unit, C, description).";
inline constexpr std::string_view kPasteControlCharacter = "holds a control character.";
inline constexpr std::string_view kPasteNotText = "holds bytes that are not text.";
inline constexpr std::string_view kPasteNotWindows1252 =
    "holds the character \"{1}\", which a project file cannot hold.";
inline constexpr std::string_view kPasteUnitUnknown =
    "the unit is none of a, h, f, m, acres, hectares, sq ft, sq m.";
inline constexpr std::string_view kPasteNotNumber = "not a number (digits, with a point as the decimal mark).";
inline constexpr std::string_view kPasteSurfaceCase =
    "not a surface of the design table, and no C is given (the table's surface names are "
    "case-sensitive: \"{1}\").";
inline constexpr std::string_view kPasteNoteHeader = "taken as a header and skipped.";
inline constexpr std::string_view kPasteNoteCNotUsed =
    "the C \"{1}\" is not used: \"{2}\" takes its C from the design table ({3}).";
inline constexpr std::string_view kPasteNoteSurfaceCut = "the surface \"{1}\" is kept as \"{2}\" (35 characters).";
inline constexpr std::string_view kPasteNoteDescriptionCut =
    "the description \"{1}\" is kept as \"{2}\" (10 characters, up to a comma).";

// File commands
inline constexpr std::string_view kUntitled = "Untitled";
inline constexpr std::string_view kSaveCurrentFile = "Save current file ?";
// Both spellings are the program's own: New and Exit ask the first, Save and Save As the second.
inline constexpr std::string_view kOverwriteOnNewOrExit = "File has already exixted, overwrite it?";
inline constexpr std::string_view kOverwriteOnSave = "File has already existed, overwrite it?";
inline constexpr std::string_view kFormatInvalid = "File format is invalid for this version of ZAV !";
inline constexpr std::string_view kNoProjectName = "Project Name is not provided, please check your input !";
inline constexpr std::string_view kNoProjectNo = "Project No is not provided, please check your input !";
inline constexpr std::string_view kNoControlNo = "Control No is not provided, please check your input !";
inline constexpr std::string_view kNoProDescrpt =
    "Project Descripition is not provided, please check your input !";
inline constexpr std::string_view kNoDate = "Date is not provided, please check your input !";
inline constexpr std::string_view kNoDesigner = "Designer is not provided, please check your input !";

// Recovery copies of unsaved changes, offered at the next start (our own wording). {1} is the
// project's path or "Untitled", {2} the time the copy was written; {3} where an unreadable copy
// was kept, {4} why it could not be read.
inline constexpr std::string_view kRecoverOffer =
    "Stormwick was not closed properly. Recover the unsaved changes of {1} from {2}?";
inline constexpr std::string_view kRecoveryUnreadable =
    "The unsaved changes of {1} from {2} could not be recovered: their recovery copy cannot be read. It "
    "was kept as \"{3}\".\r{4}";

// Run, culvert selector and results board
inline constexpr std::string_view kRunIncomplete = "Please enter all information for Culvert ID: \" {1} \"  before running";
inline constexpr std::string_view kRunNoCulvert =
    "There is no culvert to run yet: please add a culvert on the \"Intensity Info\" page first.";
inline constexpr std::string_view kRunNoCulvertChosen = "Please choose a culvert in the list, or choose \"All\".";
inline constexpr std::string_view kBoardAtStart = "You are at the end of culvert list in this project";

// Printer selector. The first two are the program's long-known wording; the rest is ours.
inline constexpr std::string_view kNoPrinterFound = "No printer found on your local machine !";
inline constexpr std::string_view kReportSentTo = "Report will be sent to {1}";
inline constexpr std::string_view kNoPrinterAtAll =
    "There is no printer on this machine: nothing was sent.\r"
    "Please choose \"Save as PDF\" to keep the report in a PDF file.";
inline constexpr std::string_view kPrintNoCulvert =
    "No culvert is selected: nothing was printed or written.\r"
    "Please show a culvert on the results board, or choose \"All\".";
inline constexpr std::string_view kPrintRefused =
    "The printer \"{1}\" did not take the report of Culvert ID \"{2}\": it was not printed whole, nor "
    "any culvert after it.";
inline constexpr std::string_view kPdfNotDrawn =
    "The report of Culvert ID \"{1}\" could not be drawn into the PDF file \"{2}\": nothing was written.";

// Long work culvert by culvert: what the progress dialog and the batch command's --progress lines
// say, and what a Cancel left (our own wording).
inline constexpr std::string_view kProgressComputing = "Computing the culverts";
inline constexpr std::string_view kProgressReportFile = "Writing the report file \"{1}\"";
inline constexpr std::string_view kProgressPdf = "Drawing the PDF file \"{1}\"";
inline constexpr std::string_view kProgressCsv = "Writing the CSV file \"{1}\"";
inline constexpr std::string_view kProgressPrinting = "Printing on \"{1}\"";
inline constexpr std::string_view kProgressAllCulverts = "Computing the All Culverts table";
// Under what the work does: how far it has come and the culvert at hand.
inline constexpr std::string_view kProgressCulverts = "{1} of {2} culverts done\rNow: Culvert ID \"{3}\"";
// A line of the batch command's --progress: what it does, then how far it has come.
inline constexpr std::string_view kBatchProgress = "{1}: {2} of {3} culverts done";
inline constexpr std::string_view kBatchProgressNotHere =
    "--progress goes only with the report of every culvert, --pdf and --csv.";
inline constexpr std::string_view kCancelledNothingWritten =
    "Cancelled: nothing was written to \"{1}\"; a former file of that name is left as it was.";
inline constexpr std::string_view kPrintCancelledNothing =
    "Cancelled before the first culvert: nothing was sent to the printer \"{1}\".";
inline constexpr std::string_view kPrintCancelledOne =
    "Cancelled after 1 of {1} culverts: the report of Culvert ID \"{2}\" went to the printer \"{3}\" "
    "and cannot be taken back; nothing after it was sent.";
inline constexpr std::string_view kPrintCancelled =
    "Cancelled after {1} of {2} culverts: the reports of Culvert ID \"{3}\" to \"{4}\" went to the "
    "printer \"{5}\" and cannot be taken back; nothing after them was sent.";
inline constexpr std::string_view kRunCancelled =
    "Cancelled after {1} of {2} culverts: the run stopped, and no results are shown.";
inline constexpr std::string_view kAllCulvertsCancelled = "Cancelled: the All Culverts table was not opened.";
inline constexpr std::string_view kAllCulvertsCancelledClosed =
    "Cancelled: the All Culverts table was closed, so that it does not show the culverts of an "
    "earlier run.";

// Multiple-return-period summary, report text files and the batch report command
inline constexpr std::string_view kSummaryUserDefinedSurface =
    "Summary is not available for this Culvert due to user-defined surface characters and C values !";
inline constexpr std::string_view kSummaryNotComputed =
    "Summary is not available for this Culvert: its discharge has not been computed. Please "
    "complete its inputs and run it first.";
inline constexpr std::string_view kSummaryNoCulvert = "Summary is not available: no culvert is selected.";
inline constexpr std::string_view kFileNoLocation = "Please give a file location: nothing was written.";
inline constexpr std::string_view kPdfNothingPrinted = "Nothing was printed, so no PDF was written to \"{1}\".";
// A report or summary file that cannot be written: what went wrong (below), then this.
inline constexpr std::string_view kFileNotWritten = "{1}. Nothing was written; a former file of that name is left as it was.";
// Any output the user names (report, PDF, CSV) that would replace the project it is made from.
inline constexpr std::string_view kOutputIsProject =
    "\"{1}\" is the project file itself (under this name or another): the output would replace the "
    "project. Nothing was written; please choose another file.";
inline constexpr std::string_view kReportNoCulvert = "No culvert is selected: the report was not written.";
inline constexpr std::string_view kInsufficientInfo = "Information for Culvert ID: \" {1} \"  is not sufficient";
inline constexpr std::string_view kBatchNotInProject = "Culvert ID \"{1}\" is not in the project.";
// Followed by a line with the engine's reason.
inline constexpr std::string_view kBatchCannotCompute = "Culvert ID \"{1}\" cannot be computed:";
inline constexpr std::string_view kBatchNoMemory =
    "The project is too large for the memory available: nothing was written.";
inline constexpr std::string_view kBatchOutputFailed =
    "The output could not be written to standard output ({1}).";
inline constexpr std::string_view kBatchCulvertsWithoutId =
    "Some culverts of the project file have no culvert ID: no output is built on it.";
inline constexpr std::string_view kBatchNoPdf = "This build of stormwick-report cannot write PDF files.";
inline constexpr std::string_view kBatchPartialLoad =
    "The project file could not be read completely: no output is built on it.";
inline constexpr std::string_view kBatchUnknownOption = "Unknown option: {1}";
inline constexpr std::string_view kBatchCompareRefused =
    "The project file \"{1}\" was refused: nothing was compared.";
inline constexpr std::string_view kBatchWrongArguments = "Wrong number of arguments.";
inline constexpr std::string_view kBatchUsage =
    "Usage: stormwick-report [--progress] PROJECT REPORT\n"
    "       stormwick-report --culvert ID PROJECT REPORT\n"
    "       stormwick-report --summary ID PROJECT\n"
    "       stormwick-report --resave PROJECT OUT\n"
    "       stormwick-report [--progress] --pdf [--culvert ID] PROJECT OUT.pdf\n"
    "       stormwick-report --calc ID PROJECT\n"
    "       stormwick-report [--progress] --csv PROJECT OUT.csv\n"
    "       stormwick-report --compare OLD NEW [OUT.csv]\n"
    "       stormwick-report --help | --version\n"
    "\n"
    "Computes every culvert of the project file PROJECT and writes the report text file of all\n"
    "culverts to REPORT. --culvert computes the culvert ID and writes its report alone.\n"
    "--summary computes the culvert ID and prints its multiple-return-period summary table.\n"
    "--resave reads PROJECT and saves it again as OUT.\n"
    "--pdf draws the printed report of every culvert, or of the culvert ID, into the PDF file\n"
    "OUT.pdf, each culvert's pages as a printer would print them.\n"
    "--calc prints the calculation sheet of the culvert ID: every step with its numbers.\n"
    "--csv writes the results of every culvert to OUT.csv, a row each, for spreadsheets.\n"
    "--compare computes both project files OLD and NEW and prints, culvert by culvert (matched by\n"
    "Culvert ID), the design Q of each and their difference, the Q of the tabulated return periods,\n"
    "the inputs that changed and the culverts only in one or not computable in one; with OUT.csv\n"
    "it writes the same table to that file instead.\n"
    "--progress, before the other arguments, prints a line to standard error for every 100\n"
    "culverts computed, written or drawn, and for the last one.\n"
    "REPORT, OUT.pdf and OUT.csv must not be PROJECT (nor OLD or NEW) itself, by any name or link: they are refused.\n"
    "--version prints the program's name and version.\n"
    "\n"
    "Exit status: 0 done; 1 the project or a culvert was refused (nothing written);\n"
    "2 wrong usage.\n";

// Two projects compared, culvert by culvert (our own wording). {1} and {2} stand for the old and
// the new value of an input; a sub-area is named by its surface, area, C and description.
inline constexpr std::string_view kCompareOnlyInOld = "Only in the old project.";
inline constexpr std::string_view kCompareOnlyInNew = "Only in the new project.";
inline constexpr std::string_view kCompareNotComputableOld = "Cannot be computed in the old project: {1}";
inline constexpr std::string_view kCompareNotComputableNew = "Cannot be computed in the new project: {1}";
inline constexpr std::string_view kCompareNoSummaryOld = "No return-period summary in the old project: {1}";
inline constexpr std::string_view kCompareNoSummaryNew = "No return-period summary in the new project: {1}";
inline constexpr std::string_view kCompareNoSummaryEither = "No return-period summary in either project: {1}";
inline constexpr std::string_view kCompareReturnPeriod = "Return period (years) {1} -> {2}";
inline constexpr std::string_view kCompareZone = "Rainfall zone {1} -> {2}";
inline constexpr std::string_view kCompareRemote = "Elevation of most remote point {1} -> {2}";
inline constexpr std::string_view kCompareInlet = "Elevation of culvert inlet {1} -> {2}";
inline constexpr std::string_view kCompareLength = "Length of travel {1} -> {2}";
inline constexpr std::string_view kCompareFactor = "Correction factor {1} -> {2}";
inline constexpr std::string_view kCompareAreaAdded = "Sub-area added: {1}";
inline constexpr std::string_view kCompareAreaRemoved = "Sub-area removed: {1}";
inline constexpr std::string_view kCompareAreaChanged = "Sub-area changed: {1} -> {2}";
// An input not given in one of the projects.
inline constexpr std::string_view kCompareNotGiven = "(none)";
// The difference in percent where the old Q is 0 and the new one is not.
inline constexpr std::string_view kComparePercentNone = "n/a";
// A file chosen to compare with that is damaged: what was read of it is not compared.
inline constexpr std::string_view kComparePartialLoad =
    "The project file could not be read completely: it was not compared.";

// The desktop application's command line: stormwick [PROJECT].
inline constexpr std::string_view kStartDescription =
    "Peak runoff discharge of highway culverts by the Rational Method.\n"
    "PROJECT, when given, is opened once the main window is up, as File > Open would open it.";
inline constexpr std::string_view kStartProjectArgument = "The project file to open.";
inline constexpr std::string_view kStartTooManyProjects = "Only one project can be opened at a time: {1} were named.";
inline constexpr std::string_view kStartBlankProject = "The project path is blank.";

// Project file writer and reader. The first group is the program's long-known wording; the rest,
// what went wrong with a file, is ours. "{1}" and "{2}" stand for a path, a line number or a text.
inline constexpr std::string_view kSaveMissingInputs = "Please provide inputs for\"intensity info\" page\rThen save the file";
inline constexpr std::string_view kAccessDenied =
    "Access Denied\rYour file cannot be saved to the Engineering Apps. directory.\rPlease choose a different directory.";
// A failure that no check foresaw, in the procedure named.
inline constexpr std::string_view kProgramError = "Program Error : {1} occured in {2}";
inline constexpr std::string_view kStoreInfoFailed = "{1} happened in StoreInfo_Culvert !";
// What went wrong with a file: {1} its path, {2} the system's reason.
inline constexpr std::string_view kPathIsFolder = "The path \"{1}\" is a folder, not a file";
inline constexpr std::string_view kPathNotOrdinaryFile = "The path \"{1}\" is a device or a pipe, not an ordinary file";
inline constexpr std::string_view kReasonUnknown = "no reason given by the system";
inline constexpr std::string_view kPathNoFolder = "The folder of \"{1}\" does not exist";
inline constexpr std::string_view kSaveCannotOpen = "The file \"{1}\" cannot be opened for writing ({2})";
inline constexpr std::string_view kSaveNoTemporary = "No temporary file could be named beside \"{1}\"";
inline constexpr std::string_view kSaveCannotCreate = "No file can be created beside \"{1}\" ({2})";
inline constexpr std::string_view kSaveNotWhole =
    "The file \"{1}\" could not be written whole ({2}); the file on disk was left as it was";
inline constexpr std::string_view kSaveNotReplaced =
    "The file \"{1}\" could not be replaced ({2}); the file on disk was left as it was";
inline constexpr std::string_view kSaveTooLarge =
    "The project is too large to be saved: its file would take {1} MB, and a project file may take "
    "at most {2} MB. Nothing was written; a former file of that name is left as it was.";
inline constexpr std::string_view kSaveLinesTooShort =
    "The project cannot be saved: its file would have {1} lines, too many for its size to be opened "
    "again. Nothing was written; a former file of that name is left as it was.";
inline constexpr std::string_view kSaveNoMemory = "There is not enough memory to save the project";
inline constexpr std::string_view kSaveFailed = "Saving to \"{1}\" failed ({2})";
inline constexpr std::string_view kReadCannotOpen = "The file \"{1}\" cannot be opened ({2})";
inline constexpr std::string_view kReadNotWhole = "The file \"{1}\" could not be read to its end";
inline constexpr std::string_view kReadTooLarge =
    "The file \"{1}\" is larger than {2} MB, far too large for a project file";
inline constexpr std::string_view kReadNoMemory = "There is not enough memory to read the file \"{1}\"";
inline constexpr std::string_view kReadFailed = "Reading the file \"{1}\" failed ({2})";
inline constexpr std::string_view kReadTooManyCulverts =
    "The file holds more than 32767 culverts (ruler lines), more than a project can hold";
inline constexpr std::string_view kReadTooManyLines = "The file has too many lines for a project file";
inline constexpr std::string_view kReadNoProjectInfo =
    "This file has no \"[PROJECT INFO]\" line, so it is not a complete project file. Nothing was read "
    "from it.";
inline constexpr std::string_view kReadNoCulverts =
    "This file has no \"[CULVERTS]\" line, so it is not a complete project file. Nothing was read from "
    "it.";
inline constexpr std::string_view kReadProjectInfoCut =
    "This file ends within the seven project lines after \"[PROJECT INFO]\", so it is not a complete "
    "project file. Nothing was read from it.";
inline constexpr std::string_view kReadNotNumberAndUnit = "Line {1}: \"{2}\" is not a number followed by a blank and a unit";
inline constexpr std::string_view kReadNotNumber = "Line {1}: \"{2}\" is not a number";
inline constexpr std::string_view kReadCNotNumber =
    "Line {1}: the runoff coefficient \"{2}\" of this sub-area line is not a number";
inline constexpr std::string_view kReadBeforeFirstCulvert =
    "Line {1}: \"{2}\" comes before the ruler line of the first culvert";
inline constexpr std::string_view kReadEndAfterRuler =
    "The file ends after the ruler line {1}, before the culvert number";
inline constexpr std::string_view kReadEndInRunoff =
    "The file ends within the \"[RUNOFF AREA INFO]\" block that starts on line {1}";
inline constexpr std::string_view kReadEndInIntensity =
    "The file ends within the \"[INTENSITY INFO]\" block that starts on line {1}";
inline constexpr std::string_view kReadLinesTooShort =
    "This file has {1} lines in {2} bytes: lines far shorter than those of a project file. Reading "
    "them would take more memory than any project needs, so nothing was read from it.";
// The ID a culvert without one is given: "No ID 3" for the third culvert of the file.
inline constexpr std::string_view kReadNoIdName = "No ID {1}";
inline constexpr std::string_view kReadCulvertWithoutId =
    "Culvert {1} of this file has no culvert ID (its \"Culvert No=\" line is empty). It is listed as "
    "{2}, and saving the project keeps it under that ID.";
inline constexpr std::string_view kReadCulvertsWithoutId =
    "Culverts {1} of this file have no culvert ID (their \"Culvert No=\" lines are empty). They are "
    "listed as {2}, and saving the project keeps them under these IDs.";
inline constexpr std::string_view kReadMoreCulverts = "Line {1}: more culverts than the file was found to hold";

}  // namespace sw::msg
