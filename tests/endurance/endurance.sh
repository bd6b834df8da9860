#!/usr/bin/env bash
# Endurance : le vrai programme tourne 10 minutes (PULSODEX_ENDURANCE_S) avec
# un rafraîchissement de 100 ms, toutes les bandes, trois lecteurs, une règle
# qui sonne sans cesse (sa fenêtre d'alarme est fermée dès qu'elle paraît) et
# des clients qui vont et viennent sur le port 1109. Après l'échauffement, le
# nombre de fils, de descripteurs et la mémoire résidente restent plats.
source "$(dirname "$0")/../e2e/commun.sh"
exiger ss
# Un simple « ctest » ne la lance pas : seul le préréglage « endurance » le demande.
[ "${PULSODEX_ENDURANCE:-}" = 1 ] || { echo "endurance non demandée (ctest --preset endurance)"; exit $SAUT; }
[ -z "$(ss -Hltn 'sport = :1109')" ] || { echo "port 1109 déjà pris sur cette machine"; exit $SAUT; }
DUREE=${PULSODEX_ENDURANCE_S:-600}
ECHAUFFEMENT=$((DUREE / 5)) # 2 minutes sur 10 : caches de Qt et des polices remplis
demarrer_xvfb
L="$TEMP_E2E/lecteurs"
mkdir -p "$L"/{c,d,e}
reglages_de_base 'NombreAvertissements=1' '[1280x1024]' 'Date=Oui' 'Heure=Oui' 'Mem=Oui' 'MemPhysique=Oui' \
    'MemoryLoad=Oui' 'ChargeProcesseur=Oui' 'MoyenneChargeProcesseur=Oui' 'TotalDisque=Oui' 'ListeDisques=CDE' \
    'Rafraichissement=100' 'ModeRafraichissementHorloge=Seconde' 'ChaineHeure=hh:nn:ss.zzz' 'RepeterAvertir=10' \
    'Sons=Non' '[Lecteurs]' "C=$L/c" "D=$L/d" "E=$L/e" '[Avertissement]' '0\Ressource=Disque' '0\Disque=D' \
    '0\Unit%E9=Mo' '0\Seuil=2000000000'

# Fermeur : chaque fenêtre d'alarme est fermée dès qu'elle paraît, par une
# vraie frappe sur la fenêtre activée (un évènement envoyé à une fenêtre sans
# le focus est ignoré) ; elle revient dix rafraîchissements plus tard.
fermeur() {
    while kill -0 "$PROGRAMME_PID" 2>/dev/null; do
        f=$(fenetre "Alarme Pulsodex")
        [ -z "$f" ] || { xdotool windowactivate --sync "$f" key Return 2>/dev/null && echo >>"$TEMP_E2E/alarmes"; }
        sleep 0.2
    done
}
# Clients : l'un converse (salutation, GET, BYE), l'autre part sans rien dire.
clients() {
    for ((n = 0; ; n++)); do
        kill -0 "$PROGRAMME_PID" 2>/dev/null || return
        if exec 3<>/dev/tcp/127.0.0.1/1109 2>/dev/null; then
            ((n % 2)) || { read -r -t 5 _ <&3 && printf 'GET\r\n' >&3 && read -r -t 5 _ <&3 &&
                printf 'BYE\r\n' >&3 && read -r -t 5 _ <&3 && echo >>"$TEMP_E2E/clients"; }
            exec 3<&-
        fi
        sleep 0.05
    done
}

lancer_pulsodex
fermeur &
PIDS_E2E+=($!)
attendre 15 fenetre_presente "Pulsodex XP" || exit 1
attendre 10 le_notre || echec "pulsodex n'écoute pas sur 1109"
clients &
PIDS_E2E+=($!)

# Un relevé toutes les 5 s : instant, fils, descripteurs, mémoire résidente (Ko).
debut=$SECONDS
while [ $((SECONDS - debut)) -lt "$DUREE" ]; do
    kill -0 "$PROGRAMME_PID" 2>/dev/null || echec "le programme s'est arrêté"
    echo "$SECONDS $(awk '/^Threads:/ {f = $2} /^VmRSS:/ {r = $2} END {print f, r}' "/proc/$PROGRAMME_PID/status")" \
        "$(find "/proc/$PROGRAMME_PID/fd" -mindepth 1 -maxdepth 1 | wc -l)" >>"$TEMP_E2E/releves"
    sleep 5
done
alarmes=$(cat "$TEMP_E2E/alarmes" 2>/dev/null | wc -l)
conversations=$(cat "$TEMP_E2E/clients" 2>/dev/null | wc -l)

# Au-delà de l'échauffement, la première mesure est la référence. Tolérances :
# fils et descripteurs +2 (un client servi au moment du relevé, un second en
# train de se fermer) ; mémoire résidente +6 Mo (les arènes de malloc et les
# caches de Qt bougent de quelques Mo ; une fuite de 1 Ko par rafraîchissement
# ou de 4 Ko par client la dépasse), et pas plus de 3 Mo en seconde moitié.
awk -v echauffement="$((debut + ECHAUFFEMENT))" -v fin="$((debut + DUREE))" '
    $1 >= echauffement && !ref { f0 = $2; r0 = $3; d0 = $4; ref = 1 }
    ref { n++; if ($2 > fmax) fmax = $2; if ($3 > rmax) rmax = $3; if ($4 > dmax) dmax = $4
          if ($1 <= (echauffement + fin) / 2) rmilieu = $3; rfin = $3 }
    END {
        printf "après échauffement : fils %d→max %d, descripteurs %d→max %d, RSS %d→max %d Ko (milieu %d, fin %d)\n",
            f0, fmax, d0, dmax, r0, rmax, rmilieu, rfin
        if (!ref || n < 3) { print "pas assez de relevés"; exit 1 }
        if (fmax > f0 + 2) { print "les fils augmentent"; e = 1 }
        if (dmax > d0 + 2) { print "les descripteurs augmentent"; e = 1 }
        if (rmax > r0 + 6144) { print "la mémoire résidente augmente"; e = 1 }
        if (rfin > rmilieu + 3072) { print "la mémoire résidente augmente encore en seconde moitié"; e = 1 }
        exit e
    }' "$TEMP_E2E/releves"
resultat=$?
echo "alarmes fermées : $alarmes ; conversations sur 1109 : $conversations ; durée : $DUREE s"
[ "$alarmes" -ge $((DUREE / 10)) ] || { echo "trop peu d'alarmes : la règle ne sonne pas"; resultat=1; }
[ "$conversations" -ge $((DUREE / 2)) ] || { echo "trop peu de clients servis"; resultat=1; }
[ $resultat -eq 0 ] || { echo "relevés (s, fils, RSS Ko, descripteurs) :"; cat "$TEMP_E2E/releves"; }
arreter_programme TERM || exit 1
exit $resultat
