; SPDX-License-Identifier: GPL-3.0-or-later
; The Italian installer of Velluna for Windows. makensis gets VERSION
; ("1.00"), NUMERIC_VERSION ("1.0.0.0"), EXE (the built Velluna.exe),
; LICENSE, ICON and OUTFILE from the build (the setup target).
;
; With administrator rights Velluna goes into Program Files for every user;
; without them, into the user's own programs folder. Either way there is one
; Start-menu entry and an uninstaller registered under "App installate";
; uninstalling removes every file, folder, shortcut and registry key that
; installing made. /S installs and uninstalls silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel highest
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velluna"

Name "Velluna ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Velluna ${VERSION}"
InstallDir "$PROGRAMFILES64\Velluna"

VIProductVersion "${NUMERIC_VERSION}"
VIFileVersion "${NUMERIC_VERSION}"
VIAddVersionKey /LANG=1040 "ProductName" "Velluna"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Velluna"
VIAddVersionKey /LANG=1040 "CompanyName" "Velluna"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velluna.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Var AllUsers

; Program Files and HKLM for an administrator, the user's own folders and
; HKCU otherwise. The 64-bit views: Velluna is a 64-bit program.
!macro ChooseScope
    SetRegView 64
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        StrCpy $AllUsers 1
        SetShellVarContext all
    ${Else}
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${EndIf}
!macroend

Function .onInit
    !insertmacro ChooseScope
    ${If} $AllUsers == 0
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Velluna"
    ${EndIf}
FunctionEnd

Section "Velluna"
    SetOutPath "$INSTDIR"
    File "/oname=Velluna.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Velluna.lnk" "$INSTDIR\Velluna.exe" "" "$INSTDIR\Velluna.exe" 0

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Velluna"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Velluna"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velluna.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; The size "App installate" shows, in KiB.
    FileOpen $1 "$INSTDIR\Velluna.exe" r
    FileSeek $1 0 END $0
    FileClose $1
    IntOp $0 $0 + 1023
    IntOp $0 $0 >> 10
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    !insertmacro ChooseScope
FunctionEnd

Section "Uninstall"
    Delete "$INSTDIR\Velluna.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Velluna.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
