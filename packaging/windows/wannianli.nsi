; The Windows installer: a per-user install without administrator rights into
; %LOCALAPPDATA%\Programs\wannianli, a Start-menu entry 万年历, an optional start with Windows, and an
; uninstaller that removes everything the installer put there. The user's own settings
; (%APPDATA%\wannianli) stay unless the user ticks their removal (or passes /PURGE to a silent uninstall).
;
; scripts/package-windows runs:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1 -DSTAGE=<folder> -DICON=<file.ico> -DOUTFILE=<setup.exe> wannianli.nsi
; STAGE holds wannianli/ (wannianli.exe, yiji.db, skin/), files.nsh and uninstall-files.nsh (the File and
; Delete lines of every staged file).
; Silent use: setup.exe /S [/AUTOSTART] [/D=folder]; uninstall.exe /S [/PURGE].
; A 64-bit installer: the program is 64-bit, and 64-bit Windows (and wine64) need nothing else to run it.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define APP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\wannianli"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running widget's main window (ui/host/native_host.h, app/raise_on_request.h).
!define WINDOW_CLASS "WannianliWindow"
!define WINDOW_TITLE "万年历"

Name "万年历 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\wannianli"
InstallDirRegKey HKCU "Software\wannianli" "InstallDir"
BrandingText "wannianli ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\wannianli.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "万年历"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "万年历 (wannianli) setup"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"

; A running widget holds its files open: it is asked to close first.
!macro CloseRunningWidget
  FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
  StrCmp $0 0 +3
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  Sleep 500
!macroend

Section "万年历" SecProgram
  SectionIn RO
  !insertmacro CloseRunningWidget
  SetOutPath "$INSTDIR"
  !include "${STAGE}/files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\万年历.lnk" "$INSTDIR\wannianli.exe" "" "$INSTDIR\wannianli.exe" 0

  WriteRegStr HKCU "Software\wannianli" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${APP_KEY}" "DisplayName" "万年历"
  WriteRegStr HKCU "${APP_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${APP_KEY}" "Publisher" "wannianli developers"
  WriteRegStr HKCU "${APP_KEY}" "DisplayIcon" "$INSTDIR\wannianli.exe,0"
  WriteRegStr HKCU "${APP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${APP_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${APP_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${APP_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${APP_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${APP_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "开机时启动 (start with Windows)" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "wannianli" '"$INSTDIR\wannianli.exe"'
SectionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART" $R1
  IfErrors +2
  SectionSetFlags ${SecAutostart} ${SF_SELECTED}
FunctionEnd

Section "un.万年历" UnSecProgram
  SectionIn RO
  !insertmacro CloseRunningWidget
  Delete "$SMPROGRAMS\万年历.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "wannianli"
  DeleteRegKey HKCU "${APP_KEY}"
  DeleteRegKey HKCU "Software\wannianli"
  !include "${STAGE}/uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.用户设置 (the user's settings)" UnSecSettings
  RMDir /r "$APPDATA\wannianli"
SectionEnd

Function un.onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/PURGE" $R1
  IfErrors +2
  SectionSetFlags ${UnSecSettings} ${SF_SELECTED}
FunctionEnd
