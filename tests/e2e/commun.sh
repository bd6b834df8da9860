# Outils communs des tests de bout en bout : le bureau privé (Xvfb, openbox,
# trayer, weston), attentes bornées, lancement et arrêt du programme.
# Chaque script le charge en premier ; son premier argument est le programme.
# shellcheck shell=bash
set -u
PULSODEX=${1:?chemin de pulsodex}
SAUT=77 # code « test sauté » pour CTest

exiger() {
    for outil in "$@"; do
        command -v "$outil" >/dev/null 2>&1 || { echo "outil absent : $outil"; exit $SAUT; }
    done
}

# echec MESSAGE... : le dit et arrête le test.
echec() { echo "$*"; exit 1; }

# Le bureau des utilisateurs : français, un gestionnaire de fenêtres (openbox)
# et une zone de notification (trayer) sur un Xvfb privé. Tout ce qui est
# démarré ici est arrêté à la sortie, dans l'ordre inverse.
PIDS_E2E=()
TEMP_E2E=$(mktemp -d)
trap nettoyer EXIT
# Le dossier d'exécution de la session (prises locales, compositeur) : privé.
export XDG_RUNTIME_DIR="$TEMP_E2E/execution"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$TEMP_E2E/programme"
# Vérifiée au démarrage du bureau : un test sauté d'avance n'en a pas besoin.
exiger_locale() {
    locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8' ||
        echec "locale fr_FR.UTF-8 absente : lancer scripts/dependances.sh (en root)"
}
export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
unset LANGUAGE

# demarrer_x PROGRAMME [TAILLE] : un serveur X privé (Xvfb ou Xephyr, 1280x1024
# ou la TAILLE donnée), exporte DISPLAY. Le serveur prend lui-même un numéro
# libre (-displayfd) : deux tests en parallèle ne peuvent tomber sur le même.
# -noreset : sans lui, le serveur se réinitialise au départ de la
# vérification et refuse un instant les connexions suivantes.
demarrer_x() {
    exiger "$1" xdotool
    exiger_locale
    local numero="$TEMP_E2E/numero_x" options=(-screen 0 "${2:-1280x1024}x24" -noreset)
    [ "$1" = Xephyr ] && options=(-screen "${2:-1280x1024}" -resizeable -noreset)
    : >"$numero"
    "$1" -displayfd 3 "${options[@]}" -nolisten tcp 3>"$numero" >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 grep -q . "$numero" || echec "$1 n'a pas démarré"
    export DISPLAY=":$(head -n1 "$numero")"
    attendre_tant_que_vivant $! 10 xdotool getdisplaygeometry || echec "$1 ne répond pas sur $DISPLAY"
}

# Le gestionnaire de fenêtres puis la zone de notification, en bas à droite,
# sans réserver de place (la zone de travail reste l'écran entier).
demarrer_bureau() {
    exiger openbox trayer xprop xwininfo
    openbox --sm-disable >"$TEMP_E2E/openbox.log" 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 gestionnaire_present || { cat "$TEMP_E2E/openbox.log"; echec "openbox n'a pas démarré"; }
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut false --transparent false >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 zone_notification_presente || echec "trayer n'a pas démarré"
}

# Le bureau entier, ce que les tests de bout en bout prennent par défaut.
demarrer_xvfb() { demarrer_x Xvfb "$@" && demarrer_bureau; }

# Un compositeur Wayland sans écran (weston) avec XWayland : exporte
# WAYLAND_DISPLAY, et X_WESTON, l'écran X de son XWayland. Le journal de weston
# note aussi les demandes des fenêtres X (portée xwm-wm-x11) dans JOURNAL_WESTON.
demarrer_weston() {
    exiger weston Xwayland xdotool
    exiger_locale
    JOURNAL_WESTON="$TEMP_E2E/weston.log"
    weston --backend=headless-backend.so --socket=pulsodex-wayland --width=1280 --height=1024 --xwayland \
        --idle-time=0 --logger-scopes=log,xwm-wm-x11 --log="$JOURNAL_WESTON" >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 grep -q 'xserver listening on display' "$JOURNAL_WESTON" ||
        { cat "$JOURNAL_WESTON"; echec "weston n'a pas démarré"; }
    export WAYLAND_DISPLAY=pulsodex-wayland
    X_WESTON=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$JOURNAL_WESTON")
}

gestionnaire_present() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# trayer crée la fenêtre qui prend la sélection de la zone de notification
# après son panneau : deux fenêtres « trayer ».
zone_notification_presente() { [ "$(xwininfo -root -tree | grep -c '"trayer"')" -ge 2 ]; }

# attendre_tant_que_vivant PID DELAI_S COMMANDE... : répète la commande jusqu'à
# ce qu'elle réussisse ; abandonne dès que le processus PID a disparu.
attendre_tant_que_vivant() {
    local pid=$1 fin=$((SECONDS + $2))
    shift 2
    while [ $SECONDS -lt $fin ] && kill -0 "$pid" 2>/dev/null; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

# attendre DELAI_S COMMANDE... : répète la commande jusqu'à ce qu'elle réussisse.
attendre() {
    attendre_tant_que_vivant $$ "$@" || { echo "délai dépassé : ${*:2}"; return 1; }
}

# arreter_pid PID : SIGTERM, SIGKILL s'il est encore là 5 s après, puis sa fin.
arreter_pid() {
    kill "$1" 2>/dev/null
    attendre_tant_que_vivant "$1" 5 false
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# Arrête le programme encore là, puis ce que les tests ont démarré, en
# attendant chacun : un Xvfb encore en train de s'arrêter rendrait son numéro
# au test suivant, qui ne pourrait plus s'y connecter.
nettoyer() {
    [ -n "${PROGRAMME_PID:-}" ] && kill -KILL "$PROGRAMME_PID" 2>/dev/null
    local i
    for ((i = ${#PIDS_E2E[@]} - 1; i >= 0; i--)); do
        arreter_pid "${PIDS_E2E[i]}"
    done
    rm -rf "$TEMP_E2E"
}

# Identifiant de la fenêtre visible dont le titre est exactement $1.
fenetre() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
fenetre_presente() { [ -n "$(fenetre "$1")" ]; }
fenetre_absente() { ! fenetre_presente "$1"; }
# Nombre de fenêtres visibles de titre $1.
fenetres_nommees() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# L'icône du programme PID dans la zone de notification : sa fenêtre visible
# que le gestionnaire de fenêtres ne gère pas (pas de WM_STATE), logée dans trayer.
icone_de() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state' || { echo "$w" && return 0; }
    done
    return 1
}

# La barre : sa géométrie (xdotool) contient-elle $1 ?
barre_a() { xdotool getwindowgeometry "$BARRE" | grep -q -- "$1"; }

# L'empreinte MD5 des rangées de pixels HAUT à BAS (comprises, bornées à
# l'image) de la barre, lues dans l'image XWD de « xwd -id » : son en-tête
# (25 mots gros-boutistes) puis 12 octets par couleur avant les rangées.
empreinte() {
    local image="$TEMP_E2E/image.xwd" e bas
    xwd -silent -id "$BARRE" >"$image" 2>/dev/null || return 1
    read -ra e < <(od -An -v -w100 -tu4 --endian=big -N100 "$image")
    bas=$(($2 < e[5] - 1 ? $2 : e[5] - 1))
    tail -c +$((e[0] + e[19] * 12 + $1 * e[12] + 1)) "$image" | head -c $(((bas - $1 + 1) * e[12])) | md5sum
}
# rangees_changent HAUT BAS : ces rangées changent-elles, sur quelques secondes ?
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

# Le port 1109 est-il tenu par notre programme ?
le_notre() { ss -Hltnp 'sport = :1109' 2>/dev/null | grep -q "pid=$PROGRAMME_PID,"; }

# reglages_de_base [LIGNE...] : le fichier des réglages d'un programme déjà
# lancé une fois (pas de question de mise à jour), suivi des lignes données.
reglages_de_base() {
    printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n' >"$TEMP_E2E/Pulsodex.conf"
    [ $# -eq 0 ] || printf '%s\n' "$@" >>"$TEMP_E2E/Pulsodex.conf"
}

# reglages_contiennent LIGNE... : chaque ligne est dans le fichier des réglages.
reglages_contiennent() {
    for ligne in "$@"; do
        grep -qxF -- "$ligne" "$PULSODEX_CONFIG" || { cat "$PULSODEX_CONFIG"; echec "absent des réglages : $ligne"; }
    done
}

# Lance le programme avec des réglages et un dossier temporaires.
lancer_pulsodex() {
    export PULSODEX_CONFIG="$TEMP_E2E/Pulsodex.conf"
    export PULSODEX_REPERTOIRE="$TEMP_E2E/programme"
    # Jamais le vrai serveur de mise à jour : un port local où personne n'écoute.
    export PULSODEX_MAJ="${PULSODEX_MAJ:-127.0.0.1:9}"
    "$PULSODEX" "$@" &
    PROGRAMME_PID=$!
}

# Lance le programme et attend sa barre, dont l'identifiant va dans BARRE.
lancer_barre() {
    lancer_pulsodex "$@"
    attendre 15 fenetre_presente "Pulsodex XP" || exit 1
    BARRE=$(fenetre "Pulsodex XP")
}

# Attend la fin du programme (borné) : le programme est oublié s'il a fini
# avec le code 0 ; sinon le nettoyage de la sortie le tue encore.
attendre_fin() {
    attendre_tant_que_vivant "$PROGRAMME_PID" "$1" false
    kill -0 "$PROGRAMME_PID" 2>/dev/null && { echo "le programme ne s'est pas arrêté"; return 1; }
    wait "$PROGRAMME_PID" || { echo "code de sortie $?"; return 1; }
    PROGRAMME_PID=
}

# arreter_programme SIGNAL : envoie le signal et attend la fin (code 0).
arreter_programme() { kill "-$1" "$PROGRAMME_PID"; attendre_fin 15; }

# Le marqueur « Pulsodex.quit » déposé dans le dossier du programme le ferme
# en deux tics (et de la marge pour une machine chargée) ; il a disparu ensuite.
quitter_par_le_marqueur() {
    touch "$PULSODEX_REPERTOIRE/Pulsodex.quit"
    attendre_fin 10 || exit 1
    [ ! -e "$PULSODEX_REPERTOIRE/Pulsodex.quit" ] || echec "le marqueur est resté"
}
