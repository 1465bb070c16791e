; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Zasechka. make_installer.sh compiles it with
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DVI_VERSION=1.0.0.0
;     -DSTAGE=<the folder as installed> -DICON=<the program's icon>
;     -DOUTFILE=<setup.exe> -DINSTALL_FILES=<nsh> -DUNINSTALL_FILES=<nsh>
; where the two lists name every file of the staged folder, so that the
; uninstaller removes exactly what the installer wrote.
;
; For one user (the default) or for every user of the computer: the page
; asks when the installer runs with an administrator's rights; a silent
; install takes /CurrentUser or /AllUsers, and /D=<folder> last:
;   zasechka-1.0.0-setup.exe /S /AllUsers
;   zasechka-1.0.0-setup.exe /S /CurrentUser /D=C:\Программы\Zasechka
; The uninstaller takes the same /S and the mode.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestSupportedOS all
ManifestDPIAware true

!ifndef VERSION | VI_VERSION | STAGE | ICON | OUTFILE | INSTALL_FILES | UNINSTALL_FILES
  !error "make_installer.sh defines VERSION, VI_VERSION, STAGE, ICON, OUTFILE, INSTALL_FILES and UNINSTALL_FILES"
!endif

!define APP Zasechka
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zasechka"
; The saved sheet's type: the ProgID that opens .zas files.
!define PROGID "Zasechka.Sheet"
!define SHORTCUT "Zasechka.lnk"

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

; One user by default; every user when run as an administrator and chosen.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
; A later version goes where the earlier one is, in the same mode.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineFolder
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "$(AllUsersNeedAdmin)"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinVer.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
; The GPL asks nothing of the one who runs the program: its page is for
; reading, and «Далее» goes on.
!define MUI_PAGE_HEADER_TEXT "$(LicenseTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(LicenseSubtitle)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LicenseTop)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenseBottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\zasechka.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for a Windows in neither.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString WelcomeText ${LANG_RUSSIAN} "Программа установит на компьютер Zasechka ${VERSION}: решение прямой засечки по формулам Юнга и Гаусса.$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_ENGLISH} "This will install Zasechka ${VERSION} on your computer: the forward intersection by Jung's and Gauss's formulas.$\r$\n$\r$\n$_CLICK"
LangString LicenseTitle ${LANG_RUSSIAN} "Лицензия"
LangString LicenseTitle ${LANG_ENGLISH} "Licence"
LangString LicenseSubtitle ${LANG_RUSSIAN} "На каких условиях распространяется $(^NameDA)."
LangString LicenseSubtitle ${LANG_ENGLISH} "The terms $(^NameDA) comes under."
LangString LicenseTop ${LANG_RUSSIAN} "Zasechka — свободная программа. Её лицензия, GNU GPL версии 3:"
LangString LicenseTop ${LANG_ENGLISH} "Zasechka is free software. Its licence, the GNU GPL version 3:"
LangString LicenseBottom ${LANG_RUSSIAN} "Принимать лицензию не нужно: она разрешает запускать, изучать, изменять и распространять программу. Лицензии Qt, MPFR, GMP, шрифтов и среды выполнения — в папке licenses программы. Нажмите «Далее»."
LangString LicenseBottom ${LANG_ENGLISH} "Nothing to accept: the licence lets you run, study, change and share the program. The licences of Qt, MPFR, GMP, the fonts and the runtime are in the program's licenses folder. Click Next."
LangString NeedWin10 ${LANG_RUSSIAN} "Zasechka работает в 64-разрядной Windows 10 и 11. На этом компьютере Windows старше: установка прервана."
LangString NeedWin10 ${LANG_ENGLISH} "Zasechka needs 64-bit Windows 10 or 11. This computer runs an older Windows: setup stops."
LangString Need64 ${LANG_RUSSIAN} "Zasechka работает только в 64-разрядной Windows 10 и 11: установка прервана."
LangString Need64 ${LANG_ENGLISH} "Zasechka runs on 64-bit Windows 10 and 11 only: setup stops."
LangString AllUsersNeedAdmin ${LANG_RUSSIAN} "Установить Zasechka для всех пользователей компьютера может только администратор."
LangString AllUsersNeedAdmin ${LANG_ENGLISH} "Only an administrator can install Zasechka for all users of this computer."
LangString CloseProgram ${LANG_RUSSIAN} "Zasechka запущена: закройте все её окна и нажмите «Повтор»."
LangString CloseProgram ${LANG_ENGLISH} "Zasechka is running: close all its windows, then click Retry."
LangString ShortcutText ${LANG_RUSSIAN} "Координаты точки прямой засечкой по формулам Юнга и Гаусса"
LangString ShortcutText ${LANG_ENGLISH} "Compute a forward intersection by Jung's and by Gauss's formulas"

VIProductVersion "${VI_VERSION}"
VIFileVersion "${VI_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GPL-3.0-or-later"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${APP}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка ${APP} ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "GPL-3.0-or-later"

; The folder /D= named: MultiUser sets its own default (or the earlier
; version's folder) each time the mode is chosen, and /D= wins over both.
Var CommandLineFolder

Function KeepCommandLineFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $CommandLineFolder $INSTDIR
  ; A 64-bit installer does not even start on 32-bit Windows; the check
  ; stays for a reader of this script.
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "$(Need64)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  ${IfNot} ${AtLeastWin10}
    MessageBox MB_OK|MB_ICONSTOP "$(NeedWin10)" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  !insertmacro MULTIUSER_INIT
FunctionEnd

; A running program's files cannot be replaced or deleted: while zasechka.exe
; or zasechka.com in the folder $R0 runs (Windows refuses to open it for
; writing), ask to close it, or stop with exit status 4 before anything is
; changed. A silent run stops at once.
!macro ProgramClosed UN
  Function ${UN}FileClosed  ; $R0: one of the program's files
    Push $R1
    retry:
    ${If} ${FileExists} $R0
      ClearErrors
      FileOpen $R1 $R0 a
      ${If} ${Errors}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CloseProgram)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel 4
        Quit
      ${EndIf}
      FileClose $R1
    ${EndIf}
    Pop $R1
  FunctionEnd
  Function ${UN}ProgramClosed  ; $R0: the program's folder
    Push $R0
    StrCpy $R0 "$R0\zasechka.exe"
    Call ${UN}FileClosed
    Pop $R0
    Push $R0
    StrCpy $R0 "$R0\zasechka.com"
    Call ${UN}FileClosed
    Pop $R0
  FunctionEnd
!macroend
!insertmacro ProgramClosed ""
!insertmacro ProgramClosed "un."

; Tells Explorer that file types changed, so the icon and the verb of .zas
; files show at once.
!macro NotifyShell
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

Section "Zasechka" SecProgram
  SectionIn RO

  ; Nothing changes while the program runs from this folder or from the
  ; earlier version's.
  ReadRegStr $0 SHCTX "${UNINST_KEY}" "InstallLocation"
  StrCpy $R0 $INSTDIR
  Call ProgramClosed
  ${If} $0 != ""
    StrCpy $R0 $0
    Call ProgramClosed
  ${EndIf}

  ; An earlier (or the same) version in this mode: its own uninstaller takes
  ; it away first, quietly and in place, so that no file of it stays behind
  ; and the list of programs keeps one entry.
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    DetailPrint "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S /$MultiUser.InstallMode _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  !include "${INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start menu: one shortcut, no folder of its own.
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zasechka.exe" "" \
    "$INSTDIR\zasechka.exe" 0 SW_SHOWNORMAL "" "$(ShortcutText)"

  ; A saved sheet opens in the program: the ProgID, listed among the
  ; programs that open .zas, and the type's default unless another program
  ; holds it.
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Лист засечки"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\zasechka.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\zasechka.exe" "%1"'
  WriteRegNone SHCTX "Software\Classes\.zas\OpenWithProgids" "${PROGID}"
  ReadRegStr $0 SHCTX "Software\Classes\.zas" ""
  ${If} $0 == ""
    WriteRegStr SHCTX "Software\Classes\.zas" "" "${PROGID}"
  ${EndIf}

  ; The entry in the list of programs.
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${APP}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\zasechka.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINST_KEY}" "Comments" "$(ShortcutText)"
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1

  !insertmacro NotifyShell
SectionEnd

; The uninstaller's mode: the one its entry was written with (/AllUsers or
; /CurrentUser in UninstallString); run without either, the mode whose entry
; names this folder.
Function un.onInit
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $CommandLineFolder
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  ClearErrors
  ${un.GetOptions} $0 "/CurrentUser" $1
  ${IfNot} ${Errors}
    Return
  ${EndIf}
  ReadRegStr $1 SHCTX "${UNINST_KEY}" "InstallLocation"
  ${If} $1 != $INSTDIR
    ReadRegStr $1 HKLM "${UNINST_KEY}" "InstallLocation"
    ReadRegStr $2 HKCU "${UNINST_KEY}" "InstallLocation"
    ${If} $1 == $INSTDIR
    ${AndIf} $MultiUser.Privileges == "Admin"
      Call un.MultiUser.InstallMode.AllUsers
    ${ElseIf} $2 == $INSTDIR
      Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

Section "Uninstall"
  StrCpy $R0 $INSTDIR
  Call un.ProgramClosed
  ; Exactly the files the installer wrote; a file the user put in the
  ; folder keeps it, and the folder with it.
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${SHORTCUT}"

  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegValue SHCTX "Software\Classes\.zas\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.zas\OpenWithProgids"
  ; The type's default goes only if it still names this program.
  ReadRegStr $0 SHCTX "Software\Classes\.zas" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.zas" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "Software\Classes\.zas"

  DeleteRegKey SHCTX "${UNINST_KEY}"
  !insertmacro NotifyShell
SectionEnd
