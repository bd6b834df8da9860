#!/usr/bin/env bash
# Écriture des réglages : arrêts brutaux en pleine sauvegarde (à chaque étape,
# puis au hasard), dossier et fichier en lecture seule, disque plein, deux
# programmes à la fois.
# Usage : ecriture_reglages.sh CHEMIN/essai_reglages
set -uo pipefail
ESSAI=$1
SAUT=77
TEMP=$(mktemp -d)
chmod 755 "$TEMP"
ECHECS=0
trap 'umount "$TEMP/plein" 2>/dev/null; rm -rf "$TEMP"' EXIT

echouer() { echo "ÉCHEC : $*"; ECHECS=$((ECHECS + 1)); }

# Le fichier se lit proprement et tient un seul tour ; l'écrit dans TOUR.
verifier() {
    local sortie
    if ! sortie=$("$ESSAI" verifier "$1" "$2"); then
        echouer "$3 : $sortie"
        return 1
    fi
    TOUR=$sortie
}

# Le premier enregistrement d'un programme n'a pas attendu le verrou ($1 : sa sortie d'erreur).
sans_attente() {
    grep -qx "attentes=0" "$1" || echouer "$2 : premier enregistrement « $(tr '\n' ' ' <"$1") »"
}

# --- 1. kill -9 à chaque étape de l'écriture, au premier et au deuxième tour ---
# Avant le renommage, le fichier garde le tour d'avant ; après, il tient le
# nouveau. Le verrou laissé par le programme tué est repris sans attendre.
F="$TEMP/arrets/Pulsodex.conf"
mkdir -p "$TEMP/arrets"
"$ESSAI" tours "$F" Essai 1 >/dev/null 2>&1 || echouer "première sauvegarde"
verifier "$F" Essai "départ"
precedent=${TOUR:-0}
for etape in verrou temporaire remplace; do
    for tour in 1 2; do
        lieu="arrêt à l'étape $etape du tour $tour"
        # La fin par SIGKILL, sans le mot de bash.
        "$ESSAI" tours "$F" Essai 3 "$etape" "$tour" >/dev/null 2>&1 &
        wait $! 2>/dev/null
        [ $? -eq 137 ] || echouer "$lieu : le programme ne s'est pas tué"
        [ -e "$F.lock" ] || echouer "$lieu : aucun verrou laissé"
        attendu=$((precedent + tour - 1))
        [ "$etape" = remplace ] && attendu=$((precedent + tour))
        if verifier "$F" Essai "$lieu"; then
            [ "$TOUR" = "$attendu" ] || echouer "$lieu : tour $TOUR au lieu de $attendu"
        fi
        "$ESSAI" tours "$F" Essai 1 >/dev/null 2>"$TEMP/erreurs" || echouer "$lieu : sauvegarde suivante"
        sans_attente "$TEMP/erreurs" "$lieu"
        [ ! -e "$F.lock" ] && [ ! -e "$F.ecriture" ] || echouer "$lieu : verrou ou fichier temporaire restés"
        verifier "$F" Essai "$lieu, puis une sauvegarde" && precedent=$TOUR
    done
done
echo "arrêts aux étapes choisies : 6 (${SECONDS} s)"

# --- 2. kill -9 à des moments pris au hasard pendant des sauvegardes répétées ---
arrets=0
verrous=0
fin=$((SECONDS + 90))
for ((i = 0; i < 40 && SECONDS < fin; i++)); do
    : >"$TEMP/sortie"
    : >"$TEMP/erreurs"
    "$ESSAI" tours "$F" Essai 0 >"$TEMP/sortie" 2>"$TEMP/erreurs" &
    pid=$!
    # L'arrêt tombe pendant les sauvegardes : après la première, au hasard dans les 20 ms.
    limite=$((SECONDS + 20))
    while [ ! -s "$TEMP/sortie" ] && [ $SECONDS -lt $limite ] && kill -0 $pid 2>/dev/null; do sleep 0.005; done
    sleep "0.0$(printf '%02d' $((RANDOM % 20)))"
    kill -KILL $pid 2>/dev/null
    wait $pid 2>/dev/null
    # Son premier enregistrement a suivi l'arrêt du tour d'avant.
    sans_attente "$TEMP/erreurs" "arrêt $i"
    [ -e "$F.lock" ] && verrous=$((verrous + 1))
    verifier "$F" Essai "arrêt $i" || break
    [ "$TOUR" -ge "$precedent" ] || echouer "arrêt $i : le tour $TOUR recule (avant : $precedent)"
    precedent=$TOUR
    arrets=$((arrets + 1))
done
[ $arrets -ge 40 ] || echouer "seulement $arrets arrêts en 90 s"
echo "arrêts au hasard : $arrets, dont $verrous en pleine écriture ; dernier tour : $precedent (${SECONDS} s)"

# --- 2. deux programmes écrivent le même fichier en même temps ---
F="$TEMP/deux/Pulsodex.conf"
mkdir -p "$TEMP/deux"
"$ESSAI" tours "$F" Premier 150 >/dev/null 2>&1 &
a=$!
"$ESSAI" tours "$F" Second 150 >/dev/null 2>&1 &
b=$!
wait $a || echouer "le premier programme n'a pas pu enregistrer"
wait $b || echouer "le second programme n'a pas pu enregistrer"
verifier "$F" Premier "deux programmes (premier)" && [ "$TOUR" = 150 ] || echouer "premier : tour ${TOUR:-?} au lieu de 150"
verifier "$F" Second "deux programmes (second)" && [ "$TOUR" = 150 ] || echouer "second : tour ${TOUR:-?} au lieu de 150"
dernier=$("$ESSAI" lire "$F" Commun Dernier)
case "$dernier" in
Premier-150 | Second-150) ;;
*) echouer "valeur commune « $dernier »" ;;
esac
echo "deux programmes : 150 tours chacun, rien de perdu (${SECONDS} s)"

# --- 3. lecture seule : dossier, puis fichier (root écrit partout : essai sous nobody) ---
comme() { "$@"; }
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        comme() { setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups "$@"; }
    else
        comme() { return $SAUT; }
    fi
fi
D="$TEMP/lecture_seule"
mkdir -p "$D"
[ "$(id -u)" -eq 0 ] && chown nobody "$D"
F="$D/Pulsodex.conf"
if comme "$ESSAI" ecrire "$F" Essai Valeur ancienne >/dev/null; then
    cp "$F" "$TEMP/avant"
    chmod 555 "$D"
    sortie=$(comme "$ESSAI" ecrire "$F" Essai Valeur nouvelle) && echouer "dossier en lecture seule : succès annoncé"
    [[ "$sortie" == *"le dossier n'est pas inscriptible"* ]] || echouer "dossier en lecture seule : cause « $sortie »"
    cmp -s "$F" "$TEMP/avant" || echouer "dossier en lecture seule : fichier changé"
    chmod 755 "$D"
    chmod 444 "$F"
    sortie=$(comme "$ESSAI" ecrire "$F" Essai Valeur nouvelle) && echouer "fichier en lecture seule : succès annoncé"
    [[ "$sortie" == *"le fichier est en lecture seule"* ]] || echouer "fichier en lecture seule : cause « $sortie »"
    cmp -s "$F" "$TEMP/avant" || echouer "fichier en lecture seule : fichier changé"
    chmod 644 "$F"
    comme "$ESSAI" ecrire "$F" Essai Valeur nouvelle >/dev/null || echouer "écriture après retour des droits"
    [ "$("$ESSAI" lire "$F" Essai Valeur)" = nouvelle ] || echouer "valeur après retour des droits"
    echo "lecture seule : refus dits, fichier intact"
else
    echo "lecture seule : sauté (pas d'utilisateur sans droits pour l'essai)"
fi

# --- 4. disque plein : un petit tmpfs, dans un espace de montage privé ---
plein() {
    local d=$1
    mount -t tmpfs -o size=256k tmpfs "$d" || return $SAUT
    "$ESSAI" ecrire "$d/Pulsodex.conf" Essai Valeur ancienne >/dev/null || return 1
    cp "$d/Pulsodex.conf" "$d/../avant_plein"
    dd if=/dev/zero of="$d/remplissage" bs=4k 2>/dev/null
    local sortie
    sortie=$("$ESSAI" ecrire "$d/Pulsodex.conf" Essai Valeur "$(head -c 100000 /dev/zero | tr '\0' 'y')") &&
        { echo "disque plein : succès annoncé"; return 1; }
    [[ "$sortie" == *"le disque est plein"* ]] || { echo "disque plein : cause « $sortie »"; return 1; }
    cmp -s "$d/Pulsodex.conf" "$d/../avant_plein" || { echo "disque plein : fichier changé"; return 1; }
    rm -f "$d/remplissage"
    "$ESSAI" ecrire "$d/Pulsodex.conf" Essai Valeur nouvelle >/dev/null || { echo "écriture après place libérée"; return 1; }
    umount "$d"
}
mkdir -p "$TEMP/plein"
export ESSAI SAUT
export -f plein
if unshare -m --propagation private true 2>/dev/null; then
    unshare -m --propagation private bash -c 'plein "$0"' "$TEMP/plein"
    rc=$?
elif unshare -Urm true 2>/dev/null; then
    unshare -Urm bash -c 'plein "$0"' "$TEMP/plein"
    rc=$?
else
    rc=$SAUT
fi
case $rc in
0) echo "disque plein : refus dit, fichier intact" ;;
"$SAUT") echo "disque plein : sauté (aucun espace de montage privé possible ici : ni root, ni unshare -Urm)" ;;
*) echouer "disque plein" ;;
esac

[ $ECHECS -eq 0 ] || exit 1
echo "écriture des réglages : tout est bon"
