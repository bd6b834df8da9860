#pragma once
// Tables des montages lues comme des textes : /proc/self/mountinfo et /etc/fstab.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

struct Montage {
    std::string Peripherique; // « majeur:mineur » (mountinfo seulement)
    std::string Racine;       // dossier du système de fichiers montré à ce point
    std::string Point;        // point de montage
    std::string Type;         // « ext4 », « nfs4 », « fuse.sshfs »…
    std::string Source;       // « /dev/sda1 », « serveur:/export », « //hote/partage »…
};

// Les montages en cours et ceux que prévoit fstab ; Version change avec eux.
struct TableMontages {
    std::vector<Montage> Montes;
    std::vector<Montage> Prevus;
    std::uint64_t Version = 0;
};

// Décode les échappements octaux du noyau (« \040 » = espace) ; une barre
// qui n'est pas suivie de trois chiffres octaux reste telle quelle.
std::string DecoderOctal(std::string_view texte);

// Les lignes de mountinfo, dans l'ordre de montage. Les champs facultatifs sont
// ignorés ; une ligne de moins de cinq champs est sautée ; sans le séparateur
// « - », type et source restent vides.
std::vector<Montage> LireMountinfo(std::string_view texte);

// Les lignes de fstab (source, point, type) ; commentaires et lignes
// incomplètes sautés.
std::vector<Montage> LireFstab(std::string_view texte);

// Chemin absolu réduit : « . », « .. », barres doublées et barre finale
// retirés. Vide quand le chemin n'est pas absolu. Un chemin de Windows
// (« c:/Temp/ ») garde son lecteur, en capitale, et prend « \ » : « C:\Temp ».
std::string NormaliserChemin(std::string_view chemin);

// Vrai quand le chemin est le point ou se trouve dessous, composant par composant
// (chemins normalisés).
bool EstSous(std::string_view chemin, std::string_view point);

// Le montage qui tient le chemin : le point le plus long qui le contient ; de
// montages empilés au même point, le dernier monté. nullptr si aucun.
const Montage* MontageDe(const std::vector<Montage>& montages, std::string_view chemin);

// Le montage dont le point est exactement ce chemin (le dernier monté), ou nullptr.
const Montage* MontageAuPoint(const std::vector<Montage>& montages, std::string_view point);

} // namespace pulsodex
