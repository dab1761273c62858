; SPDX-License-Identifier: GPL-3.0-or-later
; The Italian installer of Velluna for Windows. makensis gets VERSION
; ("1.00"), NUMERIC_VERSION ("1.0.0.0"), EXE (the built Velluna.exe), ICON and
; OUTFILE from the build (the setup target); the licence texts and the
; pictures lie beside this file.
;
; Velluna goes into Program Files for every user when an administrator
; installs it, into the user's own programs folder otherwise; /AllUsers or
; /CurrentUser on the command line chooses, and a Velluna already installed
; is replaced where it is. Either way there is one Start-menu entry and an
; uninstaller registered under "App installate", which runs in the scope of
; the installation (its command line says which) and removes every file,
; folder, shortcut and registry key that installing made. A running Velluna
; is closed first, as its close box would, after asking; /S installs and
; uninstalls silently and closes it without asking. A failure leaves the
; installation as it was, the record included, and ends with a non-zero
; status.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel highest
ManifestDPIAware true
; A file that cannot be written stops the installation: never an old
; Velluna.exe left behind a success.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velluna"
; The caption of Velluna's window, by which a running Velluna is found.
!define TITLE "Velluna    ----Zebo"
!define HWND_TOPMOST -1
!define HWND_NOTOPMOST -2
!define SWP_KEEP 0x13 ; SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: only the z-order changes
!define LICENCE "Licenza.txt"
!define NOTICES "Licenze di terze parti.txt"

Var Scope      ; AllUsers or CurrentUser
Var Privileges ; Admin for an administrator
Var Update     ; 1 when an installed Velluna is replaced
Var Completed  ; the last line of the details
Var Left       ; the files of ours that could not be removed

Name "Velluna ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Velluna ${VERSION}"
CompletedText "$Completed"

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
!define MUI_WELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}\welcome.bmp"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${__FILEDIR__}\header.bmp"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Questo programma installerà $(^NameDA) nel computer; se Velluna è già \
    installata, la sostituisce dov'è. Se Velluna è aperta, ti chiederà il permesso di chiuderla.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
; The GPL asks nothing of who only uses the program.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Velluna è software libero: per usarla non devi accettare nulla. \
    Per proseguire, seleziona 'Avanti'."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${__FILEDIR__}\licenza.txt"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpdate
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velluna.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; Sets $Scope from /AllUsers or /CurrentUser, if given.
!macro ScopeFromCommandLine
    UserInfo::GetAccountType
    Pop $Privileges
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $Scope AllUsers
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $Scope CurrentUser
    ${EndIf}
!macroend

; Program Files, HKLM and everyone's Start menu, or the user's own folders:
; the 64-bit views, as Velluna is a 64-bit program.
!macro UseScope WHAT
    ${If} $Scope == AllUsers
        ${If} $Privileges != Admin
            MessageBox MB_OK|MB_ICONSTOP "Per ${WHAT} Velluna per tutti gli utenti di questo computer \
                servono i diritti di amministratore." /SD IDOK
            SetErrorLevel 3
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

; Closes every Velluna window with the message its close box sends, after
; asking (silently: at once), and waits until Velluna.exe in $INSTDIR is
; free. Leaves on the stack "" or why it could not.
!macro CloseVelluna UN
Function ${UN}CloseVelluna
    FindWindow $0 "" "${TITLE}"
    ${If} $0 <> 0
        ; Velluna keeps above all other windows: it steps behind while she
        ; is asked, and back if she says no.
        System::Call "user32::SetWindowPos(p r0, p ${HWND_NOTOPMOST}, i 0, i 0, i 0, i 0, i ${SWP_KEEP})"
        MessageBox MB_OKCANCEL|MB_ICONINFORMATION|MB_TOPMOST|MB_SETFOREGROUND \
            "Velluna è aperta e va chiusa per continuare: il calcolo che mostra andrà perso, ma potrai \
                rifarlo.$\r$\n$\r$\nSeleziona OK per chiuderla e continuare, Annulla per fermarti." \
            /SD IDOK IDOK close
        System::Call "user32::SetWindowPos(p r0, p ${HWND_TOPMOST}, i 0, i 0, i 0, i 0, i ${SWP_KEEP})"
        Push "Velluna è rimasta aperta: non è stato cambiato nulla."
        Return
    ${EndIf}
close:
    StrCpy $1 0
    ${Do}
        FindWindow $0 "" "${TITLE}"
        ${If} $0 <> 0
            ; Posted, not sent: a window that does not answer cannot hold the count up.
            System::Call "user32::PostMessage(p r0, i ${WM_CLOSE}, p 0, p 0)"
        ${ElseIfNot} ${FileExists} "$INSTDIR\Velluna.exe"
            ${Break}
        ${Else}
            ; A program file in use cannot be opened for writing.
            ClearErrors
            FileOpen $2 "$INSTDIR\Velluna.exe" a
            ${IfNot} ${Errors}
                FileClose $2
                ${Break}
            ${EndIf}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $1 >= 100 ; ten seconds
            System::Call "user32::SetWindowPos(p r0, p ${HWND_NOTOPMOST}, i 0, i 0, i 0, i 0, i ${SWP_KEEP})"
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION|MB_TOPMOST|MB_SETFOREGROUND \
                "Velluna non si è chiusa. Chiudila tu, poi seleziona 'Riprova'." /SD IDCANCEL IDRETRY retry
            Push "Velluna è ancora aperta: non è stato cambiato nulla."
            Return
        retry:
            StrCpy $1 0
        ${EndIf}
        Sleep 100
    ${Loop}
    Push ""
FunctionEnd
!macroend
!insertmacro CloseVelluna ""
!insertmacro CloseVelluna "un."

Function .onInit
    SetRegView 64
    StrCpy $Completed "Installazione completata"
    !insertmacro ScopeFromCommandLine
    ; Without a choice, an installed Velluna stays where it is: everyone's
    ; when an administrator installs, else the user's own.
    ReadRegStr $R2 HKLM "${KEY}" "InstallLocation"
    ReadRegStr $R3 HKCU "${KEY}" "InstallLocation"
    ${If} $Scope == ""
        ${If} $Privileges == Admin
        ${AndIf} $R2 != ""
            StrCpy $Scope AllUsers
        ${ElseIf} $R3 != ""
        ${OrIf} $Privileges != Admin
            StrCpy $Scope CurrentUser
        ${Else}
            StrCpy $Scope AllUsers
        ${EndIf}
    ${EndIf}
    !insertmacro UseScope "installare"
    ReadRegStr $R2 SHCTX "${KEY}" "InstallLocation"
    ${If} $R2 != ""
        StrCpy $INSTDIR $R2
        StrCpy $Update 1
    ${ElseIf} $INSTDIR != "" ; /D=
    ${ElseIf} $Scope == AllUsers
        StrCpy $INSTDIR "$PROGRAMFILES64\Velluna"
    ${Else}
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Velluna"
    ${EndIf}
FunctionEnd

; An update goes where the installed Velluna is.
Function SkipFolderOnUpdate
    ${If} $Update == 1
        Abort
    ${EndIf}
FunctionEnd

Section "Velluna"
    Call CloseVelluna
    Pop $0
    ${If} $0 != ""
        DetailPrint $0
        Abort
    ${EndIf}
    SetOutPath "$INSTDIR"
    File "/oname=Velluna.exe" "${EXE}"
    File "/oname=${LICENCE}" "${__FILEDIR__}\licenza.txt"
    File "/oname=${NOTICES}" "${__FILEDIR__}\terze-parti.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Velluna.lnk" "$INSTDIR\Velluna.exe" "" "$INSTDIR\Velluna.exe" 0

    WriteRegStr SHCTX "${KEY}" "DisplayName" "Velluna"
    WriteRegStr SHCTX "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${KEY}" "Publisher" "Velluna"
    WriteRegStr SHCTX "${KEY}" "DisplayIcon" "$INSTDIR\Velluna.exe,0"
    WriteRegStr SHCTX "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$Scope'
    WriteRegStr SHCTX "${KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$Scope /S'
    WriteRegDWORD SHCTX "${KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${KEY}" "NoRepair" 1
    ; The size "App installate" shows, in KiB.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    StrCpy $Completed "Disinstallazione completata"
    !insertmacro ScopeFromCommandLine
    ; Without a choice, the scope of the record of this folder.
    ${If} $Scope == ""
        ReadRegStr $R2 HKCU "${KEY}" "InstallLocation"
        ${If} $R2 == $INSTDIR
            StrCpy $Scope CurrentUser
        ${Else}
            StrCpy $Scope AllUsers
        ${EndIf}
    ${EndIf}
    !insertmacro UseScope "disinstallare"
FunctionEnd

; Deletes FILE, and adds it to $Left if it is still there.
!macro Remove FILE
    Delete "${FILE}"
    ${If} ${FileExists} "${FILE}"
        StrCpy $Left "$Left$\r$\n${FILE}"
    ${EndIf}
!macroend

; The uninstaller goes last, and the record only when nothing of ours is
; left: until then Velluna stays in "App installate", ready to try again.
Section "Uninstall"
    Call un.CloseVelluna
    Pop $0
    ${If} $0 != ""
        DetailPrint $0
        SetErrorLevel 2
        Abort
    ${EndIf}
    !insertmacro Remove "$INSTDIR\Velluna.exe"
    !insertmacro Remove "$INSTDIR\${LICENCE}"
    !insertmacro Remove "$INSTDIR\${NOTICES}"
    !insertmacro Remove "$SMPROGRAMS\Velluna.lnk"
    ${If} $Left == ""
        !insertmacro Remove "$INSTDIR\Uninstall.exe"
    ${EndIf}
    ${If} $Left != ""
        DetailPrint "Non rimossi:$Left"
        MessageBox MB_OK|MB_ICONSTOP|MB_TOPMOST \
            "Non è stato possibile rimuovere questi file:$\r$\n$Left$\r$\n$\r$\nVelluna resta tra le app \
                installate: chiudi i programmi che li usano e disinstallala di nuovo." \
            /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
    RMDir "$INSTDIR"
    ; The user's own programs folder, if installing made it and nothing else is there.
    ${If} $Scope == CurrentUser
        RMDir "$LOCALAPPDATA\Programs"
    ${EndIf}
    DeleteRegKey SHCTX "${KEY}"
SectionEnd
