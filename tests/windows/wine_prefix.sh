# Sourced: make_wine_prefix gives the script a Wine prefix of its own, with
# Comic Neue for Comic Sans MS, which Wine lacks (Windows has its own);
# end_wine_prefix, for the script's exit, ends its Wine server and removes it.
# set_text_size and set_contrast_colours change the prefix's settings as a
# user does in Windows' Settings > Accessibility, set_dark_mode as in
# Settings > Personalization on Windows 11. wine_ended waits, for two
# minutes at most, until every program of the prefix has ended.

make_wine_prefix() {
    own_wine_prefix=$(mktemp -d)
    export WINEPREFIX=$own_wine_prefix
    # No Mono, no Gecko, and no menu entries on the host's desktop. File
    # names beyond ASCII reach Wine as UTF-8 also where no locale is set.
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64
    export LC_ALL=${LC_ALL:-C.UTF-8}
    wineboot -i >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/fonts"
    ln -s /usr/share/fonts/opentype/comic-neue/ComicNeue-{Regular,Bold}.otf \
        /usr/share/fonts/truetype/liberation/LiberationSans-{Regular,Bold}.ttf "$WINEPREFIX/fonts/"
    cp /usr/share/fonts/opentype/comic-neue/ComicNeue-{Regular,Bold}.otf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'Comic Sans MS' /t REG_SZ /d 'Comic Neue' /f >/dev/null 2>&1
    # A server left from the set-up may have no display: programs need a new one.
    wine_ended
}

wine_ended() {
    timeout 120 wineserver -w ||
        { echo "Wine's programs in $WINEPREFIX did not end within two minutes" >&2; return 1; }
}

end_wine_prefix() {
    [ -n "${own_wine_prefix:-}" ] || return 0
    WINEPREFIX=$own_wine_prefix wineserver -k 2>/dev/null || true
    rm -rf "$own_wine_prefix"
}

set_dark_mode() {
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null
    wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win11 /f >/dev/null
    wine_ended
}

set_text_size() { # per cent, 100 to 225
    wine reg add 'HKCU\Software\Microsoft\Accessibility' /v TextScaleFactor /t REG_DWORD \
        /d "$1" /f >/dev/null
    wine_ended
}

# The system colours of Windows 11's Aquatic contrast theme. Wine cannot
# switch a contrast theme on: KEYWRIGHT_HIGH_CONTRAST=1 stands for it.
set_contrast_colours() {
    local white='255 255 255' ground='32 32 32' element
    for element in Window="$ground" ButtonFace="$ground" InfoWindow="$ground" WindowText="$white" \
        ButtonText="$white" InfoText="$white" ButtonHilight="$white" ButtonLight="$white" \
        ButtonShadow="$white" ButtonDkShadow="$white" Hilight='142 227 240' HilightText='38 59 80' \
        GrayText='166 166 166' HotTrackingColor='117 233 252'; do
        wine reg add 'HKCU\Control Panel\Colors' /v "${element%%=*}" /t REG_SZ /d "${element#*=}" /f >/dev/null
    done
    wine_ended
}
