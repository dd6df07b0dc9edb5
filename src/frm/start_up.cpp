// SPDX-License-Identifier: MIT
// The window's load event: folders, settings location, window size, the data files in their
// fixed order, and the job named on the command line.
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "shell/ansi.h"
#include "shell/text_file.h"
#include "ui/window_design.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tw {

namespace {

bool SystemPackageFolder(const std::string& folder) {
    return folder.rfind("/usr/", 0) == 0 && folder.rfind("/usr/local/", 0) != 0;
}

} // namespace

void FrmMain::Form_Load(const std::string& commandLine) {
    // Empty tables for the resource file to fill.
    StringTable.assign(101, "");
    UnitTable.assign(21, {});
    MessageTable.assign(26, {});
    ErrorTexts.assign(101, "");
    LogWrite(">frmMain_load");

    // The version label of the menu column and of the settings page.
    Version = platform.ProgramVersion();
    std::string rev = "Rev : ";
    for (std::size_t i = 0; i < Version.size(); ++i)
        rev += (i ? "." : "") + std::to_string(Version[i]);
    VersionNo.SetCaption(rev);
    LABEL[field::ProgramVersion].SetCaption(rev);

    SetUpFolders();
    SizeAndPlaceWindow();

    // Sub-frames in bold 9 point; pages and room drawings hidden until shown.
    for (auto& [i, frame] : CFRAME) {
        frame.FontBold = true;
        frame.FontSize = 9;
    }
    for (auto& [i, page] : FRAME)
        page.Visible = false;
    for (auto& [i, picture] : Geometry) {
        picture.Visible = false;
        picture.Picture = OpDataFolder + picture.Picture;
    }
    for (auto& [i, link] : SPECLINK)
        link.Picture = OpDataFolder + link.Picture;

    // Page arrows in their unfocused look, menu buttons in their normal colours.
    for (auto& [i, arrow] : TABFPIC)
        arrow.Picture = OpDataFolder + TABIMAGES.Images[4];
    for (auto& [i, arrow] : TABBPIC)
        arrow.Picture = OpDataFolder + TABIMAGES.Images[2];
    ResetButtonColours();

    {
        FlagScope loading(IsLoading);
        ReadDataFiles();
    }

    InterpretCommandLine(commandLine);
    PrepareBanner();
}

void FrmMain::SetUpFolders() {
    InstallFolder = platform.ExecutableFolder();
    if (!InstallFolder.empty() && InstallFolder.back() != '/') InstallFolder += '/';
    Log.SetFolder(InstallFolder);
    OpDataFolder = InstallFolder + "opdata/";

    // The first icon of the data folder is the window's icon; its name keys the settings.
    auto icons = FindFiles(OpDataFolder, "*.ico");
    if (icons.empty()) FileExists(OpDataFolder + "*.ico", true);
    LogWrite(icons.front());
    Window.Icon = OpDataFolder + icons.front();
    IconBaseName = Left(icons.front(), CharCount(icons.front()) - 4);

    // A package under /usr (not /usr/local), or any installation the user cannot write,
    // belongs to the system: the diagnostic log goes to the user's state folder, named as the
    // settings are ($XDG_STATE_HOME/Glacivar/tarnwell/), and updates come from the package
    // manager.
    InstallationReadOnly =
        SystemPackageFolder(InstallFolder) || !platform.FolderWritable(InstallFolder);
    if (InstallationReadOnly)
        Log.SetFolder(platform.StateFolder() + "/" + RegistryAppName + "/" + IconBaseName + "/");

    SettingsRoot = IconBaseName + "\\Tarnwell";
    SettingsSection = SettingsRoot + "\\Settings";
    FileHistorySection = SettingsRoot + "\\FileHistory";

    JobFolder = GetSetting("JobFilepath", InstallFolder + "JobFiles/");
    UpdatesFolder = InstallFolder + "Updates";
    DefaultJobFile = OpDataFolder + "default.fil";
    CatalogFolder = InstallFolder + "proddata/";

    // The recent job files for the job page.
    LoadFileHistory();
}

void FrmMain::SizeAndPlaceWindow() {
    FlagScope locked(ResizeLock);
    ScreenInfo screen = platform.Screen();
    Window.WindowState = 0;
    int frameWidth = Window.Width - Window.ScaleWidth;
    int frameHeight = Window.Height - Window.ScaleHeight;
    Window.Width = 9600;
    Window.ScaleWidth = Window.Width - frameWidth;
    Window.Height = frameHeight + 7200;
    Window.ScaleHeight = 7200;
    Window.Left = (screen.widthTwips - Window.Width) / 2;
    Window.Top = (screen.heightTwips - Window.Height) / 2;
    if (Window.Top + Window.Height > screen.heightTwips)
        Window.Top = screen.heightTwips - Window.Height;
    LogWrite(std::to_string(Window.Width) + " " + std::to_string(Window.Height));
}

void FrmMain::InterpretCommandLine(const std::string& commandLine) {
    CommandArgs = ParseCommandLine(commandLine, 10);
    int count = static_cast<int>(CommandArgs.size()) - 1;
    if (count == 0) {
        LoadDefaultJobOrEnd();
        return;
    }
    bool jobSeen = false;
    for (int i = 1; i <= count; ++i) {
        std::string& arg = CommandArgs[static_cast<std::size_t>(i)];
        if (jobSeen) break;
        if (LowerCase(Right(arg, 4)) != "." + JobFileExtension) {
            LoadDefaultJobOrEnd();
            continue;
        }
        if (FileExists(arg, false)) {
            CurrentJobFile = arg;
            if (JobFileLoad(arg, false)) {
                BUTT_Click(button::JobData);
                BUTT[button::JobData].ForeColor = Colours.ShadowSelect;
            } else {
                LoadDefaultJobOrEnd();
            }
        } else {
            MessageError(15);
            LoadDefaultJobOrEnd();
        }
        arg.clear();
        jobSeen = true;
    }
    for (int i = 1; i <= count; ++i)
        if (UpperCase(CommandArgs[static_cast<std::size_t>(i)]) == "/LOG") Log.SetLogEnabled(true);
}

void FrmMain::LoadDefaultJobOrEnd() {
    if (!JobFileLoad(DefaultJobFile, true)) throw ProgramEnd{1};
}

void FrmMain::PrepareBanner() {
    EBANNER.SetCaption("Ag");
    int width = 0;
    Measure("Ag", EBANNER.FontSize, EBANNER.FontBold, width, Banner.LineHeight);
    EBANNER.SetCaption("-\n-\n-");
    EBANNER.Height = 3 * Banner.LineHeight;
}

bool FrmMain::Form_QueryUnload(bool byUser) {
    if (byUser && !ConfirmClose()) return false;
    // A running update download is given up and leaves everything as it was.
    Updates.Cancel();
    return true;
}

bool FrmMain::ConfirmClose() {
    if (!JobModified) return true;
    const auto& question = MessageTable.at(kSaveBeforeClosing);
    // A resource file without the save question asks whether to close without saving.
    if (question[1].empty())
        return MessageBox(MessageTable[13][0], MessageTable[13][1], 20) != mb::No;
    const int answer = MessageBox(question[0], question[1], mb::SaveDiscardCancel + mb::Question);
    if (answer == mb::Cancel) return false;
    if (answer == mb::No) return true;
    // A save that was cancelled or failed keeps the window open.
    SaveJobToOwnFile();
    return !JobModified;
}

std::string FrmMain::GetSetting(const std::string& key, const std::string& fallback) {
    return platform.GetSetting(RegistryAppName, SettingsSection, key, fallback);
}

void FrmMain::SaveSetting(const std::string& key, const std::string& value) {
    errno = 0;
    if (platform.SaveSetting(RegistryAppName, SettingsSection, key, value)) return;
    const int error = errno ? errno : EIO;
    LogWrite("*** SaveSetting *** " + key + ": " + std::to_string(error) + ", " +
             std::strerror(error));
    SettingsSaveFailed = true;
    ReportSettingsFailure();
}

void FrmMain::ReportSettingsFailure() {
    if (!SettingsSaveFailed || SettingsFailureShown) return;
    if (MessageTable.size() <= 22 || MessageTable[22][1].empty()) return;
    SettingsFailureShown = true;
    MessageError(22);
}

} // namespace tw
