# Outils communs des tests de bout en bout : le bureau privé (Xvfb, openbox,
# trayer, weston), attentes bornées, lancement et arrêt du programme.
# shellcheck shell=bash

SAUT=77 # code « test sauté » pour CTest

exiger() {
    for outil in "$@"; do
        command -v "$outil" >/dev/null 2>&1 || { echo "outil absent : $outil"; exit $SAUT; }
    done
}

# Le bureau des utilisateurs : français, un gestionnaire de fenêtres (openbox)
# et une zone de notification (trayer) sur un Xvfb privé. Tout ce qui est
# démarré ici est arrêté à la sortie, dans l'ordre inverse.
PIDS_E2E=()

preparer_e2e() {
    [ -n "${TEMP_E2E:-}" ] && return 0
    TEMP_E2E=$(mktemp -d)
    trap nettoyer EXIT
    # Le dossier d'exécution de la session (prises locales, compositeur) : privé.
    export XDG_RUNTIME_DIR="$TEMP_E2E/execution"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    if ! locale -a 2>/dev/null | grep -qix 'fr_FR\.utf-\?8'; then
        echo "locale fr_FR.UTF-8 absente : lancer scripts/dependances.sh (en root)"
        exit 1
    fi
    export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
    unset LANGUAGE
}

# Démarre un Xvfb privé (1280x1024 ou la TAILLE donnée) et exporte DISPLAY.
# Un numéro d'écran tiré au hasard loin des premiers (qu'un bureau ou un autre
# Xvfb occupe souvent) ; l'écran obtenu est vérifié, un autre essayé au besoin.
# -noreset : sans lui, Xvfb se réinitialise au départ de son dernier client
# (la vérification) et refuse un instant les connexions suivantes.
demarrer_xvfb_nu() {
    exiger Xvfb xdotool
    preparer_e2e
    local taille=${1:-1280x1024} essai numero pid
    for essai in 1 2 3 4 5; do
        numero=$((200 + RANDOM % 700))
        Xvfb ":$numero" -screen 0 "${taille}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        pid=$!
        if attendre_tant_que_vivant "$pid" 10 env DISPLAY=":$numero" xdotool getdisplaygeometry; then
            PIDS_E2E+=("$pid")
            export DISPLAY=":$numero"
            return 0
        fi
        arreter_pid "$pid"
    done
    echo "Xvfb n'a pas démarré"
    exit 1
}

# Le gestionnaire de fenêtres puis la zone de notification, en bas à droite,
# sans réserver de place (la zone de travail reste l'écran entier).
demarrer_bureau() {
    exiger openbox trayer xprop xwininfo
    openbox --sm-disable >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 gestionnaire_present || { echo "openbox n'a pas démarré"; exit 1; }
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut false --transparent false >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    attendre_tant_que_vivant $! 10 zone_notification_presente || { echo "trayer n'a pas démarré"; exit 1; }
}

# Le bureau entier, ce que les tests de bout en bout prennent par défaut.
demarrer_xvfb() {
    demarrer_xvfb_nu "$@"
    demarrer_bureau
}

# Un compositeur Wayland sans écran (weston), avec XWayland quand « --xwayland »
# est donné : exporte WAYLAND_DISPLAY, et X_WESTON, l'écran X de son XWayland
# (démarré au premier client). Le journal de weston note aussi les demandes
# des fenêtres X (portée xwm-wm-x11) dans JOURNAL_WESTON.
demarrer_weston() {
    exiger weston
    preparer_e2e
    JOURNAL_WESTON="$TEMP_E2E/weston.log"
    weston --backend=headless-backend.so --socket=pulsodex-wayland --width=1280 --height=1024 \
        --idle-time=0 --logger-scopes=log,xwm-wm-x11 --log="$JOURNAL_WESTON" "$@" >/dev/null 2>&1 &
    PIDS_E2E+=($!)
    local pret=(test -S "$XDG_RUNTIME_DIR/pulsodex-wayland")
    [ "${1:-}" = --xwayland ] && pret=(grep -q 'xserver listening on display' "$JOURNAL_WESTON")
    attendre_tant_que_vivant $! 10 "${pret[@]}" || { echo "weston n'a pas démarré"; cat "$JOURNAL_WESTON"; exit 1; }
    export WAYLAND_DISPLAY=pulsodex-wayland
    X_WESTON=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$JOURNAL_WESTON")
}

gestionnaire_present() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# trayer crée la fenêtre qui prend la sélection de la zone de notification
# après son panneau : deux fenêtres « trayer ».
zone_notification_presente() { [ "$(xwininfo -root -tree | grep -c '"trayer"')" -ge 2 ]; }

# attendre_tant_que_vivant PID DELAI_S COMMANDE... : comme attendre, mais
# abandonne dès que le processus PID a disparu.
attendre_tant_que_vivant() {
    local pid=$1 fin=$((SECONDS + $2))
    shift 2
    while [ $SECONDS -lt $fin ] && kill -0 "$pid" 2>/dev/null; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
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

# attendre DELAI_S COMMANDE... : répète la commande jusqu'à ce qu'elle réussisse.
attendre() {
    local delai=$1
    shift
    local fin=$((SECONDS + delai))
    while [ $SECONDS -lt $fin ]; do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "délai dépassé : $*"
    return 1
}

# Identifiant de la fenêtre visible dont le titre est exactement $1.
fenetre() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

fenetre_presente() { [ -n "$(fenetre "$1")" ]; }

# L'icône du programme PID dans la zone de notification : sa fenêtre visible
# que le gestionnaire de fenêtres ne gère pas (pas de WM_STATE), logée dans trayer.
icone_de() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        if ! xprop -id "$w" WM_STATE 2>/dev/null | grep -q 'window state'; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# Nombre de fenêtres visibles du programme (menus ouverts compris).
fenetres_du_programme() { xdotool search --onlyvisible --pid "$PROGRAMME_PID" 2>/dev/null | wc -l; }
fenetres_au_moins() { [ "$(fenetres_du_programme)" -ge "$1" ]; }

# reglages_de_base [LIGNE...] : le fichier des réglages d'un programme déjà
# lancé une fois (pas de question de mise à jour), suivi des lignes données.
reglages_de_base() {
    printf '[General]\nVersion=1.0 Béta 2\nTestMiseAJour=Non\n' >"$TEMP_E2E/Pulsodex.conf"
    [ $# -eq 0 ] || printf '%s\n' "$@" >>"$TEMP_E2E/Pulsodex.conf"
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

# Attend la fin du programme (borné) et rend son code de sortie.
attendre_fin() {
    local delai=$1
    local fin=$((SECONDS + delai))
    while kill -0 "$PROGRAMME_PID" 2>/dev/null; do
        if [ $SECONDS -ge $fin ]; then
            echo "le programme ne s'est pas arrêté"
            return 1
        fi
        sleep 0.1
    done
    wait "$PROGRAMME_PID"
}

# arreter_programme SIGNAL : envoie le signal et attend la fin (borné) ; rend
# le code de attendre_fin. Le programme n'est oublié que s'il a fini sans
# erreur : sinon le nettoyage de la sortie le tue encore.
arreter_programme() {
    kill "-$1" "$PROGRAMME_PID"
    attendre_fin 15 || return
    PROGRAMME_PID=
}
