#!/usr/bin/env bash
# Délai de la première peinture des valeurs relevées de Pulsodex : N lancements
# (10 par défaut) l'un après l'autre sur un Xvfb privé, avec les réglages de
# cout_programme.sh. Pulsodex écrit ce délai lui-même (PULSODEX_CHRONO, voir le
# README) ; le délai de sa première fenêtre montrée est relevé à côté. Affiche
# chaque lancement puis les médianes.
#
#   bench/premiere_peinture.sh [N] [DOSSIER_BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."

N=${1:-10}
BUILD=${2:-build}
PULSODEX="$BUILD/pulsodex"

[ "$N" -gt 0 ] 2>/dev/null || { echo "nombre de lancements, au moins 1" >&2; exit 2; }
[ -x "$PULSODEX" ] || { echo "absent : $PULSODEX (cmake --build --preset ci)" >&2; exit 2; }
# shellcheck source=bench/commun_banc.sh
source bench/commun_banc.sh
demarrer_x Xvfb
TEMP=$TEMP_E2E
demarrer_guet
echo "charge moyenne au départ : $(cut -d' ' -f1-3 /proc/loadavg)" >&2
avertir_port_pris
reglages_pulsodex "$TEMP/reglages"

motif='première peinture des valeurs relevées à \([0-9.-]*\) ms'
printf "%9s %18s %17s\n" "lancement" "1re peinture (ms)" "1re fenêtre (ms)"
for i in $(seq "$N"); do
    lancer "$TEMP/sortie" QT_QPA_PLATFORM=xcb "$PULSODEX"
    fenetre=$(delai_premiere_fenetre)
    attendre 30 grep -q "première peinture" "$TEMP/sortie" >/dev/null || { cat "$TEMP/sortie" >&2; exit 1; }
    peinture=$(sed -n "s/.*$motif.*/\1/p" "$TEMP/sortie")
    arreter "$PROGRAMME_PID"
    PROGRAMME_PID=
    printf "%9d %18s %16s\n" "$i" "$peinture" "$fenetre"
    echo "$peinture" >>"$TEMP/peintures"
    echo "$fenetre" >>"$TEMP/fenetres_vues"
done
printf "%10s %18s %16s\n" "médiane" "$(mediane <"$TEMP/peintures")" "$(grep -v -- - "$TEMP/fenetres_vues" | mediane)"
echo "Cible : médiane de la première peinture <= 60 ms."
