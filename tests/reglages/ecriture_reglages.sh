#!/usr/bin/env bash
# Écriture des réglages : arrêts brutaux en pleine sauvegarde (à chaque étape,
# puis au hasard), deux programmes à la fois, dossier et fichier en lecture
# seule, disque plein.
# Usage : ecriture_reglages.sh CHEMIN/essai_reglages
set -uo pipefail
ESSAI=$1
SAUT=77
TEMP=$(mktemp -d)
chmod 755 "$TEMP"
ECHECS=0
trap 'rm -rf "$TEMP"' EXIT
echouer() { echo "ÉCHEC : $*"; ECHECS=$((ECHECS + 1)); }

# verifier FICHIER SECTION LIEU : le fichier se lit proprement et tient un seul
# tour, écrit dans TOUR.
verifier() { local s; s=$("$ESSAI" verifier "$1" "$2") && TOUR=$s || { echouer "$3 : $s"; return 1; }; }
# sans_attente ERREURS LIEU : le premier enregistrement n'a pas attendu le verrou.
sans_attente() { grep -qx "attentes=0" "$1" || echouer "$2 : premier enregistrement « $(tr '\n' ' ' <"$1") »"; }

# --- kill -9 à chaque étape de l'écriture, au premier et au deuxième tour ---
# Avant le renommage, le fichier garde le tour d'avant ; après, il tient le
# nouveau. Le verrou laissé par le programme tué est repris sans attendre.
F="$TEMP/arrets.conf"
"$ESSAI" tours "$F" Essai 1 >/dev/null 2>&1 || echouer "première sauvegarde"
verifier "$F" Essai "départ"
precedent=${TOUR:-0}
for etape in verrou:0 temporaire:0 remplace:1; do
    for tour in 1 2; do
        lieu="arrêt à l'étape ${etape%:*} du tour $tour"
        # La fin par SIGKILL, sans le mot de bash.
        "$ESSAI" tours "$F" Essai 3 "${etape%:*}" "$tour" >/dev/null 2>&1 &
        wait $! 2>/dev/null
        [ $? -eq 137 ] || echouer "$lieu : le programme ne s'est pas tué"
        [ -e "$F.lock" ] || echouer "$lieu : aucun verrou laissé"
        verifier "$F" Essai "$lieu" && { [ "$TOUR" = $((precedent + tour - 1 + ${etape#*:})) ] ||
            echouer "$lieu : tour $TOUR au lieu de $((precedent + tour - 1 + ${etape#*:}))"; }
        "$ESSAI" tours "$F" Essai 1 >/dev/null 2>"$TEMP/erreurs" || echouer "$lieu : sauvegarde suivante"
        sans_attente "$TEMP/erreurs" "$lieu"
        [ ! -e "$F.lock" ] && [ ! -e "$F.ecriture" ] || echouer "$lieu : verrou ou fichier temporaire restés"
        verifier "$F" Essai "$lieu, puis une sauvegarde" && precedent=$TOUR
    done
done

# --- kill -9 à des moments pris au hasard pendant des sauvegardes répétées ---
fin=$((SECONDS + 90))
for ((i = 0; i < 40 && SECONDS < fin; i++)); do
    : >"$TEMP/sortie"
    "$ESSAI" tours "$F" Essai 0 >"$TEMP/sortie" 2>"$TEMP/erreurs" &
    # L'arrêt tombe pendant les sauvegardes : après la première, au hasard dans les 20 ms.
    limite=$((SECONDS + 20))
    while [ ! -s "$TEMP/sortie" ] && [ $SECONDS -lt $limite ] && kill -0 $! 2>/dev/null; do sleep 0.005; done
    sleep "0.0$(printf '%02d' $((RANDOM % 20)))"
    kill -KILL $! 2>/dev/null
    wait $! 2>/dev/null
    # Son premier enregistrement a suivi l'arrêt du tour d'avant.
    sans_attente "$TEMP/erreurs" "arrêt $i"
    verifier "$F" Essai "arrêt $i" || break
    [ "$TOUR" -ge "$precedent" ] || echouer "arrêt $i : le tour $TOUR recule (avant : $precedent)"
    precedent=$TOUR
done
[ "$i" -ge 40 ] || echouer "seulement $i arrêts en 90 s"
echo "arrêts au hasard : $i ; dernier tour : $precedent (${SECONDS} s)"

# --- deux programmes écrivent le même fichier en même temps ---
F="$TEMP/deux.conf"
"$ESSAI" tours "$F" Premier 150 >/dev/null 2>&1 &
"$ESSAI" tours "$F" Second 150 >/dev/null 2>&1 || echouer "le second programme n'a pas pu enregistrer"
wait $! || echouer "le premier programme n'a pas pu enregistrer"
for section in Premier Second; do
    verifier "$F" $section "deux programmes ($section)" && { [ "$TOUR" = 150 ] || echouer "$section : tour $TOUR"; }
done
grep -Eqx 'Dernier=(Premier|Second)-150' "$F" || echouer "valeur commune « $(grep Dernier= "$F") »"

# refuse CAUSE COMMANDE... : l'écriture échoue, dit cette cause et laisse $F
# tel que $TEMP/avant.
refuse() {
    local cause=$1 sortie
    shift
    sortie=$("$@") && { echouer "$cause : succès annoncé"; return 1; }
    [[ $sortie == *"$cause"* ]] || { echouer "$cause : cause « $sortie »"; return 1; }
    cmp -s "$F" "$TEMP/avant" || { echouer "$cause : fichier changé"; return 1; }
}

# --- lecture seule : dossier, puis fichier (root écrit partout : essai sous nobody) ---
D="$TEMP/lecture_seule"
F="$D/Pulsodex.conf"
mkdir "$D"
comme=()
[ "$(id -u)" -ne 0 ] || comme=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
chown nobody "$D" 2>/dev/null
if "${comme[@]}" "$ESSAI" ecrire "$F" Essai Valeur ancienne >/dev/null; then
    cp "$F" "$TEMP/avant"
    chmod 555 "$D"
    refuse "le dossier n'est pas inscriptible" "${comme[@]}" "$ESSAI" ecrire "$F" Essai Valeur nouvelle
    chmod 755 "$D"
    chmod 444 "$F"
    refuse "le fichier est en lecture seule" "${comme[@]}" "$ESSAI" ecrire "$F" Essai Valeur nouvelle
    chmod 644 "$F"
    "${comme[@]}" "$ESSAI" ecrire "$F" Essai Valeur nouvelle >/dev/null || echouer "écriture après retour des droits"
    grep -qx "Valeur=nouvelle" "$F" || echouer "valeur après retour des droits"
else
    echo "lecture seule : sauté (pas d'utilisateur sans droits pour l'essai)"
fi

# --- disque plein : un petit tmpfs, dans un espace de montage privé ---
plein() {
    mkdir "$TEMP/plein" && mount -t tmpfs -o size=256k tmpfs "$TEMP/plein" || return $SAUT
    F="$TEMP/plein/Pulsodex.conf"
    "$ESSAI" ecrire "$F" Essai Valeur ancienne >/dev/null && cp "$F" "$TEMP/avant" || return 1
    dd if=/dev/zero of="$TEMP/plein/remplissage" bs=4k 2>/dev/null
    refuse "le disque est plein" "$ESSAI" ecrire "$F" Essai Valeur "$(head -c 100000 /dev/zero | tr '\0' y)" || return 1
    rm "$TEMP/plein/remplissage"
    "$ESSAI" ecrire "$F" Essai Valeur nouvelle >/dev/null || { echouer "écriture après place libérée"; return 1; }
}
export ESSAI SAUT TEMP
export -f plein refuse echouer
rc=$SAUT
for espace in "-m --propagation private" -Urm; do
    # shellcheck disable=SC2086
    unshare $espace true 2>/dev/null && { unshare $espace bash -c plein; rc=$?; break; }
done
[ $rc -ne $SAUT ] || echo "disque plein : sauté (aucun espace de montage privé possible ici : ni root, ni unshare -Urm)"
[ $rc -eq 0 ] || [ $rc -eq $SAUT ] || echouer "disque plein"

[ $ECHECS -eq 0 ] || exit 1
echo "écriture des réglages : tout est bon"
