; The Korvo Q5 companion installer (NSIS 3, 64-bit, Unicode). scripts/package
; runs makensis with:
;   /DVERSION=x.y.z       the product version
;   /DFILES=<file>        the Install lines, one File per shipped file
;   /DREMOVE=<file>       the matching Delete/RMDir lines for the uninstaller
;   /DOUTFILE=<file>      the installer to write
; The uninstaller removes exactly the files this installer put there.
;
; Silent use (/S) takes the choices of the component pages as switches:
;   KorvoQ5-x.y.z-setup.exe /S [/AUTOSTART=1] [/D=<folder>]
;       /AUTOSTART=1        start the program with Windows (the logon task)
;   uninstall.exe /S [/REMOVESETTINGS=1]
;       /REMOVESETTINGS=1   also delete the stored settings (kept otherwise)
Unicode true
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
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
; privileges" starts it elevated without one. The task is registered from an
; XML definition (schtasks /Create /XML), the form both Windows and Wine's
; schtasks accept.
!define TASK "Korvo Q5 companion"
!define TASK_XML "$PLUGINSDIR\logon-task.xml"

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

; The logon task: at any user's logon, with the highest rights that user has.
Function WriteTaskXml
    InitPluginsDir
    FileOpen $0 "${TASK_XML}" w
    FileWriteUTF16LE /BOM $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
    FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
    FileWriteUTF16LE $0 '  <RegistrationInfo><Description>${PRODUCT}</Description></RegistrationInfo>$\r$\n'
    FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>$\r$\n'
    FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><GroupId>S-1-5-32-545</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
    FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>$\r$\n'
    FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>$INSTDIR\${PROGRAM}</Command></Exec></Actions>$\r$\n'
    FileWriteUTF16LE $0 '</Task>$\r$\n'
    FileClose $0
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
    Call WriteTaskXml
    nsExec::ExecToLog 'schtasks /Create /F /TN "${TASK}" /XML "${TASK_XML}"'
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

; For every user of the machine: the program runs elevated for whoever logs on.
; The switches below come after the sections whose indexes they use.
Function .onInit
    SetRegView 64
    SetShellVarContext all
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AUTOSTART=" $R1
    StrCpy $R1 $R1 1
    ${IfNot} ${Errors}
    ${AndIf} $R1 == "1"
        !insertmacro SelectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS=" $R1
    StrCpy $R1 $R1 1
    ${IfNot} ${Errors}
    ${AndIf} $R1 == "1"
        !insertmacro SelectSection ${UnSecSettings}
    ${EndIf}
FunctionEnd
