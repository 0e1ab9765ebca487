; The Korvo Q5 companion installer (NSIS 3, 64-bit, Unicode). scripts/package
; runs makensis with:
;   /DVERSION=x.y.z       the product version
;   /DFILES=<file>        the Install lines, one File per shipped file
;   /DREMOVE=<file>       the matching Delete/RMDir lines for the uninstaller
;   /DOUTFILE=<file>      the installer to write
; The uninstaller removes exactly the files this installer put there.
;
; Silent use (/S) takes the choices of the component pages as switches:
;   KorvoQ5-x.y.z-setup.exe /S [/AUTOSTART=1|0] [/D=<folder>]
;       /AUTOSTART=1        start the program with Windows (the logon task)
;       /AUTOSTART=0        do not (an upgrade without either keeps an
;                           existing logon task)
;   uninstall.exe /S [/REMOVESETTINGS=1]
;       /REMOVESETTINGS=1   also delete the stored settings (kept otherwise)
Unicode true
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include WinMessages.nsh
!include WordFunc.nsh
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Korvo Q5 companion"
!define COMPANY "Korvo Q5 companion developers"
!define PROGRAM "KorvoQ5.exe"
!define DEMO "KorvoQ5Demo.exe"
; The title of the main window of both (kMainWindowTitle): it exists while
; the program runs, hidden behind the notification icon or not.
!define MAIN_WINDOW "Korvo Q5 Mouse Driver"
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
; An upgrade goes where the previous install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage components
UninstPage instfiles

; A running program holds its exe and MenuEx.dll open: every copy is closed
; before the files are replaced or removed. WM_CLOSE is the program's own
; Exit (nothing is saved); what still runs after that (a copy that does not
; answer, or one in another user's session) is ended by force.
!macro CloseRunningPrograms un
Function ${un}CloseRunningPrograms
    StrCpy $2 0
    ${Do}
        FindWindow $1 "" "${MAIN_WINDOW}"
        ${If} $1 == 0
        ${OrIf} $2 >= 20
            ${Break}
        ${EndIf}
        DetailPrint "Closing the running ${PRODUCT}"
        SendMessage $1 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        Sleep 250
        IntOp $2 $2 + 1
    ${Loop}
    ; A closed copy may still be ending; a forced end takes a moment too.
    ${If} $2 > 0
        Sleep 500
    ${EndIf}
    nsExec::Exec 'taskkill /F /IM "${PROGRAM}"'
    Pop $1
    nsExec::Exec 'taskkill /F /IM "${DEMO}"'
    Pop $2
    ${If} $1 == 0
    ${OrIf} $2 == 0
        Sleep 500
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CloseRunningPrograms ""
!insertmacro CloseRunningPrograms "un."

; The logon task: at any user's logon, with the highest rights that user has.
Function WriteTaskXml
    InitPluginsDir
    ; The command is element text: a folder name may hold '&'.
    ${WordReplace} "$INSTDIR\${PROGRAM}" "&" "&amp;" "+" $1
    ${WordReplace} "$1" "<" "&lt;" "+" $1
    FileOpen $0 "${TASK_XML}" w
    FileWriteUTF16LE /BOM $0 '<?xml version="1.0" encoding="UTF-16"?>$\r$\n'
    FileWriteUTF16LE $0 '<Task version="1.2" xmlns="http://schemas.microsoft.com/windows/2004/02/mit/task">$\r$\n'
    FileWriteUTF16LE $0 '  <RegistrationInfo><Description>${PRODUCT}</Description></RegistrationInfo>$\r$\n'
    FileWriteUTF16LE $0 '  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>$\r$\n'
    FileWriteUTF16LE $0 '  <Principals><Principal id="Author"><GroupId>S-1-5-32-545</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>$\r$\n'
    FileWriteUTF16LE $0 '  <Settings><MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy><Priority>4</Priority><DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries><StopIfGoingOnBatteries>false</StopIfGoingOnBatteries><ExecutionTimeLimit>PT0S</ExecutionTimeLimit><Enabled>true</Enabled></Settings>$\r$\n'
    FileWriteUTF16LE $0 '  <Actions Context="Author"><Exec><Command>$1</Command></Exec></Actions>$\r$\n'
    FileWriteUTF16LE $0 '</Task>$\r$\n'
    FileClose $0
FunctionEnd

Section "!${PRODUCT}" SecProgram
    SectionIn RO
    Call CloseRunningPrograms
    ; The autostart section below registers the task again when ticked.
    nsExec::Exec 'schtasks /Delete /F /TN "${TASK}"'
    Pop $0
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
    ${If} $0 != 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "Autostart could not be set up: start ${PRODUCT} from the Start menu." /SD IDOK
    ${EndIf}
SectionEnd

Section "un.${PRODUCT}" UnSecProgram
    SectionIn RO
    Call un.CloseRunningPrograms
    nsExec::ExecToLog 'schtasks /Delete /F /TN "${TASK}"'
    Pop $0
    Delete "$SMPROGRAMS\Korvo Q5\Korvo Q5.lnk"
    RMDir "$SMPROGRAMS\Korvo Q5"
    !include "${REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${If} ${RebootFlag}
        MessageBox MB_OK "Some files are in use: they are removed when Windows restarts." /SD IDOK
    ${EndIf}
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
    ; An upgrade keeps the logon task if there is one (Windows keeps each
    ; registered task as a file named after it).
    ${If} ${FileExists} "$SYSDIR\Tasks\${TASK}"
        !insertmacro SelectSection ${SecAutostart}
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/AUTOSTART=" $R1
    StrCpy $R1 $R1 1
    ${IfNot} ${Errors}
        ${If} $R1 == "1"
            !insertmacro SelectSection ${SecAutostart}
        ${ElseIf} $R1 == "0"
            !insertmacro UnselectSection ${SecAutostart}
        ${EndIf}
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
