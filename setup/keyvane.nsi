; keyvane-setup.exe: installs, upgrades and uninstalls Keyvane.
; Built by CMake (setup/CMakeLists.txt) with these defines:
;   PROGRAM_DIR    the build folder holding keyvane.exe and install.dll
;   OUTFILE        the setup program to write
;   BUILD_LABEL    the program's version as users see it ("1.0.20010401")
;   VERSION_QUAD   the same as four numbers for the version resource
;   ICON           the program's icon
;   DRIVER_PACKAGE (optional) the keyboard's filter driver package to offer
Unicode true
Target amd64-unicode
ManifestSupportedOS all
; The setup asks for elevation as the program does; .onInit tells a user who
; still has no administrator rights.
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinMessages.nsh

!define SETTINGS_KEY "Software\Corvale"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Keyvane"

!include end_keyvane.nsh
!include start_at_logon.nsh
!include keyboard_filter.nsh

!define SHORTCUTS "$SMPROGRAMS\Keyvane"
!define ERROR_ELEVATION_REQUIRED 740
!define EXIT_NOT_ENDED 3
!define EXIT_NOT_WRITTEN 4

Name "Keyvane"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Keyvane"
; An upgrade goes where the product already is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Keyvane ${BUILD_LABEL}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 ProductName "Keyvane"
VIAddVersionKey /LANG=1033 CompanyName "Corvale"
VIAddVersionKey /LANG=1033 FileDescription "Keyvane Setup"
VIAddVersionKey /LANG=1033 FileVersion "${BUILD_LABEL}"
VIAddVersionKey /LANG=1033 ProductVersion "${BUILD_LABEL}"
VIAddVersionKey /LANG=1033 LegalCopyright "Corvale"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Keyvane now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartKeyvane

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.SettingsPage un.SettingsPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var CreatedFolder
Var CreatedSettingsKey
Var CopyFailed
Var RemoveSettings
Var RemoveSettingsBox

!insertmacro END_KEYVANE_FUNCTIONS ""
!insertmacro END_KEYVANE_FUNCTIONS "un."
!insertmacro REMOVE_START_AT_LOGON_FUNCTION ""
!insertmacro REMOVE_START_AT_LOGON_FUNCTION "un."

Function .onInit
    SetShellVarContext all
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "Keyvane can only be installed by an administrator.$\r$\n$\r$\nRun the setup again as an administrator (right-click it, then $\"Run as administrator$\")." /SD IDOK
        SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
        Quit
    ${EndIf}
    InitPluginsDir
FunctionEnd

Function StartKeyvane
    SetOutPath "$INSTDIR"
    Exec `"$INSTDIR\keyvane.exe"`
FunctionEnd

; What the program's files were before this run, so that a failed copy can
; put an upgraded product back as it was.
!macro BACK_UP FILE
    ${If} ${FileExists} "$INSTDIR\${FILE}"
        CopyFiles /SILENT "$INSTDIR\${FILE}" "$PLUGINSDIR\previous\${FILE}"
    ${EndIf}
!macroend

!macro PUT_BACK FILE
    Delete "$INSTDIR\${FILE}"
    ${If} ${FileExists} "$PLUGINSDIR\previous\${FILE}"
        CopyFiles /SILENT "$PLUGINSDIR\previous\${FILE}" "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

; CopyFileW itself: the shell's copy does not always report a file it could not write.
; (LogicLib's test of the error flag clears it: a variable keeps the failure.)
!macro PLACE FILE
    ${If} $CopyFailed = 0
        DetailPrint "Copying ${FILE}"
        System::Call 'kernel32::CopyFileW(w "$PLUGINSDIR\new\${FILE}", w "$INSTDIR\${FILE}", i 0) i .r0'
        ${If} $0 = 0
            DetailPrint "Cannot write $INSTDIR\${FILE}"
            StrCpy $CopyFailed 1
        ${EndIf}
    ${EndIf}
!macroend

; Leaves the folder as this run found it: the program's files as they were,
; the folder gone again when this run made it, the settings key gone again
; when this run made it.
Function RollBack
    DetailPrint "Putting everything back as it was"
    !insertmacro PUT_BACK keyvane.exe
    !insertmacro PUT_BACK install.dll
    !insertmacro PUT_BACK uninstall.exe
    Delete "$INSTDIR\keyvane-setup.tmp"
    ${If} $CreatedFolder = 1
        RMDir "$INSTDIR"
    ${EndIf}
    ${If} $CreatedSettingsKey = 1
        DeleteRegKey HKLM "${SETTINGS_KEY}"
    ${EndIf}
FunctionEnd

Function CopyProgramFiles
    WriteUninstaller "$PLUGINSDIR\new\uninstall.exe"
    CreateDirectory "$PLUGINSDIR\previous"
    ${Do}
        ClearErrors
        ${IfNot} ${FileExists} "$INSTDIR\*.*"
            CreateDirectory "$INSTDIR"
            ${IfNot} ${Errors}
                StrCpy $CreatedFolder 1
            ${EndIf}
        ${EndIf}
        !insertmacro BACK_UP keyvane.exe
        !insertmacro BACK_UP install.dll
        !insertmacro BACK_UP uninstall.exe
        StrCpy $CopyFailed 0
        !insertmacro PLACE keyvane.exe
        !insertmacro PLACE install.dll
        !insertmacro PLACE uninstall.exe
        ${If} $CopyFailed = 0
            ${Break}
        ${EndIf}
        Call RollBack
        MessageBox MB_RETRYCANCEL|MB_ICONSTOP "The folder $INSTDIR cannot be written.$\r$\n$\r$\nMake it writable and click Retry, or click Cancel to leave everything as it was." /SD IDCANCEL IDRETRY retry_copy
        SetErrorLevel ${EXIT_NOT_WRITTEN}
        Abort
      retry_copy:
    ${Loop}
FunctionEnd

Function WriteSettingsKey
    ClearErrors
    EnumRegKey $0 HKLM "${SETTINGS_KEY}" 0
    EnumRegValue $1 HKLM "${SETTINGS_KEY}" 0
    ${If} ${Errors}
    ${AndIf} $0 == ""
    ${AndIf} $1 == ""
        StrCpy $CreatedSettingsKey 1
    ${EndIf}
    DetailPrint "Storing the product's values in HKLM\${SETTINGS_KEY}"
    ClearErrors
    WriteRegStr HKLM "${SETTINGS_KEY}" "InfPATH" "$INSTDIR"
    WriteRegStr HKLM "${SETTINGS_KEY}" "Mfg" "Keyvane"
    WriteRegDWORD HKLM "${SETTINGS_KEY}" "idVendor" 0x04D9
    WriteRegDWORD HKLM "${SETTINGS_KEY}" "idProduct" 0x0022
    StrCpy $2 0
    IfErrors 0 +2
        StrCpy $2 1
    ; The user's own choice stays; a new install starts with the menu on.
    ReadRegDWORD $0 HKLM "${SETTINGS_KEY}" "MenuEnable"
    ${If} $0 == ""
        ClearErrors
        WriteRegDWORD HKLM "${SETTINGS_KEY}" "MenuEnable" 1
        IfErrors 0 +2
            StrCpy $2 1
    ${EndIf}
    ${If} $2 = 1
        Call RollBack
        MessageBox MB_OK|MB_ICONSTOP "The settings key HKLM\${SETTINGS_KEY} cannot be written; nothing has been installed." /SD IDOK
        SetErrorLevel ${EXIT_NOT_WRITTEN}
        Abort
    ${EndIf}
FunctionEnd

Function AddShortcuts
    DetailPrint "Adding the Start menu shortcuts"
    CreateDirectory "${SHORTCUTS}"
    CreateShortcut "${SHORTCUTS}\Keyvane.lnk" "$INSTDIR\keyvane.exe"
    CreateShortcut "${SHORTCUTS}\Uninstall Keyvane.lnk" "$INSTDIR\uninstall.exe"
FunctionEnd

Function RegisterUninstaller
    DetailPrint "Adding Keyvane to the installed programs"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Keyvane"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${BUILD_LABEL}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Corvale"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\keyvane.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" `"$INSTDIR\uninstall.exe"`
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" `"$INSTDIR\uninstall.exe" /S`
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; The components mark what the last section does, so that the steps keep
; their order whatever is chosen.
Section "Keyvane (required)" SecProgram
    SectionIn RO
    ; Unpacked aside first (this also gives the page its size); step 2 puts them in place.
    SetOutPath "$PLUGINSDIR\new"
    File "${PROGRAM_DIR}/keyvane.exe"
    File "${PROGRAM_DIR}/install.dll"
SectionEnd
Section "Start Keyvane when I log on" SecLogon
SectionEnd
Section "Start menu shortcuts" SecShortcuts
SectionEnd
!ifdef DRIVER_PACKAGE
Section "The keyboard's filter driver" SecDriver
SectionEnd
!endif

Section "-Install"
    SetShellVarContext all
    Call EndKeyvane
    ${If} ${Errors}
        SetErrorLevel ${EXIT_NOT_ENDED}
        Abort
    ${EndIf}
    Call CopyProgramFiles
    Call WriteSettingsKey
!ifdef DRIVER_PACKAGE
    ${If} ${SectionIsSelected} ${SecDriver}
        DetailPrint "Copying the keyboard's filter driver package"
        SetOutPath "$INSTDIR\Driver"
        File /r "${DRIVER_PACKAGE}/*.*"
        Call SaveKeyboardFilter
        DetailPrint "Registering the keyboard's filter driver (see INSTALL.LOG)"
        System::Call "$INSTDIR\install.dll::Registry() i .r0"
    ${EndIf}
!endif
    ${If} ${SectionIsSelected} ${SecLogon}
        Call AddStartAtLogon
        ${If} ${Errors}
            SetErrorLevel ${EXIT_NOT_WRITTEN}
        ${EndIf}
    ${Else}
        Call RemoveStartAtLogon
    ${EndIf}
    ${If} ${SectionIsSelected} ${SecShortcuts}
        Call AddShortcuts
    ${EndIf}
    Call RegisterUninstaller
    ; Interactively the finish page asks; a silent upgrade brings back what it ended.
    ${If} ${Silent}
    ${AndIf} $KeyvaneEnded = 1
        DetailPrint "Starting Keyvane again"
        Call StartKeyvane
    ${EndIf}
SectionEnd

Function un.onInit
    SetShellVarContext all
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_OK|MB_ICONSTOP "Keyvane can only be removed by an administrator." /SD IDOK
        SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
        Quit
    ${EndIf}
    ; "/RemoveSettings" is the check box "Also remove my settings" of a silent uninstall.
    StrCpy $RemoveSettings 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/RemoveSettings" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveSettings 1
    ${EndIf}
FunctionEnd

Function un.SettingsPage
    !insertmacro MUI_HEADER_TEXT "Uninstall Keyvane" "Remove Keyvane from this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 48u "Keyvane will be removed from $INSTDIR. If it is running, it is ended first.$\r$\n$\r$\nYour text snippets, shortcuts and menu setting stay, so that Keyvane finds them again when it is installed later, unless you check the box below."
    Pop $0
    ${NSD_CreateCheckbox} 0 60u 100% 12u "Also remove my settings"
    Pop $RemoveSettingsBox
    ${NSD_SetState} $RemoveSettingsBox $RemoveSettings
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:&Uninstall"
    nsDialogs::Show
FunctionEnd

Function un.SettingsPageLeave
    ${NSD_GetState} $RemoveSettingsBox $RemoveSettings
FunctionEnd

; Removes FOLDER once it is empty, trying for 5 s: a handle some program still
; holds in it keeps an empty folder from going. A folder the user left files
; in stays, once the 5 s are over.
!macro REMOVE_FOLDER_WHEN_FREE FOLDER
    ${For} $1 1 20
        RMDir "${FOLDER}"
        ${IfNot} ${FileExists} "${FOLDER}\*.*"
            ${Break}
        ${EndIf}
        Sleep 250
    ${Next}
!macroend

Section "Uninstall"
    SetShellVarContext all
    Call un.EndKeyvane
    ${If} ${Errors}
        SetErrorLevel ${EXIT_NOT_ENDED}
        Abort
    ${EndIf}
    Call un.RestoreKeyboardFilter
    Call un.RemoveStartAtLogon
    DetailPrint "Removing the Start menu shortcuts"
    Delete "${SHORTCUTS}\Keyvane.lnk"
    Delete "${SHORTCUTS}\Uninstall Keyvane.lnk"
    ; The shell may still hold the folder it showed the shortcuts in for a moment.
    !insertmacro REMOVE_FOLDER_WHEN_FREE "${SHORTCUTS}"
    ClearErrors
    Delete "$INSTDIR\keyvane.exe"
    Delete "$INSTDIR\install.dll"
    Delete "$INSTDIR\INSTALL.LOG"
    RMDir /r "$INSTDIR\Driver"
    ${If} ${Errors}
        SetErrorLevel ${EXIT_NOT_WRITTEN}
    ${EndIf}
    ; The uninstall.exe that started this copy may still be ending.
    ${For} $1 1 20
        Delete "$INSTDIR\uninstall.exe"
        ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
            ${Break}
        ${EndIf}
        Sleep 250
    ${Next}
    ; A program just ended, or one still reading a file just deleted, may hold it for a moment.
    !insertmacro REMOVE_FOLDER_WHEN_FREE "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${If} $RemoveSettings = 1
        DetailPrint "Removing the settings"
        DeleteRegKey HKLM "${SETTINGS_KEY}"
    ${EndIf}
SectionEnd
