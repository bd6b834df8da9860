#!/usr/bin/env bash
# Construit Pulsodex et le lance. Sans écran (ni X11 ni Wayland), il tourne
# sur un écran virtuel Xvfb privé, et une image de sa fenêtre est enregistrée.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/dependances.sh
cmake --preset defaut >/dev/null
cmake --build --preset defaut --target pulsodex

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/pulsodex "$@"
fi

# Écran virtuel privé : Xvfb choisit lui-même un numéro libre. Il tourne dans
# sa propre session, pour que Ctrl+C n'arrête que Pulsodex, qui se ferme
# proprement avant que l'écran ne disparaisse.
fifo=$(mktemp -u)
mkfifo "$fifo"
setsid Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp -noreset 4>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 10 numero <"$fifo" || { echo "Xvfb n'a pas démarré." >&2; exit 1; }
export DISPLAY=":$numero"

image="${TMPDIR:-/tmp}/pulsodex-ecran-$numero.png"
build/pulsodex --capture "$image"
echo "Aucun écran : Pulsodex tourne sur l'écran virtuel privé $DISPLAY (Xvfb)."
echo "Image de sa fenêtre : $image"
echo "Ctrl+C pour l'arrêter."
build/pulsodex "$@" &
programme=$!
trap 'kill $programme 2>/dev/null || true; wait $programme 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT INT TERM
wait $programme
