; The per-user setup of Tolvane for 64-bit Windows. scripts/windows.sh makes it with
;   makensis -DVERSION=0.2.0 -DFILES=files.nsh -DICON=tolvane.ico -DOUTFILE=...-setup.exe tolvane.nsi
; FILES holds the file lists files.sh writes from the zip's staging folder, so the setup installs
; what the zip holds and its uninstaller removes exactly that, never the folder as a whole:
; images, backups and whatever else the user keeps there stay.
Unicode true
; Debian's Wine runs 64-bit programs only, and the programs are 64-bit anyway.
Target amd64-unicode
ManifestDPIAware true
; Per user: no admin rights, nothing outside the user's profile and HKCU.
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include "${FILES}"

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvane"
!define CLASSES "Software\Classes"
!define PROGID "Tolvane.nes"
!define TYPE_NAME "NES ROM image"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "Tolvane ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Tolvane"
; An upgrade goes where Tolvane is installed, unless /D= says otherwise.
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey ProductName "Tolvane"
VIAddVersionKey CompanyName "The Tolvane developers"
VIAddVersionKey FileDescription "Tolvane ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (c) 2026 The Tolvane developers, MIT License"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Fail TEXT: tells why (in a message box, none with /S) and ends the setup with exit code 2.
!macro Fail text
    SetErrorLevel 2
    MessageBox MB_ICONSTOP|MB_OK "${text}" /SD IDOK
    Abort
!macroend

; DeleteKeyIfEmpty KEY: deletes HKCU\KEY when it holds neither subkeys nor values. (Wine's
; SHDeleteEmptyKey looks at the subkeys alone.) EnumRegValue sets the error flag only when the
; key has no value at all, a default one included.
!macro DeleteKeyIfEmpty key
    EnumRegKey $0 HKCU "${key}" 0
    ClearErrors
    EnumRegValue $1 HKCU "${key}" 0
    ${If} ${Errors}
    ${AndIf} $0 == ""
        DeleteRegKey HKCU "${key}"
    ${EndIf}
!macroend

Section
    ; A Tolvane installed before goes first, by its own uninstaller: only its files go, so one
    ; uninstall entry stays, and files a newer version no longer has do not linger.
    ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ClearErrors
        ExecWait '"$0\uninstall.exe" /S _?=$0' $1
        ${If} ${Errors}
        ${OrIf} $1 != 0
            !insertmacro Fail "The Tolvane installed in $0 could not be removed. Is it running?"
        ${EndIf}
        ; Run in place (_?=), the uninstaller cannot delete itself.
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    ; A file that cannot be written is skipped in a silent run, with the error flag set.
    ClearErrors
    !insertmacro TolvaneInstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ${If} ${Errors}
        !insertmacro Fail "Tolvane could not be installed in $INSTDIR."
    ${EndIf}

    ; The open dialog starts in the working folder: the user's documents, not the program's.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\Tolvane.lnk" "$INSTDIR\tolvane.exe" "" "$INSTDIR\tolvane.exe" 0

    ; "Open with" for .nes images, without taking the type over: the default of .nes stays
    ; whatever the user or another program set.
    WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "${TYPE_NAME}"
    WriteRegStr HKCU "${CLASSES}\${PROGID}" "FriendlyTypeName" "${TYPE_NAME}"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\tolvane.exe",0'
    WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\tolvane.exe" "%1"'
    WriteRegNone HKCU "${CLASSES}\.nes\OpenWithProgids" "${PROGID}"
    WriteRegStr HKCU "${CLASSES}\Applications\tolvane.exe" "FriendlyAppName" "Tolvane"
    WriteRegStr HKCU "${CLASSES}\Applications\tolvane.exe\shell\open\command" "" \
        '"$INSTDIR\tolvane.exe" "%1"'
    WriteRegNone HKCU "${CLASSES}\Applications\tolvane.exe\SupportedTypes" ".nes"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    SectionGetSize 0 $2
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "Tolvane"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "The Tolvane developers"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" '"$INSTDIR\tolvane.exe",0'
    WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $2
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
SectionEnd

Section Uninstall
    ClearErrors
    !insertmacro TolvaneDeleteFiles
    ${If} ${Errors}
        ; The entry stays, so that the uninstall can be run again once the program has ended.
        !insertmacro Fail "Some of Tolvane's files in $INSTDIR could not be removed. Is it running?"
    ${EndIf}
    ; Only folders left empty go: a file the user put there keeps its folder.
    !insertmacro TolvaneRemoveFolders

    Delete "$SMPROGRAMS\Tolvane.lnk"
    DeleteRegKey HKCU "${CLASSES}\${PROGID}"
    DeleteRegKey HKCU "${CLASSES}\Applications\tolvane.exe"
    ; .nes is shared: only the ProgID's value goes, and a key goes only when nothing else is in it.
    DeleteRegValue HKCU "${CLASSES}\.nes\OpenWithProgids" "${PROGID}"
    !insertmacro DeleteKeyIfEmpty "${CLASSES}\.nes\OpenWithProgids"
    !insertmacro DeleteKeyIfEmpty "${CLASSES}\.nes"
    DeleteRegKey HKCU "${UNINST_KEY}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    ; Run in place (_?=) the uninstaller cannot delete itself; whoever ran it so deletes it.
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
