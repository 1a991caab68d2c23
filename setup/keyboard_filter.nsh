; On Windows 95, 98 and Me the installer library names its filter driver as
; the keyboard's one lower filter, replacing what was there. The setup keeps
; what was there before (in the product's uninstall key, once: an upgrade
; finds "filtrum.sys" already), so that the uninstaller can give the keyboard
; its own driver setup back.

!define KEYBOARD_KEY "Enum\USB\VID_04D9&PID_0022\INST_0"
!define FILTER_SAVED "KeyboardFilterAdded"
!define FILTERS_BEFORE "KeyboardLowerFiltersBefore"

!ifdef DRIVER_PACKAGE
Function SaveKeyboardFilter
    ${If} ${IsNT}
        Return
    ${EndIf}
    ClearErrors
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${FILTER_SAVED}"
    ${IfNot} ${Errors}
        Return
    ${EndIf}
    ClearErrors
    ReadRegStr $0 HKLM "${KEYBOARD_KEY}" "LowerFilters"
    ${IfNot} ${Errors}
        WriteRegStr HKLM "${UNINSTALL_KEY}" "${FILTERS_BEFORE}" $0
    ${EndIf}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "${FILTER_SAVED}" 1
FunctionEnd
!endif

; Takes "filtrum" out again (and nothing else): the filters from before, or
; none when there were none.
Function un.RestoreKeyboardFilter
    ClearErrors
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "${FILTER_SAVED}"
    ${If} ${Errors}
        Return
    ${EndIf}
    ReadRegStr $0 HKLM "${KEYBOARD_KEY}" "LowerFilters"
    ${If} $0 != "filtrum.sys"
    ${AndIf} $0 != "filtrum"
        Return
    ${EndIf}
    DetailPrint "Taking the filter driver out of the keyboard's lower filters"
    ClearErrors
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "${FILTERS_BEFORE}"
    ${If} ${Errors}
        DeleteRegValue HKLM "${KEYBOARD_KEY}" "LowerFilters"
    ${Else}
        WriteRegStr HKLM "${KEYBOARD_KEY}" "LowerFilters" $0
    ${EndIf}
FunctionEnd
