; The Tallyon installer: the calculator window into Program Files, a Start
; menu shortcut, and an uninstaller listed in Add/Remove Programs that
; leaves the user's settings (HKCU\Software\Corvane\Tallyon) alone.
; Defines from the build: VERSION, PROGRAM (tallyon.exe), OUTFILE, TARGET
; (x86-unicode or amd64-unicode).
Unicode true
Target ${TARGET}
Name "Tallyon"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!if ${TARGET} == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\Tallyon"
!else
  InstallDir "$PROGRAMFILES\Tallyon"
!endif
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Tallyon"
VIAddVersionKey "FileDescription" "Tallyon setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Corvane"
VIAddVersionKey "LegalCopyright" "Corvane"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyon"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
!if ${TARGET} == "amd64-unicode"
  SetRegView 64
!endif
FunctionEnd

Function un.onInit
!if ${TARGET} == "amd64-unicode"
  SetRegView 64
!endif
FunctionEnd

Section "Tallyon"
  SetOutPath "$INSTDIR"
  File "/oname=tallyon.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Tallyon.lnk" "$INSTDIR\tallyon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tallyon"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Corvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tallyon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's settings stay: only what the installer put there goes.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tallyon.lnk"
  Delete "$INSTDIR\tallyon.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
