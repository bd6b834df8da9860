#!/usr/bin/env bash
# Le serveur de contrôle du vrai programme sur 127.0.0.1:1109 : salutation,
# GET, SHOW et sa boîte sur le bureau, fermeture prompte avec une boîte de
# SHOW ouverte ; avec ModeServeur à « Non », les connexions sont refusées.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
exiger ss

ecoute_1109() { ss -Hltn 'sport = :1109' 2>/dev/null; }
if [ -n "$(ecoute_1109)" ]; then
    echo "port 1109 déjà pris sur cette machine"
    exit $SAUT
fi
demarrer_xvfb

# Le port est-il tenu par notre programme, ou par un autre venu entre-temps ?
le_notre() { ss -Hltnp 'sport = :1109' 2>/dev/null | grep -q "pid=$PROGRAMME_PID,"; }
pris_par_un_autre() { [ -n "$(ecoute_1109)" ] && ! le_notre; }

# Une ligne du serveur sur le descripteur 3, sans son CR final (exigé).
lire() {
    local ligne
    IFS= read -r -t 10 ligne <&3 || return 1
    [[ $ligne == *$'\r' ]] || return 1
    printf '%s' "${ligne%$'\r'}"
}
attendu() {
    local recu
    recu=$(lire) || recu="(rien)"
    [ "$recu" = "$1" ] || { echo "attendu « $1 », reçu « $recu »"; exit 1; }
}
fenetre_absente() { ! fenetre_presente "$1"; }

mkdir -p "$TEMP_E2E"
reglages_de_base
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
if ! attendre 10 le_notre; then
    pris_par_un_autre && { echo "port 1109 pris par un autre programme"; exit $SAUT; }
    echo "pulsodex n'écoute pas sur 1109"
    exit 1
fi

exec 3<>/dev/tcp/127.0.0.1/1109 || { echo "connexion impossible"; exit 1; }
attendu "Pulsodex Server V1.0"
printf 'GET\r\n' >&3
attendu "OK"

# SHOW : une boîte d'information sur le bureau ; le fil reprend quand on la ferme.
printf 'SHOW Bonjour du terminal\r\n' >&3
attendre 10 fenetre_presente "Information" || exit 1
boite=$(fenetre "Information")
xdotool windowfocus --sync "$boite"
xdotool key --window "$boite" Return
attendre 10 fenetre_absente "Information" || exit 1
printf 'get\r\n' >&3
attendu "OK"

# Fermeture avec une boîte de SHOW encore ouverte : le programme s'arrête
# et le client voit la fin de la connexion.
printf 'SHOW fermeture\r\n' >&3
attendre 10 fenetre_presente "Information" || exit 1
arreter_programme TERM || exit 1
IFS= read -r -t 10 reste <&3
statut=$?
[ $statut -eq 1 ] && [ -z "$reste" ] || { echo "connexion restée ouverte ($statut, « $reste »)"; exit 1; }
exec 3<&-

# ModeServeur à « Non » : connexion refusée.
printf '[1280x1024]\nModeServeur=Non\n' >>"$TEMP_E2E/Pulsodex.conf"
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
if (exec 4<>/dev/tcp/127.0.0.1/1109) 2>/dev/null; then
    pris_par_un_autre && { echo "port 1109 pris par un autre programme"; exit $SAUT; }
    echo "le port 1109 répond alors que ModeServeur vaut Non"
    exit 1
fi
arreter_programme TERM || exit 1
echo "ok"
