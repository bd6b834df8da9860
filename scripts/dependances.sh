#!/usr/bin/env bash
# Installe les paquets Debian qui manquent pour construire, lancer et tester
# Pulsodex. En root : apt-get sans question ; sinon : affiche la commande.
set -euo pipefail

paquets=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libcanberra-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool iproute2
    clang-format clang libclang-rt-14-dev
    fonts-dejavu-core
    desktop-file-utils dpkg-dev
)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Paquets manquants : ${manquants[*]}" >&2
    echo "Installez-les avec :" >&2
    echo "  sudo apt-get install -y --no-install-recommends ${manquants[*]}" >&2
    exit 1
fi

echo "Installation des paquets manquants : ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! apt-get install -y --no-install-recommends "${manquants[@]}"; then
    apt-get update -qq
    apt-get install -y --no-install-recommends "${manquants[@]}"
fi
