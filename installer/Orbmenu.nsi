; The editor's setup: for the current user under %LOCALAPPDATA%\Programs, or for all users with /ALLUSERS.
; No plug-ins: their DLLs would be unpacked unsigned into %TEMP%, which application control blocks.
; installer/build-setup.sh defines VERSION, PUBLISHER, TARGET, STAGE (with files.nsh), OUTFILE, and SIGN to sign.
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh
!include LogicLib.nsh
!include "${STAGE}\files.nsh"

!define PRODUCT "Orbmenu"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROGID "Orbmenu.Project"
!if "${TARGET}" == "amd64-unicode"
  !define MACHINE_DIR "$PROGRAMFILES64\${PRODUCT}"
!else
  !define MACHINE_DIR "$PROGRAMFILES\${PRODUCT}"
!endif

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PUBLISHER}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!ifdef SIGN
  !uninstfinalize 'bash "${STAGE}/sign.sh" "%1"'
  !finalize 'bash "${STAGE}/sign.sh" "%1"'
!endif

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  StrCpy $0 "$LOCALAPPDATA\Programs\${PRODUCT}"
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/ALLUSERS" $2
  ${IfNot} ${Errors}
    SetShellVarContext all
    ; Without elevation of our own, writing HKLM tells whether the caller gave us the rights.
    ClearErrors
    WriteRegStr HKLM "${KEY}" "SetupProbe" "1"
    ${If} ${Errors}
      MessageBox MB_ICONSTOP "Installing for all users needs administrator rights: start the setup as administrator, or leave out /ALLUSERS to install for yourself." /SD IDOK
      Abort
    ${EndIf}
    DeleteRegValue HKLM "${KEY}" "SetupProbe"
    DeleteRegKey /ifempty HKLM "${KEY}"
    ${If} $INSTDIR == $0
      StrCpy $INSTDIR "${MACHINE_DIR}"
    ${EndIf}
  ${EndIf}
  ; An upgrade goes where the installed version is, unless /D= names another folder.
  ReadRegStr $2 SHCTX "${KEY}" "InstallLocation"
  ${If} $2 != ""
  ${AndIf} $INSTDIR == $0
    StrCpy $INSTDIR $2
  ${EndIf}
  ${If} $2 != ""
  ${AndIf} $INSTDIR == "${MACHINE_DIR}"
    StrCpy $INSTDIR $2
  ${EndIf}
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !insertmacro OrbInstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Orbmenu.exe"

  WriteRegStr SHCTX "Software\Classes\.obm" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\.obm\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "${PRODUCT} project"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\Orbmenu.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\Orbmenu.exe" "%1"'

  WriteRegStr SHCTX "${KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${KEY}" "DisplayIcon" "$INSTDIR\Orbmenu.exe,0"
  WriteRegStr SHCTX "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${KEY}" "NoRepair" 1
  ; The files' size in KB, known when the setup was built (FileFunc's GetSize would need a plug-in).
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; A per-machine install is the one whose entry under HKLM names this folder.
  ReadRegStr $0 HKLM "${KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${EndIf}
FunctionEnd

; Removes what the setup wrote and nothing else: the settings and the user's projects stay, and so does the
; folder if the user keeps files of their own in it.
Section Uninstall
  !insertmacro OrbRemoveFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegValue SHCTX "Software\Classes\.obm\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.obm\OpenWithProgids"
  ReadRegStr $0 SHCTX "Software\Classes\.obm" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.obm" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "Software\Classes\.obm"
  DeleteRegKey SHCTX "${KEY}"
SectionEnd
