; SPDX-FileCopyrightText: 2026 Tarsomel developers
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer. CMake passes VERSION, VI_VERSION, PUBLISHER,
; HOMEPAGE, EXE, ICON, LICENSE, UNINSTALL_EXE, WORKER and OUTFILE as defines
; (packaging/windows). It installs tarsomel.exe, with a Start-menu entry for
; every user, and an uninstaller that removes all of it: uninstall.exe
; (uninstall.nsi), which runs this installer's own uninstaller, written as
; WORKER, and waits for it, so that its status is the uninstall's. /S runs
; either silently.
;
; Neither works around a running Tarsomel: Windows keeps a running program's
; file from being replaced or deleted, and an install or uninstall that went
; on would leave the old program under the new version, or a program with no
; uninstall entry. Both look first, and change nothing while it runs: asked,
; the teacher can close it and try again, or cancel; run silently, they exit
; with status 32 (ERROR_SHARING_VIOLATION, "the file is in use").

Unicode true
; The program is 64-bit only, so the installer is too: it then sees the real
; Program Files and registry on 64-bit Windows.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
; The files keep no build-time dates, so that the same program gives the same installer.
SetDateSave off
RequestExecutionLevel admin

!define MENU_NAME "Тарсомел"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarsomel"
!define IN_USE_STATUS 32
; Windows Installer's ERROR_PRODUCT_VERSION: a newer version is installed.
!define NEWER_STATUS 1638

Name "${MENU_NAME}"
Caption "${MENU_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarsomel"
; An install over an earlier one goes where that one went, unless told
; otherwise (/D=), so that no second copy is left that nothing removes. (A
; 64-bit installer reads the 64-bit registry, where the entry is.)
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${MENU_NAME} ${VERSION}"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WordFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarsomel.exe"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

VIProductVersion "${VI_VERSION}"
VIFileVersion "${VI_VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "${MENU_NAME}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталиране на ${MENU_NAME} ${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "© ${PUBLISHER}, GPL-3.0-or-later"

Function .onInit
  SetRegView 64
  SetShellVarContext all
  ; An older installer never replaces a newer program, as the .msi refuses
  ; to: it says so, or silently ends with NEWER_STATUS, having changed
  ; nothing.
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $R0 != ""
    ${VersionCompare} $R0 "${VERSION}" $R1
    ${If} $R1 == 1
      MessageBox MB_OK|MB_ICONSTOP "На този компютър вече е инсталирана по-нова версия на Тарсомел ($R0). Ако искате тази, първо премахнете по-новата." /SD IDOK
      SetErrorLevel ${NEWER_STATUS}
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Whether the installed tarsomel.exe runs, for any user of the computer:
; $R0 is 1 or 0. A process counts when its file is that one, so a copy run
; from anywhere else (the portable zip) is no obstacle. Windows also keeps a
; running program's file from being opened for writing: that says so too,
; should the path reach us in another form. Uses $R1 to $R8.
!macro FindRunning
  StrCpy $R0 0
  GetFullPathName $R1 "$INSTDIR\tarsomel.exe"
  ; TH32CS_SNAPPROCESS; PROCESSENTRY32W is 568 bytes, the process id at 8.
  System::Call 'kernel32::CreateToolhelp32Snapshot(i 2, i 0) p .R2'
  ${If} $R2 P<> -1
    System::Alloc 568
    Pop $R3
    System::Call '*$R3(i 568)'
    System::Call 'kernel32::Process32FirstW(p R2, p R3) i .R4'
    ${DoWhile} $R4 <> 0
      System::Call '*$R3(i, i, i .R5)'
      ; PROCESS_QUERY_LIMITED_INFORMATION, which an administrator has for
      ; other users' processes too.
      System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i R5) p .R6'
      ${If} $R6 P<> 0
        System::Call 'kernel32::QueryFullProcessImageNameW(p R6, i 0, w .R7, *i ${NSIS_MAX_STRLEN}) i .R8'
        System::Call 'kernel32::CloseHandle(p R6)'
        ${If} $R8 <> 0
        ${AndIf} $R7 == $R1
          StrCpy $R0 1
          ${Break}
        ${EndIf}
      ${EndIf}
      System::Call 'kernel32::Process32NextW(p R2, p R3) i .R4'
    ${Loop}
    System::Free $R3
    System::Call 'kernel32::CloseHandle(p R2)'
  ${EndIf}
  ${If} $R0 = 0
  ${AndIf} ${FileExists} "$INSTDIR\tarsomel.exe"
    ClearErrors
    FileOpen $R2 "$INSTDIR\tarsomel.exe" a
    ${If} ${Errors}
      StrCpy $R0 1
    ${Else}
      FileClose $R2
    ${EndIf}
  ${EndIf}
!macroend

; Goes on once the installed tarsomel.exe is not running. Asks to close it
; and try again, or quits with IN_USE_STATUS having changed nothing;
; silently, quits at once.
!macro WaitWhileRunning MESSAGE
  ${Do}
    !insertmacro FindRunning
    ${If} $R0 = 0
      ${Break}
    ${EndIf}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${MESSAGE}" /SD IDCANCEL IDRETRY`
      SetErrorLevel ${IN_USE_STATUS}
      Quit
    ${EndIf}
  ${Loop}
!macroend

!define RUNNING "Тарсомел работи на този компютър – може би е стартиран от друг потребител."
!define CLOSE_IT "Затворете всички прозорци на Тарсомел и опитайте отново."
!define NOT_REPLACED "Докато работи, той не може да бъде заменен. Ако изберете „Отказ“, нищо няма да бъде променено."
!define IN_PLACE "Когато е стартирана с _?= от папката на Тарсомел, програмата за премахване не може да изтрие сама себе си. \
Стартирайте uninstall.exe от папката на Тарсомел. Нищо не е променено."
!define NOT_REMOVED "Докато работи, той не може да бъде премахнат. Ако изберете „Отказ“, нищо няма да бъде премахнато."

Section "Tarsomel"
  !insertmacro WaitWhileRunning "${RUNNING}$\r$\n$\r$\n${NOT_REPLACED}$\r$\n$\r$\n${CLOSE_IT}"
  SetOutPath "$INSTDIR"
  ; Should it have been started since, the program is the first file written:
  ; nothing else has changed yet.
  ClearErrors
  File "/oname=tarsomel.exe" "${EXE}"
  ${If} ${Errors}
    SetErrorLevel ${IN_USE_STATUS}
    Quit
  ${EndIf}
  File "/oname=uninstall.exe" "${UNINSTALL_EXE}"
  WriteUninstaller "$INSTDIR\${WORKER}"
  CreateShortcut "$SMPROGRAMS\${MENU_NAME}.lnk" "$INSTDIR\tarsomel.exe" "" "$INSTDIR\tarsomel.exe" 0 \
    SW_SHOWNORMAL "" "Тест за температурите на топене на химичните елементи"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${MENU_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarsomel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  ; Run in place (with _?=, not from a copy) it could not delete its own file,
  ; which Windows keeps while it runs: refused before anything changes.
  GetFullPathName $1 "$INSTDIR\${WORKER}"
  ${If} $1 == $EXEPATH
    MessageBox MB_OK|MB_ICONSTOP "${IN_PLACE}" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  !insertmacro WaitWhileRunning "${RUNNING}$\r$\n$\r$\n${NOT_REMOVED}$\r$\n$\r$\n${CLOSE_IT}"
  ; The program first: should it have been started since, nothing else has
  ; changed yet.
  Delete "$INSTDIR\tarsomel.exe"
  ${If} ${FileExists} "$INSTDIR\tarsomel.exe"
    SetErrorLevel ${IN_USE_STATUS}
    Quit
  ${EndIf}
  Delete "$INSTDIR\${WORKER}"
  ; uninstall.exe is most likely running: it started this copy and waits for
  ; it. Windows lets a running program's file be moved, not deleted: moved to
  ; the temporary folder, it goes when Windows next starts.
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    GetTempFileName $2
    Delete "$2"
    Rename "$INSTDIR\uninstall.exe" "$2"
    Delete /REBOOTOK "$2"
  ${EndIf}
  Delete "$SMPROGRAMS\${MENU_NAME}.lnk"
  ; Only when empty: never take files the program did not put there.
  RMDir "$INSTDIR"
  ; The uninstall entry is the way to finish the job: it stays while any file
  ; of the program does.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
  ${OrIf} ${FileExists} "$INSTDIR\${WORKER}"
    SetErrorLevel 2
    Quit
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The copy this runs from, in the temporary folder, goes when Windows next
  ; starts.
  Delete /REBOOTOK "$EXEPATH"
SectionEnd
