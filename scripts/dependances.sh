#!/usr/bin/env bash
# Installe les paquets Debian qui manquent pour construire, lancer et tester
# Pulsodex, et produit les locales des tests (français, allemand, anglais).
# En root : sans question ; sinon : affiche les commandes à taper.
set -euo pipefail

paquets=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-wayland libcanberra-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils x11-xserver-utils iproute2
    openbox trayer weston xwayland xserver-xephyr x11-apps python3
    locales
    clang-format clang libclang-rt-14-dev
    fonts-dejavu-core fonts-liberation qt6-translations-l10n
    desktop-file-utils dpkg-dev
    g++-mingw-w64-x86-64-posix googletest wine wine64
    prometheus
)
# prometheus (et promtool) : pour le test de bout en bout de la page des
# mesures, qui lance son propre serveur. Sous systemd, le paquet démarre aussi
# le service du système (port 9090) : « systemctl disable --now prometheus »
# l'arrête si vous n'en voulez pas.
# Le bureau des tests parle français ; les textes des nombres sont aussi
# vérifiés en allemand et en anglais.
locales_voulues=(fr_FR de_DE en_US)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

# Une locale est là quand « locale -a » la nomme (fr_FR.utf8 ou fr_FR.UTF-8).
locales_manquantes() {
    local presentes l
    presentes=$(locale -a 2>/dev/null || true)
    for l in "${locales_voulues[@]}"; do
        grep -qix "$l\.utf-\?8" <<<"$presentes" || echo "$l"
    done
}

if [ "$(id -u)" -ne 0 ]; then
    manque=0
    if [ ${#manquants[@]} -gt 0 ]; then
        echo "Paquets manquants : ${manquants[*]}" >&2
        echo "Installez-les avec :" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${manquants[*]}" >&2
        manque=1
    fi
    for l in $(locales_manquantes); do
        echo "Locale manquante : $l.UTF-8 ; produisez-la avec :" >&2
        echo "  sudo localedef -i $l -f UTF-8 $l.UTF-8" >&2
        manque=1
    done
    exit $manque
fi

if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation des paquets manquants : ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! apt-get install -y --no-install-recommends "${manquants[@]}"; then
        apt-get update -qq
        apt-get install -y --no-install-recommends "${manquants[@]}"
    fi
fi

for l in $(locales_manquantes); do
    echo "Production de la locale $l.UTF-8"
    localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
