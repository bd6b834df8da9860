#!/usr/bin/env bash
# Un seul Pulsodex par fichier de réglages. Un second lancement pour les mêmes
# réglages fait revenir le premier, rangé dans la zone de notification, et
# s'arrête avec le code 0 ; d'autres réglages lancent un autre Pulsodex ;
# --version et --capture tournent à part. Le premier arrêté brutalement
# (verrou et prise restés) ne bloque pas le suivant.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

mkdir -p "$TEMP_E2E/programme"
reglages_de_base '[1280x1024]' 'Demarrage=Masqué'
barres() { xdotool search --onlyvisible --name '^Pulsodex XP$' 2>/dev/null | wc -l; }
barres_vaut() { [ "$(barres)" -eq "$1" ]; }
rangee() { icone_de "$PROGRAMME_PID" >/dev/null && barres_vaut 0; }
# Un second lancement pour les mêmes réglages : fini vite, avec le code 0.
second_lancement() {
    timeout 15 "$PULSODEX" "$@" >"$TEMP_E2E/second" 2>&1
    local code=$?
    [ $code -eq 0 ] || { echo "second lancement $* : code $code"; cat "$TEMP_E2E/second"; exit 1; }
}

lancer_pulsodex
attendre 15 rangee || { echo "le premier ne s'est pas rangé dans la zone de notification"; exit 1; }
second_lancement
attendre 5 barres_vaut 1 || { echo "le premier n'est pas revenu"; exit 1; }

# D'autres réglages : un autre Pulsodex, à côté.
printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n' >"$TEMP_E2E/Autre.conf"
PULSODEX_CONFIG="$TEMP_E2E/Autre.conf" "$PULSODEX" &
PIDS_E2E+=($!)
attendre 15 barres_vaut 2 || { echo "d'autres réglages ne lancent pas un autre Pulsodex"; exit 1; }
arreter_pid "${PIDS_E2E[-1]}"

# --version et --capture tournent à part, même pendant que le premier tourne.
second_lancement --version
grep -q "^Pulsodex XP" "$TEMP_E2E/second" || { cat "$TEMP_E2E/second"; exit 1; }
second_lancement --capture "$TEMP_E2E/capture.png"
[ -s "$TEMP_E2E/capture.png" ] || { echo "pas de capture"; exit 1; }

# Arrêt brutal du premier : le suivant démarre, puis répond à son tour.
kill -KILL "$PROGRAMME_PID"
wait "$PROGRAMME_PID" 2>/dev/null
lancer_pulsodex
attendre 15 rangee || { echo "un verrou resté bloque le lancement suivant"; exit 1; }
second_lancement
attendre 5 barres_vaut 1 || { echo "le suivant n'est pas revenu"; exit 1; }
arreter_programme TERM || exit 1
echo "ok"
