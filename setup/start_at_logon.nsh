; Starting Keyvane when a user logs on. From Windows Vista on, Windows skips a
; program of the Run key that asks for administrator rights, as Keyvane does,
; so there a scheduled task starts it: at every logon, for the interactive
; user, with the highest rights that user has and no time limit. Earlier
; releases start it from the Run key.

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define TASK_NAME "Keyvane"

!macro TASK_LINE LINE
    FileWriteUTF16LE $0 `${LINE}$\r$\n`
!macroend

; The task's definition, written as UTF-16 as schtasks expects it.
; Priority 4 is a normal program's; tasks otherwise start below that.
Function WriteTaskDefinition
    ; In: $1 the file.
    Push $0
    FileOpen $0 $1 w
    FileWriteWord $0 0xFEFF
    !insertmacro TASK_LINE `<?xml version="1.0" encoding="UTF-16"?>`
    !insertmacro TASK_LINE `<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">`
    !insertmacro TASK_LINE `  <RegistrationInfo><Description>Starts Keyvane when a user logs on.</Description></RegistrationInfo>`
    !insertmacro TASK_LINE `  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>`
    !insertmacro TASK_LINE `  <Principals><Principal id="InteractiveUser"><GroupId>S-1-5-32-545</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>`
    !insertmacro TASK_LINE `  <Settings>`
    !insertmacro TASK_LINE `    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>`
    !insertmacro TASK_LINE `    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>`
    !insertmacro TASK_LINE `    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>`
    !insertmacro TASK_LINE `    <ExecutionTimeLimit>PT0S</ExecutionTimeLimit>`
    !insertmacro TASK_LINE `    <Priority>4</Priority>`
    !insertmacro TASK_LINE `  </Settings>`
    !insertmacro TASK_LINE `  <Actions Context="InteractiveUser"><Exec><Command>"$INSTDIR\keyvane.exe"</Command><WorkingDirectory>$INSTDIR</WorkingDirectory></Exec></Actions>`
    !insertmacro TASK_LINE `</Task>`
    FileClose $0
    Pop $0
FunctionEnd

; Sets the error flag when the start at logon could not be arranged.
Function AddStartAtLogon
    ${If} ${AtLeastWinVista}
        StrCpy $1 "$PLUGINSDIR\keyvane-task.xml"
        Call WriteTaskDefinition
        DetailPrint "Scheduling the task $\"${TASK_NAME}$\" at logon"
        nsExec::ExecToLog `"$SYSDIR\schtasks.exe" /create /tn "${TASK_NAME}" /xml "$1" /f`
        Pop $0
        ClearErrors
        ${If} $0 != 0
            DetailPrint "schtasks failed ($0)"
            SetErrors
        ${EndIf}
    ${Else}
        DetailPrint "Starting Keyvane at logon from the Run key"
        WriteRegStr HKLM "${RUN_KEY}" "${TASK_NAME}" `"$INSTDIR\keyvane.exe"`
    ${EndIf}
FunctionEnd

; Takes away whichever of the two an earlier install made: the release, or
; the user's choice, may have changed since.
!macro REMOVE_START_AT_LOGON_FUNCTION UN
Function ${UN}RemoveStartAtLogon
    DeleteRegValue HKLM "${RUN_KEY}" "${TASK_NAME}"
    ${If} ${AtLeastWinVista}
        DetailPrint "Removing the scheduled task $\"${TASK_NAME}$\""
        nsExec::ExecToLog `"$SYSDIR\schtasks.exe" /delete /tn "${TASK_NAME}" /f`
        Pop $0
    ${EndIf}
FunctionEnd
!macroend
