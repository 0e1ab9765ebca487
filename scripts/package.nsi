; The Korvo Q5 companion installer (NSIS 3, 64-bit, Unicode). scripts/package
; runs makensis with:
;   /DVERSION=x.y.z       the product version
;   /DBIN=<dir>           the program folder to install (build/win64/bin)
;   /DFILES=<file>        the Install lines, one File per shipped file
;   /DREMOVE=<file>       the matching Delete/RMDir lines for the uninstaller
;   /DOUTFILE=<file>      the installer to write
; The uninstaller removes exactly the files this installer put there.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Korvo Q5 companion"
!define COMPANY "Korvo Q5 companion developers"
!define PROGRAM "KorvoQ5.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvoQ5"
!define SETTINGS_KEY "Software\Korvo\Fingrel\Q5"
; The program needs administrator rights: a Run key would meet a consent
; prompt (or fail silently) at every logon, a task "at logon, with highest
; privileges" starts it elevated without one.
!define TASK "Korvo Q5 companion"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Korvo Q5"
ShowInstDetails show
ShowUninstDetails show

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage components
UninstPage instfiles

; For every user of the machine: the program runs elevated for whoever logs on.
Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "!${PRODUCT}" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateDirectory "$SMPROGRAMS\Korvo Q5"
    CreateShortcut "$SMPROGRAMS\Korvo Q5\Korvo Q5.lnk" "$INSTDIR\${PROGRAM}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Start with Windows" SecAutostart
    nsExec::ExecToLog 'schtasks /Create /F /TN "${TASK}" /SC ONLOGON /RL HIGHEST /TR "\"$INSTDIR\${PROGRAM}\""'
    Pop $0
    DetailPrint "Logon task: $0"
SectionEnd

Section "un.${PRODUCT}" UnSecProgram
    SectionIn RO
    nsExec::ExecToLog 'schtasks /Delete /F /TN "${TASK}"'
    Pop $0
    Delete "$SMPROGRAMS\Korvo Q5\Korvo Q5.lnk"
    RMDir "$SMPROGRAMS\Korvo Q5"
    !include "${REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Off unless the user ticks it: the settings outlive a reinstall.
Section /o "un.Remove my settings" UnSecSettings
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Korvo\Fingrel"
    DeleteRegKey /ifempty HKLM "Software\Korvo"
SectionEnd
