; Installer for gen_tavrin.dll: finds the player's folder, puts the plug-in
; into its Plugins folder and registers an uninstaller that takes the
; plug-in away again and leaves the player's settings alone.
;
;   makensis -DDLL=path\gen_tavrin.dll -DOUTFILE=setup.exe [-DARCH=amd64] gen_tavrin.nsi

Unicode true
!include "FileFunc.nsh"

!ifndef DLL
  !error "Give the plug-in with -DDLL=..."
!endif
!ifndef OUTFILE
  !define OUTFILE "gen_tavrin-2.3-setup.exe"
!endif
!ifdef ARCH
  !if "${ARCH}" == "amd64"
    Target amd64-unicode
  !else
    Target x86-unicode
  !endif
!else
  Target x86-unicode
!endif

!define PRODUCT "Tavrin Winamp Plugin"
!define VERSION "2.3"
!define PLAYER_UNINSTALL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Winamp"
!define OUR_UNINSTALL "Software\Microsoft\Windows\CurrentVersion\Uninstall\gen_tavrin"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Winamp"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
VIProductVersion "2.3.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT licence"

DirText "Setup puts gen_tavrin.dll into the Plugins folder of the player. Choose the folder that holds winamp.exe."
Page directory "" "" CheckPlayerFolder
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The player's own uninstall entry says where it lives, unless a folder
; holding the player was given with /D=.
Function .onInit
  IfFileExists "$INSTDIR\winamp.exe" done
  ReadRegStr $0 HKLM "${PLAYER_UNINSTALL}" "UninstallString"
  StrCmp $0 "" done
  StrCpy $1 $0 1
  StrCmp $1 '"' 0 +2
    StrCpy $0 $0 -1 1
  ${GetParent} "$0" $0
  IfFileExists "$0\winamp.exe" 0 done
  StrCpy $INSTDIR $0
done:
FunctionEnd

Function CheckPlayerFolder
  IfFileExists "$INSTDIR\winamp.exe" +3
    MessageBox MB_ICONEXCLAMATION "There is no winamp.exe in$\r$\n$INSTDIR$\r$\nChoose the player's folder."
    Abort
FunctionEnd

Section "gen_tavrin"
  IfFileExists "$INSTDIR\winamp.exe" +4
    MessageBox MB_ICONSTOP "There is no winamp.exe in $INSTDIR: nothing was installed." /SD IDOK
    SetErrorLevel 2
    Quit
  SetOutPath "$INSTDIR\Plugins"
  File "/oname=gen_tavrin.dll" "${DLL}"
  WriteUninstaller "$INSTDIR\Plugins\gen_tavrin-uninstall.exe"
  WriteRegStr HKLM "${OUR_UNINSTALL}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${OUR_UNINSTALL}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${OUR_UNINSTALL}" "InstallLocation" "$INSTDIR\Plugins"
  WriteRegStr HKLM "${OUR_UNINSTALL}" "UninstallString" '"$INSTDIR\Plugins\gen_tavrin-uninstall.exe"'
  WriteRegDWORD HKLM "${OUR_UNINSTALL}" "NoModify" 1
  WriteRegDWORD HKLM "${OUR_UNINSTALL}" "NoRepair" 1
SectionEnd

; The uninstaller lives in the Plugins folder: $INSTDIR is that folder here.
; The player's ini file, with the plug-in's section in it, stays as it is.
Section "Uninstall"
  Delete "$INSTDIR\gen_tavrin.dll"
  Delete "$INSTDIR\gen_tavrin-uninstall.exe"
  DeleteRegKey HKLM "${OUR_UNINSTALL}"
SectionEnd
