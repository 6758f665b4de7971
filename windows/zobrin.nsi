; Zobrin's installer for Windows: Zobrin in Program Files, an entry with its icon in the Start
; menu for every user, and an uninstaller listed in the system's settings that takes all of it
; away again. Built by windows/build with these defined: VERSION, PROGRAM (zobrin.exe), ICON,
; LICENSE and OUTFILE. /S installs and uninstalls without a question; /D=FOLDER, last on the
; command line, installs elsewhere.
; A 64-bit installer for a 64-bit program: it runs where Zobrin runs, and under wine64.
Target amd64-unicode
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zobrin"

Name "Zobrin ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Zobrin"
RequestExecutionLevel admin
LicenseData "${LICENSE}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Zobrin"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Zobrin ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; For every user of the machine.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=zobrin.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Zobrin.lnk" "$INSTDIR\zobrin.exe" "" "$INSTDIR\zobrin.exe" 0 \
    "" "" "Roll dice and watch the sums settle into their distribution"
  WriteRegStr HKLM "${KEY}" "DisplayName" "Zobrin"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\zobrin.exe,0"
  WriteRegStr HKLM "${KEY}" "Publisher" "Zobrin developers"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Zobrin.lnk"
  Delete "$INSTDIR\zobrin.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
