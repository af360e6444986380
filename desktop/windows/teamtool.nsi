; The TeamTool installer for Windows: installs for the current user, without
; administrator rights, with a Start-menu shortcut and an uninstaller.
;   makensis -DVERSION=1.0 -DSOURCE_DIR=<deployed folder> -DOUTFILE=<setup.exe> teamtool.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TeamTool"

Name "TeamTool ${VERSION}"
OutFile "${OUTFILE}"
Icon "${SOURCE_DIR}\teamtool.ico"
UninstallIcon "${SOURCE_DIR}\teamtool.ico"
InstallDir "$LOCALAPPDATA\Programs\TeamTool"
InstallDirRegKey HKCU "Software\TeamTool" "InstallDir"
BrandingText "TeamTool ${VERSION}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "TeamTool"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${SOURCE_DIR}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateDirectory "$SMPROGRAMS\TeamTool"
    CreateShortcut "$SMPROGRAMS\TeamTool\TeamTool.lnk" "$INSTDIR\teamtool.exe" "" "$INSTDIR\teamtool.ico"
    WriteRegStr HKCU "Software\TeamTool" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "TeamTool"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The TeamTool developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\teamtool.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\TeamTool\TeamTool.lnk"
    RMDir "$SMPROGRAMS\TeamTool"
    RMDir /r "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\TeamTool"
SectionEnd
