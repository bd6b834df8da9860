#!/usr/bin/env bash
# Aucune boîte n'arrête le tableau de bord : sous une fenêtre d'alarme ouverte
# par un tic tardif, sous un message de l'agenda ouvert par l'horloge, sous la
# boîte de changement de résolution, les jauges et l'horloge avancent encore,
# et le marqueur « Pulsodex.quit » ferme le programme et ses boîtes.
set -u
PULSODEX=${1:?chemin de pulsodex}
source "$(dirname "$0")/commun.sh"
exiger xwd python3
RANGEES="$(dirname "$0")/rangees_image.py"

# L'empreinte des rangées HAUT à BAS de la fenêtre principale.
empreinte() {
    xwd -silent -id "$(fenetre "Pulsodex XP")" >"$TEMP_E2E/image.xwd" 2>/dev/null &&
        python3 "$RANGEES" "$TEMP_E2E/image.xwd" "$1" "$2"
}
# Ces rangées changent-elles, sur quelques secondes ?
rangees_changent() {
    local premiere courante i
    premiere=$(empreinte "$1" "$2") || return 1
    for i in $(seq 1 30); do
        sleep 0.2
        courante=$(empreinte "$1" "$2") || return 1
        [ "$courante" != "$premiere" ] && return 0
    done
    echo "rangées $1 à $2 figées"
    return 1
}
boites() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
aucune() { [ "$(boites "$1")" -eq 0 ]; }
fermee_par_le_marqueur() {
    touch "$PULSODEX_REPERTOIRE/Pulsodex.quit"
    # Deux tics de 500 ms, et de la marge pour une machine chargée.
    attendre_fin 10 || return 1
    PROGRAMME_PID=
    aucune "$1" || { echo "« $1 » est restée ouverte"; return 1; }
}

demarrer_xvfb
mkdir -p "$TEMP_E2E/programme"

# 1. Une règle sur un petit disque en mémoire, qui se remplit après le départ :
# l'alarme vient d'un tic du minuteur. Sans horloge, seules les jauges de la
# mémoire changent l'image.
if [ "$(id -u)" -eq 0 ] && mkdir -p "$TEMP_E2E/petit" && mount -t tmpfs -o size=4m tmpfs "$TEMP_E2E/petit"; then
    trap 'umount "$TEMP_E2E/petit" 2>/dev/null; nettoyer' EXIT
    reglages_de_base 'NombreAvertissements=1' '[1280x1024]' 'Date=Non' 'Heure=Non' 'ListeDisques=D' \
        'Rafraichissement=500' 'RepeterAvertir=-1' 'Sons=Non' '[Lecteurs]' "D=$TEMP_E2E/petit" \
        '[Avertissement]' '0\Ressource=Disque' '0\Disque=D' '0\Unit%E9=Mo' '0\Seuil=2'
    lancer_pulsodex
    attendre 15 fenetre_presente "Pulsodex XP" || exit 1
    sleep 1
    [ "$(boites "Alarme Pulsodex")" -eq 0 ] || { echo "alarme avant le remplissage"; exit 1; }
    dd if=/dev/zero of="$TEMP_E2E/petit/plein" bs=1M count=3 status=none
    attendre 10 fenetre_presente "Alarme Pulsodex" || exit 1
    rangees_changent 0 200 || exit 1
    fermee_par_le_marqueur "Alarme Pulsodex" || exit 1
    umount "$TEMP_E2E/petit"
else
    echo "sans montage tmpfs (root requis) : l'alarme tardive n'est pas essayée"
fi

# 2. Sous la boîte « Quitter Pulsodex » (touche « q ») et sous la boîte du SHOW
# du port 1109, gardes de ce qui marchait déjà.
reglages_de_base '[1280x1024]' 'Date=Non' 'Heure=Non' 'ListeDisques=' 'Rafraichissement=500'
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
xdotool windowactivate --sync "$(fenetre "Pulsodex XP")" key q
attendre 10 fenetre_presente "Quitter Pulsodex" || exit 1
rangees_changent 0 200 || exit 1
le_notre() { ss -Hltnp 'sport = :1109' 2>/dev/null | grep -q "pid=$PROGRAMME_PID,"; }
if command -v ss >/dev/null && attendre 10 le_notre && exec 3<>/dev/tcp/127.0.0.1/1109; then
    printf 'SHOW Bonjour\r\n' >&3
    attendre 10 fenetre_presente "Information" || exit 1
    rangees_changent 0 200 || exit 1
else
    echo "le port 1109 n'est pas le nôtre : la boîte du SHOW n'est pas essayée"
fi
fermee_par_le_marqueur "Quitter Pulsodex" || exit 1
aucune "Information" || { echo "la boîte du SHOW est restée"; exit 1; }
exec 3<&- 3>&- 2>/dev/null

# 3. Deux messages au lancement : le premier s'ouvre à la construction ;
# fermé, le second vient d'un tic de l'horloge, qui doit continuer dessous.
reglages_de_base 'NombreEvenement=2' '[1280x1024]' 'Date=Non' 'ChaineHeure=hh:nn:ss' \
    'ModeRafraichissementHorloge=Seconde' 'MemPhysique=Non' 'MemoryLoad=Non' 'ListeDisques=' \
    'Rafraichissement=500' 'Sons=Non' '[Evenement]' '0\Actif=Oui' '0\Type=1' '0\Message=Premier' \
    '1\Actif=Oui' '1\Type=1' '1\Message=Second'
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
attendre 10 fenetre_presente "Evénement Pulsodex" || exit 1
xdotool windowactivate --sync "$(fenetre "Evénement Pulsodex")" key Return
attendre 5 aucune "Evénement Pulsodex" || true
attendre 10 fenetre_presente "Evénement Pulsodex" || { echo "le second message n'est pas venu"; exit 1; }
# La bande de l'heure (en haut) avance sous le message.
rangees_changent 2 12 || exit 1
fermee_par_le_marqueur "Evénement Pulsodex" || exit 1

# 4. La boîte de changement de résolution, sur un écran imbriqué que xrandr
# redimensionne : une seule boîte, qui suit un second changement, se ferme
# comme « &Annuler » au retour de la taille ; « &Annuler » ne ferme pas le
# programme ; rien n'est gardé pour les autres tailles.
# L'écran extérieur est nu : un gestionnaire de fenêtres y rognerait la fenêtre
# de Xephyr, dont l'écran prendrait cette taille.
exiger Xephyr xrandr
demarrer_xvfb_nu
numero=$((200 + RANDOM % 700))
Xephyr ":$numero" -screen 1280x1024 -resizeable -nolisten tcp >/dev/null 2>&1 &
PIDS_E2E+=($!)
attendre_tant_que_vivant $! 10 env DISPLAY=":$numero" xdotool getdisplaygeometry || { echo "Xephyr"; exit 1; }
export DISPLAY=":$numero"
xrandr -s 1280x1024 2>/dev/null
demarrer_bureau
reglages_de_base '[1280x1024]' 'Rafraichissement=500'
lancer_pulsodex
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
xrandr -s 1024x768 2>/dev/null
attendre 10 fenetre_presente "Changement de résolution" || exit 1
xrandr -s 1152x864 2>/dev/null
sleep 1.5
[ "$(boites "Changement de résolution")" -eq 1 ] || { echo "plus d'une boîte"; exit 1; }
xrandr -s 1280x1024 2>/dev/null
attendre 10 aucune "Changement de résolution" || { echo "boîte restée au retour"; exit 1; }
xrandr -s 1024x768 2>/dev/null
attendre 10 fenetre_presente "Changement de résolution" || exit 1
xdotool windowactivate --sync "$(fenetre "Changement de résolution")" key Escape
attendre 10 aucune "Changement de résolution" || { echo "« &Annuler » sans effet"; exit 1; }
sleep 1
kill -0 "$PROGRAMME_PID" || { echo "« &Annuler » a fermé le programme"; exit 1; }
xrandr -s 1152x864 2>/dev/null
attendre 10 fenetre_presente "Changement de résolution" || exit 1
fermee_par_le_marqueur "Changement de résolution" || exit 1
if grep -E '^\[(1024x768|1152x864)\]' "$PULSODEX_CONFIG"; then
    echo "une configuration a été gardée pour une autre taille"
    exit 1
fi
echo "ok"
