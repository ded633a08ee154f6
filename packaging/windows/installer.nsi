; The Windows installer of IPB-Träger, built on Linux:
;   makensis -DVERSION=1.0.0 -DSTAGE=/abs/stage -DOUTFILE=/abs/ipbtraeger-1.0.0-setup.exe \
;            [-DICON=/abs/ipbtraeger.ico] packaging/windows/installer.nsi
; STAGE holds the whole portable program (ipbtraeger.exe, the Qt and runtime DLLs and the
; plugin folders); it is installed as it is. VERSION is major.minor.patch.
;
; By default it installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\IPB-Träger. Started with administrator rights ("Als Administrator
; ausführen") it also offers the installation for all users into Program Files. /S installs
; silently, /AllUsers and /CurrentUser choose the mode, /D=folder the folder; the uninstaller
; takes /S as well.

!ifndef VERSION | STAGE | OUTFILE
  !error "VERSION, STAGE and OUTFILE must be given, e.g. -DVERSION=1.0.0 -DSTAGE=... -DOUTFILE=..."
!endif

Unicode true
; The program is x64 only, so is its installer; this also keeps the registry and Program Files
; in their 64-bit view without any redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "IPB-Träger"
!define EXE "ipbtraeger.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

; MultiUser only offers the choice of mode with an execution level of Highest; the manifest
; is set back to "user" below so that nobody is asked for administrator rights just to install
; for themselves. Whoever starts the installer elevated gets the choice.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; An update goes where the installation of the same mode went before.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINST_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Ihr Benutzerkonto hat nicht die nötigen Rechte, um $(^Name) für alle Benutzer dieses Computers zu installieren. Starten Sie das Setup dazu als Administrator."
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
RequestExecutionLevel user

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_WELCOME
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PRODUCT}"

; The uninstaller removes what this installer brought, by name, and nothing else: whatever else
; is in the folder (a record someone saved there) stays, and so does the folder then. The list
; is taken from STAGE while compiling, files first, then the folders deepest first.
!macro RemoveFile PATH
  !searchreplace RemovePath "${PATH}" "/" "\"
  Delete "$INSTDIR\${RemovePath}"
  !undef RemovePath
!macroend
!macro RemoveDir PATH
  !searchreplace RemovePath "${PATH}" "/" "\"
  RMDir "$INSTDIR\${RemovePath}"
  !undef RemovePath
!macroend
!tempfile STAGED
; (makensis on Linux turns every backslash in !system into a slash, hence the slashes.)
!system `cd "${STAGE}" && test -f "${EXE}" && { \
    find . -type f | LC_ALL=C sort | sed -e 's|^[.]/|!insertmacro RemoveFile "|' -e 's|$|"|' && \
    find . -mindepth 1 -depth -type d | sed -e 's|^[.]/|!insertmacro RemoveDir "|' -e 's|$|"|'; \
  } > "${STAGED}" || { echo "no ${EXE} in ${STAGE}" >&2; rm -f "${STAGED}"; false; }` = 0

; Where the uninstaller lies tells which installation it belongs to. MultiUser would put the
; folder recorded for the mode it guesses into $INSTDIR, which is the wrong one when the program
; is installed both for the user and for all users.
Var OwnDir

Function .onInit
  StrCpy $OwnDir $INSTDIR ; set only by /D=
  !insertmacro MULTIUSER_INIT
  ${If} $OwnDir != ""
    StrCpy $INSTDIR $OwnDir
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  ; An earlier version's uninstaller removes exactly the files that version brought, so that no
  ; stale DLL of it stays behind unlisted; only ours, in the folder recorded as ours.
  ReadRegStr $0 SHCTX "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
  ${AndIf} ${FileExists} "$INSTDIR\${UNINSTALLER}"
    ExecWait '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
  ${EndIf}

  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ; SHCTX is HKCU for the user's installation, HKLM for all users.
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  StrCpy $OwnDir $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $OwnDir
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    ${If} $MultiUser.Privileges != "Admin"
    ${AndIf} $MultiUser.Privileges != "Power"
      ; Removing the installation for all users needs the rights it was made with: start
      ; again elevated, silently if this was silent.
      StrCpy $1 "/AllUsers"
      ${If} ${Silent}
        StrCpy $1 "$1 /S"
      ${EndIf}
      ExecShell "runas" "$INSTDIR\${UNINSTALLER}" $1
      Quit
    ${EndIf}
    Call un.MultiUser.InstallMode.AllUsers
  ${Else}
    Call un.MultiUser.InstallMode.CurrentUser
  ${EndIf}
  StrCpy $INSTDIR $OwnDir
FunctionEnd

; The user's records and the program's settings (QSettings' file in %LOCALAPPDATA%\ipbtraeger,
; or keys under HKCU\Software) are not the installation's; they stay.
Section "Uninstall"
  !include "${STAGED}"
  !delfile "${STAGED}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINST_KEY}"
SectionEnd
