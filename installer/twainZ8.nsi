; The installer of the ZEVODAZ TWAIN source, its sample picture, the optional
; English resource library and QXLauncher. It asks for the language and the
; scanner's COM port and writes the port driver's key; its uninstaller removes
; what it wrote and nothing else (never a profiles file or a log).
;
;   makensis -INPUTCHARSET UTF8 -DPAYLOAD=/abs/payload.nsh -DOUTFILE=setup.exe twainZ8.nsi
; (the build makes payload.nsh from payload.txt and runs this)
;
; Silent use: setup.exe /S [/PORT=1..9] [/LANG=EN|FR]; without them an upgrade
; keeps the earlier choices, a first install takes COM1 and French.
Unicode true
!ifdef X64_STUB
  Target amd64-unicode
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include nsDialogs.nsh

!define PRODUCT "VARUR UZ Edazi 1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\twainZ8"
!define DRIVER_KEY "System\CurrentControlSet\Services\QXXNT"
!define PORT_KEY "${DRIVER_KEY}\Parameters"
!define PORT_VALUE "2"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The launcher is a 32-bit program.
InstallDir "$PROGRAMFILES32\QXLauncher"
ShowInstDetails show
ShowUninstDetails show

Var Port
Var SourceLanguage
Var PortCombo
Var LanguageCombo

Page custom SettingsPage SettingsLeave
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!include "${PAYLOAD}"

; Stops with a clear message and exit code 2 on a bad command line.
!macro Refuse text
  ${IfNot} ${Silent}
    MessageBox MB_ICONSTOP "${text}"
  ${EndIf}
  SetErrorLevel 2
  Quit
!macroend

; Whether Windows is 64-bit (a 64-bit stub knows it already), and the uninstall
; entry in the system's own registry view whatever the stub, so that a 32-bit
; and a 64-bit build of this script upgrade each other.
Var OnX64
!macro UseSystemRegistryView
  !ifdef X64_STUB
    StrCpy $OnX64 1
  !else
    StrCpy $OnX64 0
    ${If} ${RunningX64}
      StrCpy $OnX64 1
    ${EndIf}
  !endif
  ${If} $OnX64 = 1
    SetRegView 64
  ${EndIf}
!macroend

Function .onInit
  !insertmacro UseSystemRegistryView
  ; An upgrade goes where the first install went (unless /D= says otherwise)
  ; and offers the earlier choices.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $INSTDIR == "$PROGRAMFILES32\QXLauncher"
    StrCpy $INSTDIR $0
  ${EndIf}
  ReadRegStr $Port HKLM "${UNINSTALL_KEY}" "Port"
  ReadRegStr $SourceLanguage HKLM "${UNINSTALL_KEY}" "Language"
  ${If} $Port == ""
    StrCpy $Port 1
  ${EndIf}
  ${If} $SourceLanguage == ""
    StrCpy $SourceLanguage FR
  ${EndIf}

  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/PORT=" $R1
  ${IfNot} ${Errors}
    StrLen $R2 $R1
    ${If} $R2 != 1
    ${OrIf} $R1 < 1
    ${OrIf} $R1 > 9
      !insertmacro Refuse "/PORT= takes a COM port number from 1 to 9, not '$R1'."
    ${EndIf}
    StrCpy $Port $R1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == EN
    ${OrIf} $R1 == FR
      StrCpy $SourceLanguage $R1
    ${Else}
      !insertmacro Refuse "/LANG= takes EN or FR, not '$R1'."
    ${EndIf}
  ${EndIf}
FunctionEnd

Function SettingsPage
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "Choose the language of the scanning dialogs and the COM port the scanner is connected to."
  Pop $0
  ${NSD_CreateLabel} 0 34u 80u 12u "Language:"
  Pop $0
  ${NSD_CreateDropList} 84u 32u 80u 80u ""
  Pop $LanguageCombo
  ${NSD_CB_AddString} $LanguageCombo "English"
  ${NSD_CB_AddString} $LanguageCombo "Français"
  ${If} $SourceLanguage == EN
    ${NSD_CB_SelectString} $LanguageCombo "English"
  ${Else}
    ${NSD_CB_SelectString} $LanguageCombo "Français"
  ${EndIf}
  ${NSD_CreateLabel} 0 54u 80u 12u "Scanner port:"
  Pop $0
  ${NSD_CreateDropList} 84u 52u 80u 120u ""
  Pop $PortCombo
  ${For} $1 1 9
    ${NSD_CB_AddString} $PortCombo "COM$1"
  ${Next}
  ${NSD_CB_SelectString} $PortCombo "COM$Port"
  nsDialogs::Show
FunctionEnd

Function SettingsLeave
  ${NSD_GetText} $LanguageCombo $0
  ${If} $0 == "English"
    StrCpy $SourceLanguage EN
  ${Else}
    StrCpy $SourceLanguage FR
  ${EndIf}
  ${NSD_GetText} $PortCombo $0
  StrCpy $Port $0 "" 3
FunctionEnd

Section "Install"
  ; The port value is removed at uninstall only when this installer created
  ; it: a port driver's own value stays.
  ClearErrors
  ReadRegDWORD $0 HKLM "${PORT_KEY}" "${PORT_VALUE}"
  ${If} ${Errors}
    StrCpy $1 1
  ${Else}
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "PortValueCreated"
  ${EndIf}
  WriteRegDWORD HKLM "${PORT_KEY}" "${PORT_VALUE}" $Port

  !insertmacro Z8_INSTALL_FILES
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; One entry, whatever the number of runs: the key has a fixed name.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} (TWAIN source)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "TAVRO"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "1.1"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Port" $Port
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Language" $SourceLanguage
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "PortValueCreated" $1
SectionEnd

Function un.onInit
  !insertmacro UseSystemRegistryView
FunctionEnd

Section "Uninstall"
  !insertmacro Z8_REMOVE_FILES
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"

  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "PortValueCreated"
  ${If} $0 = 1
    DeleteRegValue HKLM "${PORT_KEY}" "${PORT_VALUE}"
    DeleteRegKey /ifempty HKLM "${PORT_KEY}"
    DeleteRegKey /ifempty HKLM "${DRIVER_KEY}"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
