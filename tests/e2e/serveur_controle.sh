#!/usr/bin/env bash
# Le serveur de contrôle du vrai programme sur 127.0.0.1:1109 : salutation,
# GET, SHOW et sa boîte sur le bureau ; sous cette boîte et sous « Quitter
# Pulsodex », les jauges avancent encore ; SIGTERM ferme promptement avec ces
# boîtes ouvertes et le client voit la fin de la connexion. Avec ModeServeur à
# « Non », les connexions sont refusées.
source "$(dirname "$0")/commun.sh"
exiger ss xwd
[ -z "$(ss -Hltn 'sport = :1109')" ] || { echo "port 1109 déjà pris sur cette machine"; exit $SAUT; }
demarrer_xvfb
# Un autre programme, venu entre-temps, tient-il le port ?
pris_par_un_autre() { [ -n "$(ss -Hltn 'sport = :1109')" ] && ! le_notre; }
# attendu LIGNE : la ligne suivante du serveur, qui finit par un CR (exigé).
attendu() {
    local recu="(rien)"
    IFS= read -r -t 10 recu <&3
    [ "$recu" = "$1"$'\r' ] || echec "attendu « $1 », reçu « $recu »"
}

reglages_de_base '[1280x1024]' 'Date=Non' 'Heure=Non' 'ListeDisques=' 'Rafraichissement=500'
lancer_barre
if ! attendre 10 le_notre; then
    pris_par_un_autre && { echo "port 1109 pris par un autre programme"; exit $SAUT; }
    echec "pulsodex n'écoute pas sur 1109"
fi
exec 3<>/dev/tcp/127.0.0.1/1109 || echec "connexion impossible"
attendu "Pulsodex Server V1.0"
printf 'GET\r\n' >&3
attendu "OK"
printf 'SHOW Bonjour du terminal\r\n' >&3
attendre 10 fenetre_presente "Information" || exit 1
rangees_changent 0 200 || exit 1
xdotool windowactivate --sync "$(fenetre "Information")" key Return
attendre 10 fenetre_absente "Information" || exit 1
printf 'get\r\n' >&3
attendu "OK"

xdotool windowactivate --sync "$BARRE" key q
attendre 10 fenetre_presente "Quitter Pulsodex" || exit 1
rangees_changent 0 200 || exit 1
printf 'SHOW fermeture\r\n' >&3
attendre 10 fenetre_presente "Information" || exit 1
arreter_programme TERM || exit 1
IFS= read -r -t 10 reste <&3
statut=$?
[ $statut -eq 1 ] && [ -z "$reste" ] || echec "connexion restée ouverte ($statut, « $reste »)"
exec 3<&-

printf '[1280x1024]\nModeServeur=Non\n' >>"$PULSODEX_CONFIG"
lancer_barre
if (exec 4<>/dev/tcp/127.0.0.1/1109) 2>/dev/null; then
    pris_par_un_autre && { echo "port 1109 pris par un autre programme"; exit $SAUT; }
    echec "le port 1109 répond alors que ModeServeur vaut Non"
fi
arreter_programme TERM || exit 1
echo "ok"
