; The per-user installer of Lumivor: no administrator rights, the program that
; fits the machine (64-bit on 64-bit Windows, 32-bit on 32-bit Windows) and its
; licence in the user's own program folder, a Start-menu shortcut, and an entry
; among the installed programs through which it is removed again.
; Built by windows/CMakeLists.txt: makensis -DVERSION=… -DPUBLISHER=…
;   -DPROGRAM_X64=<lumivor.exe> -DPROGRAM_X86=<lumivor.exe> -DLICENCE=<LICENSE.txt>
;   -DICON=<MAINICON.ico> -DOUTFILE=<setup.exe> installer.nsi
; Run with /S it installs, and its uninstaller removes, without a question.

Unicode true
; 32-bit, so that it runs on 32-bit Windows too.
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Lumivor"
!define SHOWN_NAME "Огни судов (Lumivor)"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SHORTCUT "$SMPROGRAMS\${SHOWN_NAME}.lnk"

Name "${SHOWN_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumivor.exe"

!insertmacro MUI_PAGE_WELCOME
; The licence asks nothing of whoever installs the program, so the page informs
; and goes on with Next rather than asking for agreement.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LICENCE_PAGE_BOTTOM)"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used where Windows speaks neither.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString LICENCE_PAGE_BOTTOM ${LANG_RUSSIAN} "Программа распространяется на этих условиях. Нажмите «Далее», чтобы продолжить."
LangString LICENCE_PAGE_BOTTOM ${LANG_ENGLISH} "The program is distributed on these terms. Click Next to continue."

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ; The 32-bit program everywhere else: Windows on ARM runs it too.
  ${If} ${IsNativeAMD64}
    File "/oname=lumivor.exe" "${PROGRAM_X64}"
  ${Else}
    File "/oname=lumivor.exe" "${PROGRAM_X86}"
  ${EndIf}
  File "${LICENCE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\lumivor.exe" "" "$INSTDIR\lumivor.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SHOWN_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumivor.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\lumivor.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only if empty: files the user put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
