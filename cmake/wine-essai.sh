#!/bin/sh
# Lance un exécutable Windows sous wine, sans écran, dans le préfixe
# $WINEPREFIX (par défaut ./wine), créé au premier lancement.
set -eu
: "${WINEPREFIX:=$(pwd)/wine}"
export WINEPREFIX
export WINEDEBUG=-all
# Ni fenêtre d'installation de Mono ou de Gecko, ni écran.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if command -v wine64 >/dev/null 2>&1; then
    exec wine64 "$@"
elif [ -x /usr/lib/wine/wine64 ]; then
    exec /usr/lib/wine/wine64 "$@"
else
    exec wine "$@"
fi
