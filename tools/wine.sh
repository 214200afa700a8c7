#!/usr/bin/env bash
# Runs a Windows program under Wine as a school's Windows would run it: in a prefix of its own, made on
# first use, with Windows' core fonts in their own metrics (Arial, Times New Roman and Courier New made from
# the Liberation fonts, tools/wine-fonts.py) and controls drawn in a visual style, at the display scale
# asked, in the locale asked.
#
# Usage: wine.sh PROGRAM [ARGUMENTS...]
# Environment: WINEPREFIX      the prefix (default: wine/ beside this build's programs)
#              TESMORA_DPI     the display's dots per inch: 96, 120, 144 or 192 for 100, 125, 150 and 200 %
#                              (default 96)
#              LC_ALL          Wine's Windows locale, display language and regional format alike:
#                              sr_RS.UTF-8@latin is sr-Latn-RS, sr_RS.UTF-8@cyrillic sr-Cyrl-RS (Wine
#                              reads LANG only where the machine has that locale)
# Wine gives a Windows program none of the variables that begin with QT_: set WINEQT_… for them.
set -euo pipefail
program=$1
shift
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$program")" && pwd)/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or browser engine to install, and no menu entries of the Linux desktop made for shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    python3 "$(dirname "$0")/wine-fonts.py" "$WINEPREFIX"
    # Windows draws its controls in a visual style; Wine's own "Light" one stands for Windows'.
    cat >"$WINEPREFIX/visual-style.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]
"ThemeActive"="1"
"DllName"="C:\\windows\\resources\\themes\\light\\light.msstyles"
"ColorName"="NormalColor"
"SizeName"="NormalSize"
REG
    for settings in core-fonts visual-style; do
        wine regedit /S "$WINEPREFIX/$settings.reg" >/dev/null 2>&1
    done
    wineserver --wait
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${TESMORA_DPI:-96}" /f >/dev/null 2>&1
exec wine "$program" "$@"
