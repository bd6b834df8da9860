#!/usr/bin/env bash
# Premier lancement : la question de mise à jour, la fenêtre, puis SIGTERM qui
# ferme par le chemin normal et enregistre la position.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
demarrer_xvfb

lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP V1.0 Béta 2" || exit 1
question=$(fenetre "Pulsodex XP V1.0 Béta 2")
xdotool windowfocus --sync "$question"
xdotool key --window "$question" n

attendre 15 fenetre_presente "Pulsodex XP" || exit 1
arreter_programme TERM || { echo "code de sortie $?"; exit 1; }

conf="$PULSODEX_CONFIG"
verifier() { grep -qx -- "$1" "$conf" || { echo "absent du fichier des réglages : $1"; cat "$conf"; exit 1; }; }
verifier "Version=1.0 Béta 2"
verifier "TestMiseAJour=Non"
verifier "\[1280x1024\]"
verifier "DecalageHaut=0"
verifier "DecalageGauche=0"
verifier "Longueur=180"

# Second lancement : plus de question ; SIGINT ferme aussi proprement.
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
if fenetre_presente "Pulsodex XP V1.0 Béta 2"; then
    echo "la question est reposée"
    exit 1
fi
arreter_programme INT || exit 1
echo "ok"
