#!/usr/bin/env bash
# La page des mesures lue par un vrai Prometheus : le programme publie sur la
# boucle locale et un port libre, Prometheus le relève chaque seconde dans un
# dossier de données temporaire ; la mémoire physique libre stockée suit
# MemAvailable et l'espace libre de chaque lecteur suit statvfs, à quelques
# pour cent près ; promtool accepte la page. Page éteinte : port fermé.
source "$(dirname "$0")/commun.sh"
exiger prometheus promtool python3 stat
demarrer_xvfb

port_libre() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
PORT=$(port_libre)
PORT_PROMETHEUS=$(port_libre)
export PULSODEX_ECOUTE_MESURES=127.0.0.1
# La page : son type de contenu sur la première ligne, puis le corps.
page_prete() {
    python3 -c 'import sys, urllib.request as u; r = u.urlopen(sys.argv[1], timeout=5)
print(r.headers["Content-Type"]); print(r.read().decode(), end="")' "http://127.0.0.1:$PORT/metrics" >"$TEMP_E2E/page"
}
# La valeur stockée d'une requête PromQL ; les lecteurs : « dossier valeur » par série.
requete() { promtool query instant "http://127.0.0.1:$PORT_PROMETHEUS" "$1"; }
valeur() { requete "$1" | sed -n 's/.* => \([^ ]*\) @.*/\1/p'; }
lecteurs() { requete pulsodex_lecteur_libre_bytes | sed -n 's/.*dossier="\([^"]*\)".* => \([^ ]*\) @.*/\1 \2/p'; }
# proches A B : A et B à 5 % près (de B).
proches() { python3 -c "import sys; a, b = float(sys.argv[1]), float(sys.argv[2]); sys.exit(abs(a - b) > 0.05 * b)" "$1" "$2"; }

mkdir -p "$TEMP_E2E/d"
reglages_de_base "PublierMesures=Oui" "PortMesures=$PORT" "[Lecteurs]" "C=/" "D=$TEMP_E2E/d" \
    "[1280x1024]" "ListeDisques=CD" "ModeServeur=Non"
lancer_barre
attendre 5 page_prete || exit 1
type=$(head -n 1 "$TEMP_E2E/page")
[ "$type" = 'text/plain; version=0.0.4; charset=utf-8' ] || echec "type de contenu : $type"
tail -n +2 "$TEMP_E2E/page" | promtool check metrics || { cat "$TEMP_E2E/page"; echec "promtool refuse la page"; }

printf 'global:\n  scrape_interval: 1s\nscrape_configs:\n  - job_name: pulsodex\n    static_configs:\n' \
    >"$TEMP_E2E/prometheus.yml"
printf '      - targets: ["127.0.0.1:%s"]\n' "$PORT" >>"$TEMP_E2E/prometheus.yml"
prometheus --config.file="$TEMP_E2E/prometheus.yml" --storage.tsdb.path="$TEMP_E2E/donnees" \
    --web.listen-address="127.0.0.1:$PORT_PROMETHEUS" --log.level=warn >"$TEMP_E2E/prometheus.log" 2>&1 &
PIDS_E2E+=($!)
attendre 30 eval '[ -n "$(lecteurs)" ]' || { cat "$TEMP_E2E/prometheus.log"; echec "Prometheus n'a rien relevé"; }

# La valeur stockée face à celle du système, relue juste après (plusieurs
# essais : la machine vit entre le relevé et la lecture).
memoire_conforme() {
    local stockee disponible
    stockee=$(valeur pulsodex_memoire_physique_libre_bytes)
    disponible=$(($(awk '/^MemAvailable:/ {print $2}' /proc/meminfo) * 1024))
    echo "mémoire physique libre : stockée $stockee, MemAvailable $disponible"
    proches "$stockee" "$disponible"
}
# Lecteurs : les deux répondent, et leur espace libre stocké suit f_bfree × f_frsize.
lecteurs_conformes() {
    local dossier stockee blocs taille
    [ "$(valeur 'min(pulsodex_lecteur_repond)')" = 1 ] && [ "$(lecteurs | wc -l)" -eq 2 ] || return 1
    while read -r dossier stockee; do
        read -r blocs taille < <(stat -f -c '%f %S' "$dossier")
        echo "lecteur $dossier : stocké $stockee, statvfs $((blocs * taille))"
        proches "$stockee" $((blocs * taille)) || return 1
    done < <(lecteurs)
}
for verification in memoire_conforme lecteurs_conformes; do
    attendre 5 $verification || { $verification; echec "$verification : écart de plus de 5 %"; }
done
arreter_programme TERM || exit 1

sed -i 's/^PublierMesures=Oui$/PublierMesures=Non/' "$PULSODEX_CONFIG"
reglages_contiennent PublierMesures=Non
lancer_barre
(exec 4<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null && echec "le port $PORT répond alors que PublierMesures vaut Non"
arreter_programme TERM || exit 1
echo "ok"
