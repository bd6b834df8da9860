# Outils communs des tests de bout en bout : écran Xvfb privé, attentes bornées.
# shellcheck shell=bash

SAUT=77 # code « test sauté » pour CTest

exiger() {
    for outil in "$@"; do
        command -v "$outil" >/dev/null 2>&1 || { echo "outil absent : $outil"; exit $SAUT; }
    done
}

# Démarre un Xvfb privé 1280x1024 et exporte DISPLAY ; tout est nettoyé à la sortie.
# Un numéro d'écran tiré au hasard loin des premiers (qu'un bureau ou un autre
# Xvfb occupe souvent) ; l'écran obtenu est vérifié, un autre essayé au besoin.
# -noreset : sans lui, Xvfb se réinitialise au départ de son dernier client
# (la vérification) et refuse un instant les connexions suivantes.
demarrer_xvfb() {
    exiger Xvfb xdotool
    TEMP_E2E=$(mktemp -d)
    trap nettoyer EXIT
    local essai numero fin
    for essai in 1 2 3 4 5; do
        numero=$((200 + RANDOM % 700))
        Xvfb ":$numero" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null &
        XVFB_PID=$!
        fin=$((SECONDS + 10))
        while [ $SECONDS -lt $fin ] && kill -0 "$XVFB_PID" 2>/dev/null; do
            if DISPLAY=":$numero" xdotool getdisplaygeometry >/dev/null 2>&1; then
                export DISPLAY=":$numero"
                return 0
            fi
            sleep 0.05
        done
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    done
    echo "Xvfb n'a pas démarré"
    exit 1
}

# Attend la fin de Xvfb : un serveur encore en train de s'arrêter rendrait son
# numéro au test suivant, qui ne pourrait plus s'y connecter.
nettoyer() {
    [ -n "${PROGRAMME_PID:-}" ] && kill -KILL "$PROGRAMME_PID" 2>/dev/null
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
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
