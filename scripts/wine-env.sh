# Sourced by the scripts that run the Windows program under Wine: a prefix
# of the project's own in $build/wine-prefix, no Wine chatter, and a Korean
# system (ANSI code page 949) as the game's players have: run Wine with
# LC_ALL=$wine_locale. Needs $build; gives $wine, $wineserver and
# $wine_locale, and exports what Wine reads.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
[ -x "$wine" ] || { echo "$wine is missing (make test installs it)" >&2; exit 1; }

export WINEPREFIX=$build/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# The locale is compiled into the build folder, so that Wine can name files
# in Hangul whichever locales the machine has generated.
export LOCPATH=$build/locale
wine_locale=ko_KR.UTF-8
mkdir -p "$LOCPATH"
[ -f "$LOCPATH/ko_KR.UTF-8/LC_CTYPE" ] || localedef -i ko_KR -f UTF-8 "$LOCPATH/ko_KR.UTF-8"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    DISPLAY= LC_ALL=$wine_locale "$wine" wineboot -i >/dev/null 2>&1 || true
    "$wineserver" -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "could not create the Wine prefix" >&2; exit 1; }
fi
