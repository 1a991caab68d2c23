; Ends a running Keyvane the way its tray menu's "Quit" does, so that no file
; is replaced or removed while in use: the "Quit" command (32774) goes to the
; view, the main frame's child that holds the form's edit control 1001; a
; program that has not ended after 5 s is ended by force. Used by the setup
; and the uninstaller alike (UN is "" or "un.").
;
; Sets $KeyvaneEnded to 1 when a running program was ended, and the error
; flag when one could not be ended and the user (or a silent run) gave up.

!define MAIN_WINDOW_TITLE "Keyvane V1.0.20010401"
!define QUIT_COMMAND 32774
!define VIEW_EDIT_CONTROL 1001
!define SYNCHRONIZE_AND_TERMINATE 0x00100001
!define QUIT_WAIT_MS 5000

Var KeyvaneEnded

!macro END_KEYVANE_FUNCTIONS UN
Function ${UN}FindKeyvaneView
    ; In: $R0 the frame. Out: $R3 its view, or 0.
    StrCpy $R3 0
    ${Do}
        FindWindow $R3 "" "" $R0 $R3
        ${If} $R3 = 0
            ${Break}
        ${EndIf}
        GetDlgItem $R5 $R3 ${VIEW_EDIT_CONTROL}
    ${LoopUntil} $R5 <> 0
FunctionEnd

Function ${UN}EndKeyvane
    Push $R0
    Push $R1
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    StrCpy $KeyvaneEnded 0
    ClearErrors
    ${Do}
        FindWindow $R0 "" "${MAIN_WINDOW_TITLE}"
        ${If} $R0 = 0
            ${Break}
        ${EndIf}
        System::Call "user32::GetWindowThreadProcessId(p R0, *i .R1)"
        System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE_AND_TERMINATE}, i 0, i R1) p .R2"
        DetailPrint "Ending the running Keyvane (process $R1)"
        Call ${UN}FindKeyvaneView
        ${If} $R3 <> 0
            System::Call "user32::PostMessage(p R3, i ${WM_COMMAND}, p ${QUIT_COMMAND}, p 0)"
        ${EndIf}
        System::Call "kernel32::WaitForSingleObject(p R2, i ${QUIT_WAIT_MS}) i .R4"
        ${If} $R4 <> 0
            DetailPrint "Keyvane did not end within 5 s: ending it by force"
            System::Call "kernel32::TerminateProcess(p R2, i 1)"
            System::Call "kernel32::WaitForSingleObject(p R2, i ${QUIT_WAIT_MS}) i .R4"
        ${EndIf}
        System::Call "kernel32::CloseHandle(p R2)"
        ${If} $R4 = 0
            StrCpy $KeyvaneEnded 1
            ${Continue}
        ${EndIf}
        ; A frame that is gone by now belonged to a program that ended after all.
        IsWindow $R0 0 keyvane_gone
        MessageBox MB_RETRYCANCEL|MB_ICONSTOP "Keyvane is running and could not be ended.$\r$\n$\r$\nEnd it (Quit in its tray menu), then click Retry; or click Cancel to leave everything as it was." /SD IDCANCEL IDRETRY keyvane_gone
        SetErrors
        ${Break}
      keyvane_gone:
    ${Loop}
    Pop $R5
    Pop $R4
    Pop $R3
    Pop $R2
    Pop $R1
    Pop $R0
FunctionEnd
!macroend
