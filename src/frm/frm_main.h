// SPDX-License-Identifier: MIT
// FrmMain: the main window and the one owner of all state. Its procedures keep the names the
// program has always used and live in the source files of their subsystem (start-up in
// shell/, layout in ui/, ...). They gather values from the controls, call the plain kernels,
// and write the results back.
#pragma once

#include "calc/data_table.h"
#include "entry/display_rule.h"
#include "entry/user_marks.h"
#include "platform/Platform.h"
#include "report/report_plan.h"
#include "select/catalogue.h"
#include "select/selection.h"
#include "shell/log.h"
#include "shell/parse.h"
#include "ui/colour_scheme.h"
#include "ui/form.h"
#include "ui/warning_banner.h"
#include "update/update_session.h"
#include "update/version_list.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tw {

// Thrown to end the program: a fatal missing file, the exit command, or a failed start.
struct ProgramEnd {
    int exitCode = 0;
};

// The leading number of a text read with a decimal point; 0 when there is none.
double Val(const std::string& text);

class FrmMain : public Form {
public:
    explicit FrmMain(Platform& platform);

    Platform& platform;
    DiagnosticLog Log;

    // --- Start-up, folders and settings -------------------------------------------------
    // The window's load event: everything from the folders to the job on the command line.
    void Form_Load(const std::string& commandLine);
    // The close box: true when the close goes ahead (false: cancelled by the user).
    bool Form_QueryUnload(bool byUser);
    static constexpr std::size_t kSaveBeforeClosing = 24;

    std::string InstallFolder; // ends with a path separator
    std::string OpDataFolder;  // InstallFolder + "opdata/"
    std::string JobFolder;
    std::string UpdatesFolder;
    std::string CatalogFolder;
    std::string DefaultJobFile;
    std::string CurrentJobFile;
    std::string IconBaseName;
    // A system-wide installation, which the program never writes to (see SetUpFolders).
    bool InstallationReadOnly = false;
    std::string RegistryAppName = "Glacivar";
    std::string SettingsRoot;
    std::string SettingsSection;
    std::string FileHistorySection;
    std::vector<int> Version;
    std::vector<std::string> CommandArgs;

    bool IsLoading = false;
    bool IsRefreshing = false;
    bool IsPropagating = false;
    bool IsCalculating = false;
    bool ResizeLock = false;
    bool JobModified = false;

    std::string GetSetting(const std::string& key, const std::string& fallback);
    // A setting that cannot be stored is logged and the user is told once (message 22), as
    // soon as the resource file has given the message its words.
    void SaveSetting(const std::string& key, const std::string& value);

    // --- Files and messages --------------------------------------------------------------
    // True when the file is there; when it is not and fatal is set, the file-error message is
    // shown and the program ends.
    bool FileExists(const std::string& path, bool fatal);
    // The file-error message for a data file that is missing, unreadable or empty; the
    // program ends.
    [[noreturn]] void DataFileError(const std::string& path);
    int MessageBox(const std::string& title, const std::string& prompt, int buttons);
    void MessageError(int n);

    // --- Diagnostic log ------------------------------------------------------------------
    void LogWrite(const std::string& text) { Log.LogWrite(text); }
    void Form_KeyDown(int keyCode, int shift);

    // --- Numbers with the machine's separator --------------------------------------------
    char Decimal() const { return decimal_; }
    float ToSingle(const std::string& text) const;
    std::string NormalizeDecimal(const std::string& text) const;
    bool IsNumeric(const std::string& text) const;
    std::string NumberText(double value, int digits = 15) const;

    // --- Resource-file tables ------------------------------------------------------------
    std::vector<std::string> StringTable;
    // Entry n of the string table, or "" for a number the table does not hold.
    const std::string& StringText(int n) const;
    std::vector<std::array<std::string, 2>> MessageTable;
    std::vector<std::string> ErrorTexts;
    std::vector<std::array<std::string, 6>> UnitTable;
    std::map<std::string, float> Constants;
    std::string JobFileExtension;
    std::string BaseCaption;
    // The language of the resource file as a locale name ("de_DE"), for the toolkit's own
    // texts in dialogs; empty when the file names none.
    std::string LanguageLocale;

    // --- Colours -------------------------------------------------------------------------
    // The colours of the current scheme that the procedures use again.
    ColourScheme Colours;

    // --- Layout and menu colours ---------------------------------------------------------
    void Form_Resize();
    void ResetButtonColours();

    // --- Data tables ----------------------------------------------------------------------
    DataTables Tables;

    // --- Catalogue -----------------------------------------------------------------------
    Catalogue Catalog;

    // --- Resource and colour files --------------------------------------------------------
    void ReadResourceFile();
    // The records of a resource or colour file, line by line; a record that fails is skipped.
    void ApplyResourceLines(LineReader& file);
    // Empties the lists the resource file fills item by item, before it is read again.
    void ClearResourceLists();
    void ApplyColourLines(LineReader& file);
    void ApplyTextBoxRecord(int n, const std::string& property, const std::string& value);
    void ApplyGridColour(const std::string& property, Colour c);
    std::string UnitText(const std::string& key, bool alternate) const;
    int FindUnit(const std::string& kind) const;
    std::string GetCellValue(int grid, int row, int col);
    void SetCellValue(int grid, int row, int col, const std::string& value);
    // The unit kind of a grid row, and whether its unit label shows the alternate unit.
    std::string RowUnitKind(int grid, int row);
    std::string HelpFilePath;
    std::string UpdateUrl;
    std::string CSpecPath;
    std::string ESpecPath;
    std::string EmailTo;
    std::string CatalogPath;
    std::string PrintFormFile1;
    std::string PrintFormFile2;
    std::string PrintLogoFile;

    // --- Pages and menu buttons ----------------------------------------------------------
    void BUTT_Click(int index);
    void HideAllPages();
    void SelectFocus(int page);

    // --- Field values and text fields ----------------------------------------------------
    std::string GetFieldValue(int n);
    void SetFieldValue(int n, const std::string& value);
    // The number a field holds (its stored value through ToSingle; junk reads as 0).
    float FieldNumber(int n);
    void UNITS_Click(int n);
    // A text field or in-cell editor that holds a number: typed and pasted text is checked.
    bool TakesNumbersOnly(ControlRef box);
    void OpenDropDown(int n);
    // Item `row` of the condensing-unit (523) or cooler (543) list: the model of that row of
    // its result grid, with its capacity when asked; the text for no model without capacity.
    std::string EquipmentListItem(int n, int row, bool withCapacity);
    // The dependency table of a changed number field; false when no recalculation follows.
    bool ApplyDependencies(int n, bool typing);
    // Converts the grid rows that follow a master field's unit label.
    void ConvertMasterRows(int master);
    // Switches the unit label of a grid row between the internal and the alternate unit of unit
    // table row `unit`, converting its values; false when the row did not show the other unit.
    bool SwitchRowUnit(int grid, int row, int unit, bool toAlternate);
    std::string FocusValue;
    std::string LastText;
    // The unit a number field shows, or nothing for a field without a known unit kind.
    std::optional<ShownUnit> FieldShownUnit(int n);

    // --- Option lists, option buttons, navigation, grids (page handling) -------------------
    // Closes an open list and leaves its field or cell as it was (Escape, a click elsewhere).
    void CloseList(int n);
    // The item highlighted on screen becomes the list's position without being chosen.
    void HighlightListItem(int n, int index);
    void ChooseLanguage(const std::string& name);
    // Surface types, constructions, products and list fields of the job shown in the current
    // language, whatever language the job was saved in.
    void RelocaliseJob();
    void ChooseColourScheme(const std::string& name);
    // A product chosen for column c: its data from TableC into the column.
    void ProductChosen(int c, const std::string& name);
    void AutoSizeTable(int grid);
    void MoveToCell(int grid, bool fromList);
    void TabTrap_GotFocus(int grid, bool forward);
    void Arrow_Click(ControlRef arrow);
    void Form_KeyPress(int keyAscii);
    void Timer1_Timer();
    bool ArrowNavigation = false;
    // Set while a closed list gives the focus back to its field, which then stays closed.
    bool ClosingList = false;
    bool EnterPressed = false;
    // Set while MoveToCell fills the editor, so that showing a cell never counts as an edit.
    bool EditorLoading = false;
    std::map<int, bool> GridNavigating;
    std::map<int, std::pair<int, int>> LastCell;
    std::map<int, int> EditorRow;
    std::map<int, int> EditorCol;

    // --- Load calculation -----------------------------------------------------------------
    void Calculate();
    bool CheckInputs();
    // Adds the input error text n (with a detail such as a column number) to the banner.
    void AddInputError(int n, const std::string& detail = {});
    void CalculateBoxLoad();
    void CalculateProductLoad();
    void CheckAddWallSection();
    void CheckAddProductSection();
    // Table look-ups with their log lines and messages (kernels in calc/look_ups.h).
    float LookUpB(int n, float t);
    float LookUpE(float x, bool second, bool third);
    float LookUpF(float x, long column);
    void LookUpK(float x, float t, int& count, float& value);
    // A resource constant; 0 when the resource file does not define it (logged once a key).
    float Constant(const std::string& key);
    // The user typed over the computed value (its label shows the override colour).
    bool IsUserEntered(int n);
    // What the user typed over; the marks are set through the functions below, which also
    // paint the override colour.
    UserMarks Marks;
    void MarkField(int n, bool entered);
    void MarkGroup(ControlRef frame, bool entered);
    void MarkCell(int grid, int row, int col, bool entered);
    // A field's stored value as a double; 0 when it is not a number.
    double FieldDouble(int n);
    // The door-protection factor of the last infiltration calculation.
    float DoorProtectionFactor = 0;
    // The warning banner's lines: the input check's errors and the equipment notes.
    WarningBanner Banner;

    // --- Equipment selection --------------------------------------------------------------
    void SPECLINK_Click(int index);
    void SelectCondensingUnit();
    void SelectCooler();
    void UpdateBalancePoint();
    // Frequency factors chosen by the latest condensing-unit and cooler runs.
    float CondenserFrequencyFactor = 1.0f;
    float CoolerFrequencyFactor = 1.0f;
    // The banner notes of the current selection: no model reaches the requirement (with the
    // number of units or coolers that would do), a balance point under the load, a refrigerant
    // above the GWP limit. Run after every selection.
    void UpdateEquipmentNotes();

    // --- Job loading at start-up ---------------------------------------------------------
    // Loads a job file into the window; false when it could not be read.
    bool JobFileLoad(const std::string& path, bool isTemplate);
    // The same with the file's bytes already read; path decides the kind of file.
    bool JobFileLoadBytes(const std::string& bytes, const std::string& path);

    // --- Job files -----------------------------------------------------------------------
    // Writes the job to path through a temporary file renamed over it; false (after error
    // message 3) when that failed, and a file already at path is then left as it was.
    bool JobFileSave(const std::string& path);
    // 1 when a field's unit label (a grid row's unit cell) shows the internal unit of its
    // kind, 2 when it shows the other one, 0 without a unit kind.
    int FieldUnitSystem(int n);
    int GridRowUnitSystem(int grid, int row);
    // The recent job files, newest first, as FileHistoryList shows them, and one free slot.
    std::vector<std::string> FileHistory;
    void LoadFileHistory();
    void FileHistoryList_DblClick();
    // The save command straight to the job's own file, without the dialog; a job without a
    // file of its own gets the dialog as with the save button.
    void SaveJobToOwnFile();
    bool SaveToOwnFile = false;

    // --- Reports: print forms, printing, page bitmaps, e-mail ----------------------------
    // Draws the print form at formPath onto the surface (the printer when toPrinter is set);
    // the wrap box breaks MTEXT texts into lines. Errors are logged, never shown: the page is
    // finished as far as possible.
    void PrintFile(const std::string& formPath, DrawingSurface& surface, Label& wrapBox,
                   bool toPrinter);
    // The same with the form's bytes already read; formPath names it in the log.
    void PrintFormBytes(const std::string& bytes, const std::string& formPath,
                        DrawingSurface& surface, Label& wrapBox);
    // The text a print-form field code stands for.
    std::string ExpandField(const std::string& code);
    // The menu command that saves the report's pages as picture files (11 with a bitmap name).
    void SaveReportBitmaps(const std::string& chosen);
    // Writes the report as a PDF file; false when the file could not be written.
    bool WriteReportPdf(const std::string& path);
    // The report's pages, and the page being drawn as the page codes print it.
    ReportState Report;

    // --- Update service --------------------------------------------------------------------
    // The update button: compares the server's signed version list with the installed one
    // and, when the user agrees, fetches, verifies and installs the newer files.
    UpdateSession::Outcome Update_Check() { return Updates.Check(); }
    UpdateSession Updates{*this};

    // Every event of the window comes here and goes to its handler.
    void OnEvent(const Event& e);

private:
    // --- Start-up, folders and settings -------------------------------------------------
    // Before the program ends with unsaved changes: Save (runs the save), Discard or Cancel.
    // True when the program may end.
    bool ConfirmClose();
    void ReportSettingsFailure();
    // --- Files and messages --------------------------------------------------------------
    // A data file for sequential reading (through FileExists, fatal).
    LineReader OpenDataFile(const std::string& path);
    // A data file's bytes for record reading (through FileExists, fatal).
    std::string OpenDataFileBytes(const std::string& path);
    // --- Diagnostic log ------------------------------------------------------------------
    void ShowLog();
    // --- Layout and menu colours ---------------------------------------------------------
    // Thumbnail, exit button and hint box stacked from the lower-left corner.
    void LayoutLowerLeft();
    void BUTT_MouseMove(int index);
    // --- Data tables ----------------------------------------------------------------------
    // Reads a table from the data folder (C and D in the language of the settings); C and D
    // also fill the product-group and construction lists.
    void ReadTable(TableId id);
    // A list as wide as its widest item (measured with SIZER) and as high as its items.
    void SizeListToItems(ListBox& list);
    // --- Catalogue -----------------------------------------------------------------------
    void ReadCondensingRatings();
    void ReadCondensingModels();
    void ReadCondensingProducts();
    void ReadCoolerRatings();
    void ReadCoolerProducts();
    // --- Resource and colour files --------------------------------------------------------
    void ReadColourFile();
    void ApplyResourceRecord(const std::vector<std::string>& fields);
    void ApplyTableRecord(const std::string& code, const std::string& property,
                          const std::string& value);
    void ApplyPictureRecord(const std::string& property, const std::string& file);
    void ApplyColourLine(const std::vector<std::string>& fields);
    void LoadLanguageList(const std::string& text, int index);
    void LoadColourList(const std::string& text, int index);
    int FieldUnitIndex(int n);
    bool RowShowsAlternate(int grid, int row, int unit);
    // --- Pages and menu buttons ----------------------------------------------------------
    void HideButtonShadows();
    // Shows the page of a page button (0, 2 to 8) with its shadow and colour.
    void ShowPage(int button);
    void ClearProducts();
    void DeleteProduct();
    // --- Field values and text fields ----------------------------------------------------
    bool FieldHasUnits(int n);
    void UNITS_Change(int n);
    void TEXTBOX_GotFocus(int n);
    void TEXTBOX_Click(int n);
    void TEXTBOX_KeyPress(int n, int& keyAscii);
    void TEXTBOX_Change(int n);
    void TEXTBOX_LostFocus(int n);
    // The radio pair and field 525 that follow the condensing-unit type code (field 530).
    void ApplyCondensingUnitType();
    void ShowCondensingTemperature();
    // The outside temperatures of the surfaces and the product temperatures that follow the
    // design fields; a column number limits the update to that column. Marks are respected.
    void UpdateSurfaceTemperatures(int column = -1);
    void UpdateProductTemperatures(int column = -1);
    // Switches every unit label of the kinds of a unit-system pair (840 to 847).
    void ApplyUnitSystem(int n);
    // Puts the K-factor, specific-heat and respiration-heat rows into the load units chosen.
    void AlignRowsWithoutMaster();
    // Switches the input grids' rows of these unit kinds to the alternate or the main unit.
    void SwitchRowsOfKinds(const std::vector<const char*>& kinds, bool toAlternate);
    Colour NormalLabelColour() const;
    // --- Option lists, option buttons, navigation, grids (page handling) -------------------
    void OPTIONLIST_Click(int n);
    void OPTIONLIST_KeyDown(int n, int keyCode);
    void OPTIONLIST_GotFocus(int n);
    void OPTIONLIST_LostFocus(int n);
    void ListButton_Click(int n);
    void WallCellListChosen(int n);
    void ProductCellListChosen(int n);
    // List 302 rebuilt with the products of a group, at least as wide as the cell.
    void FillProductList(const std::string& group, int minimumWidth);
    void RADIO_Click(int n);
    void RADIO_GotFocus(int n);
    // The fields, drawings, frames and grid that follow the box type and infiltration method.
    void ApplyRadioVisibility();
    void MarkJobModified();
    void LayoutBoxGrid(int n);
    void LayoutFreeSurfaceList();
    void SurfaceGridOff();
    void AutoSizeColumn(int grid, int col);
    void MSFlexGrid_Click(int grid);
    void MSFlexGrid_Scroll(int grid);
    void MSFlexText_GotFocus(int grid);
    void MSFlexText_KeyDown(int grid, int keyCode, int shift);
    void MSFlexText_KeyPress(int grid, int& keyAscii);
    void MSFlexText_Change(int grid);
    void MSFlexText_LostFocus(int grid);
    void CopyToSameType(int row);
    void PropagateFourWalls(int row, int col);
    void PropagateSixWalls(int row, int col);
    void PropagateEightWalls(int row, int col);
    void Arrow_Focus(ControlRef arrow, bool gained);
    void Form_Click();
    void FRAME_KeyPress(int page, int keyAscii);
    // --- Load calculation -----------------------------------------------------------------
    // Warns of a room without surfaces and of surface or product columns missing a number.
    void CheckColumnsComplete();
    void MarkInputField(int n, bool wrong);
    void CalculateInfiltrationLoad();
    void SetMotorDefaults();
    void CalculateMiscLoad();
    float LookUpA(float x, float t);
    bool IsCellUserEntered(int grid, int row, int col);
    // Paints the override colour from the marks again, after a colour scheme was loaded.
    void ShowUserMarks();
    // Writes a computed number into a field; a value that is not finite is not written.
    void WriteResult(int n, double value, int digits = 15);
    // Puts the banner's lines into EBANNER and shows, scrolls and flashes it while it has any.
    void ShowBanner();
    // --- Equipment selection --------------------------------------------------------------
    // Documents and addresses handed to the desktop.
    void StartHyperlink(const std::string& target);
    void HYPERLINK_Click(int index);
    void ThumbNailLogo_Click();
    // A folder or document named relative to the installation, made absolute.
    std::string InstallationPath(const std::string& path) const;
    void ClearCoolerList();
    // Capacity of condensing-unit model `model` (a CModels record number) and of a cooler
    // rated at `rating` Btu/h (10 °F TD), with the frequency factors of the latest runs.
    std::int32_t CondensingCapacity(int model, float sst, float ambient);
    float CoolerCapacity(float sst, float td, std::int32_t rating);
    // The ambient the condensing unit is rated at, by the type code of field 530.
    float CondensingAmbient();
    // The catalogue's offers for the current choices at a required capacity per unit (per
    // cooler); each sets the frequency factor of its supply.
    OfferList CondensingOffers(float required);
    OfferList CoolerOffers(float required);
    // The GWP of the chosen refrigerant as its list item states it (0 when unknown), and the
    // limit of the settings page (the resource constant GWPLIMIT until the user sets one).
    int RefrigerantGwp();
    float GwpLimit();
    // --- Job files -----------------------------------------------------------------------
    void SaveFileHistory();
    void FileHistoryList_KeyPress(int& keyAscii);
    // Menu commands on the job: the job page (1), open (10), save (11), new job (19).
    void ShowJobPage();
    void OpenJob();
    void SaveJob();
    void NewJob();
    // --- Reports: print forms, printing, page bitmaps, e-mail ----------------------------
    // The whole report onto a surface: the page of each print form and the continuation
    // pages that take the surfaces and products its page cannot hold, a new page between
    // them; the footer counts them all.
    void DrawReport(DrawingSurface& surface, bool toPrinter);
    // Menu commands: print the report (13), send the saved job and the report by e-mail
    // (14), write the report as a PDF file (22).
    void PrintReport();
    // False, after message 25, when the resource file named no print form for a page.
    bool PrintFormsNamed();
    void MailJob();
    void ExportPdf();
    // --- Update service --------------------------------------------------------------------
    void UpdateCancel_Click() { Updates.Cancel(); }

    // --- Helpers of the procedures above -------------------------------------------------
    // The infiltration temperature that follows an outside temperature: the typed text, held
    // between the resource constants MININFILTTEMP and MAXINFILTTEMP.
    std::string InfiltrationTemperatureFor(float outside, const std::string& typed);
    // The compressor run time of a room temperature, by the steps RUNTIMETEMP1 and 2.
    std::string RunTimeFor(float room);
    void ApplyRoomDimensions();
    void ListItemChosen(int n, int position, const std::string& item);
    void EquipmentChosen(int n, int position);
    void CloseEditing();
    void CheckForUpdates();

    std::optional<PrintForm> ReadReportForm(const std::string& formPath);
    std::optional<PrintForm> ParseReportForm(const std::string& bytes, const std::string& formPath);
    bool PlanReportPages();
    void DrawReportPage(const ReportState& plan, std::size_t index, DrawingSurface& surface,
                        Label& wrapBox);

    void SetUpFolders();
    void SizeAndPlaceWindow();
    void ReadDataFiles();
    void InterpretCommandLine(const std::string& commandLine);
    void LoadDefaultJobOrEnd();
    void PrepareBanner();

    // A setting could not be stored, and the user has been told so.
    bool SettingsSaveFailed = false;
    bool SettingsFailureShown = false;
    char decimal_ = '.';
    std::set<std::string> missingConstants_;
};

} // namespace tw
