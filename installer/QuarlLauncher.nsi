; The Quarl Launcher's installer and uninstaller, for the current user: no administrator rights.
;
; Built by the Windows build (target "installer"):
;   makensis -DLAUNCHER_EXE=... -DREDIRECT_EXE=... -DDOCS_DIR=... -DICON=... -DOUTFILE=...
;            [-DAMD64] QuarlLauncher.nsi
; AMD64 makes the x86-64 test vehicle for machines that cannot run 32-bit programs; the product is
; the 32-bit installer.
;
; Silent use: QuarlLauncherSetup.exe /S [/D=C:\Folder]   Uninstall.exe /S

!ifdef AMD64
  Target amd64-unicode
!else
  Unicode true
!endif
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Quarl Launcher"
!define VERSION_TEXT "2.10 build 8"
!define LAUNCHER_KEY "Software\Quarl\Launcher"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuarlLauncher"
!define URL_KEY "Software\Classes\quarl"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; The user's own programs folder; a re-install goes where the launcher key says it is.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${LAUNCHER_KEY}" "InstallationPath"
BrandingText "${PRODUCT} ${VERSION_TEXT}"

VIProductVersion "2.10.0.8"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "Tamsel Software"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey "ProductVersion" "2.10"
VIAddVersionKey "LegalCopyright" "Tamsel Software"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Launcher.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "-INSTALL"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "The launcher restores every game service and game file it patched before it is removed. Your address book and settings stay unless you tick them below."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; A running launcher's program can be neither replaced nor removed, and it would go on using the
; files and keys that are changing under it: it must be closed first. It is found by its
; single-instance hand-over area, named after its file name.
!macro WaitForClosedLauncher WHAT
  ${Do}
    System::Call 'kernel32::OpenFileMappingW(i 4, i 0, w "Launcher.exe") p .r0'
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "${PRODUCT} is running: ${WHAT}"
    retry:
  ${Loop}
!macroend

Section "Quarl Launcher" SecLauncher
  SectionIn RO
  !insertmacro WaitForClosedLauncher "nothing was installed."
  SetOutPath "$INSTDIR"
  File "/oname=Launcher.exe" "${LAUNCHER_EXE}"
  File "/oname=redirect.exe" "${REDIRECT_EXE}"
  ; The help pages the Help menu opens, and the user guide with its pictures.
  SetOutPath "$INSTDIR\help"
  File "${HELP_DIR}/*.html"
  File "${HELP_DIR}/*.css"
  SetOutPath "$INSTDIR\guide"
  File "${DOCS_DIR}/user-guide.md"
  File "${DOCS_DIR}/*.png"
  SetOutPath "$INSTDIR"

  ; The launcher key names the launcher's own folder (help, address book, redirect.exe).
  WriteRegStr HKCU "${LAUNCHER_KEY}" "InstallationPath" "$INSTDIR"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Launcher.exe" "" \
      "$INSTDIR\Launcher.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_TEXT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Launcher.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tamsel Software"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" 2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" 10
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; quarl: links open the launcher.
  WriteRegStr HKCU "${URL_KEY}" "" "URL:${PRODUCT}"
  WriteRegStr HKCU "${URL_KEY}" "URL Protocol" ""
  WriteRegStr HKCU "${URL_KEY}\DefaultIcon" "" "$INSTDIR\Launcher.exe,0"
  WriteRegStr HKCU "${URL_KEY}\shell\open\command" "" '"$INSTDIR\Launcher.exe" -LINK "%1"'
SectionEnd

; --- Uninstaller ------------------------------------------------------------------------------



Section "un.Quarl Launcher" UnSecLauncher
  SectionIn RO
  !insertmacro WaitForClosedLauncher "nothing was removed."

  ; The launcher restores every patched game service and executable, then ends.
  ExecWait '"$INSTDIR\Launcher.exe" -UNINSTALL'
  ; Removing the launcher while a patch is still in place would leave the games starting a
  ; launcher that is gone.
  ReadRegStr $1 HKCU "${LAUNCHER_KEY}" "Patched"
  ReadRegStr $2 HKCU "${LAUNCHER_KEY}" "GameSpyPatched"
  ReadRegStr $3 HKCU "${LAUNCHER_KEY}" "KaliPatched"
  ${If} $1 S== "True"
  ${OrIf} $2 S== "True"
  ${OrIf} $3 S== "True"
    MessageBox MB_OK|MB_ICONEXCLAMATION \
        "The game services could not all be restored, so ${PRODUCT} was not removed. Undo the patches in the Launch Tool, then uninstall again." \
        /SD IDOK
    SetErrorLevel 2
    Abort "The game services are still patched: nothing was removed."
  ${EndIf}

  Delete "$INSTDIR\Launcher.exe"
  Delete "$INSTDIR\redirect.exe"
  RMDir /r "$INSTDIR\help"
  RMDir /r "$INSTDIR\guide"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${URL_KEY}"
  DeleteRegValue HKCU "${LAUNCHER_KEY}" "InstallationPath"
SectionEnd

Section /o "un.My address book and settings" UnSecPlayerData
  Delete "$INSTDIR\addressbook.txt"
  Delete "$INSTDIR\addressbook.bak"
  DeleteRegKey HKCU "${LAUNCHER_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Quarl"
SectionEnd

Section "-un.Folder"
  RMDir "$INSTDIR"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecLauncher} "The launcher, redirect.exe, the help pages, the Start menu entry and the quarl: links."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecPlayerData} "addressbook.txt and the launcher's settings. Leave it unticked to keep them for a later installation."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
