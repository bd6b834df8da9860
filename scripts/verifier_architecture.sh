#!/usr/bin/env bash
# Vérifie la forme du code de src/ :
#  - seuls les dossiers de plateforme (src/linux/, src/windows/) incluent des
#    en-têtes du système ; le cœur et l'interface passent par le contrat de
#    src/core/plateforme/ ;
#  - chaque inclusion entre guillemets nomme sa couche (core/, ui/, linux/,
#    windows/) ; le cœur n'inclut que le cœur, l'interface pas la plateforme ;
#  - aucun fichier ne dépasse 520 lignes.
# Chaque faute est dite avec son fichier et sa ligne ; le code de sortie est 1
# s'il y en a une.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly LIGNES_MAX=520
# En-têtes de POSIX, de Linux et de Windows (et <csignal>, <cpuid.h>, qui ne
# servent qu'aux signaux du système et à l'instruction du processeur).
readonly SYSTEME='^(unistd\.h|sys/.*|netinet/.*|arpa/.*|net/.*|fcntl\.h|poll\.h|dirent\.h|pwd\.h|grp\.h|signal\.h|csignal|langinfo\.h|locale\.h|netdb\.h|spawn\.h|cpuid\.h|dlfcn\.h|pthread\.h|termios\.h|syslog\.h|mntent\.h|linux/.*|windows\.h|winsock2?\.h|ws2tcpip\.h|winreg\.h|winnetwk\.h|shellapi\.h|shlobj\.h|io\.h|direct\.h|intrin\.h)$'

readonly INCLUSION='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^>"]+)[>"]'

fautes=0
faute() {
    printf '%s\n' "$1" >&2
    fautes=$((fautes + 1))
}

while IFS= read -r -d '' fichier; do
    case "$fichier" in
    src/linux/* | src/windows/*) plateforme=1 ;;
    *) plateforme=0 ;;
    esac
    couche=${fichier#src/}
    couche=${couche%%/*}
    numero=0
    while IFS= read -r ligne || [[ -n "$ligne" ]]; do
        numero=$((numero + 1))
        [[ "$ligne" =~ $INCLUSION ]] || continue
        nom=${BASH_REMATCH[2]}
        if [[ "${BASH_REMATCH[1]}" == "<" ]]; then
            if ((plateforme == 0)) && [[ "$nom" =~ $SYSTEME ]]; then
                faute "$fichier:$numero : l'en-tête du système <$nom> n'a sa place que dans un dossier de plateforme (src/linux/, src/windows/) ; passer par le contrat de src/core/plateforme/."
            fi
            continue
        fi
        case "$nom" in
        core/* | ui/* | linux/* | windows/*) ;;
        *)
            faute "$fichier:$numero : l'inclusion \"$nom\" ne nomme pas sa couche (core/, ui/, linux/ ou windows/)."
            continue
            ;;
        esac
        if [[ "$couche" == core && "$nom" != core/* ]]; then
            faute "$fichier:$numero : le cœur n'inclut que le cœur, pas \"$nom\"."
        elif [[ "$couche" == ui && ( "$nom" == linux/* || "$nom" == windows/* ) ]]; then
            faute "$fichier:$numero : l'interface n'inclut pas la plateforme \"$nom\" ; elle la reçoit par core/plateforme/Plateforme.h."
        fi
    done <"$fichier"
    if ((numero > LIGNES_MAX)); then
        faute "$fichier:$numero : $numero lignes, plus que les $LIGNES_MAX permises ; découper le fichier selon ses rôles."
    fi
done < <(find src -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if ((fautes > 0)); then
    printf 'verifier_architecture : %d faute(s) dans src/.\n' "$fautes" >&2
    exit 1
fi
echo "verifier_architecture : src/ respecte ses couches."
