#pragma once
// Genre d'un lecteur d'après son montage : les libellés de GetDriveType32.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/probes/Montages.h"

namespace pulsodex {

inline constexpr std::string_view UniteInconnue = "Unité inconnue";
inline constexpr std::string_view UniteInvalide = "Unité invalide";
inline constexpr std::string_view DisqueAmovible = "Disque amovible";
inline constexpr std::string_view DisqueLocal = "Disque local";
inline constexpr std::string_view ConnexionReseau = "Connexion réseau";
inline constexpr std::string_view Cederom = "Cédérom";
inline constexpr std::string_view DisqueMemoireVive = "Emulation de disque en mémoire vive";

// Ce que /sys dit du périphérique bloc d'un montage (le disque, pour une partition).
struct PeripheriqueBloc {
    std::string Nom; // « sda », « sr0 », « nvme0n1 »
    bool Amovible = false;
};

// Une source de la forme « hote:… » ou « //hote/… » (les adresses « https://… » aussi).
bool EstSourceReseau(std::string_view source);
// Un montage d'un partage distant, par son type ou, pour un type inconnu ou
// FUSE, par sa source.
bool EstReseau(const Montage& m);
bool EstAutofs(const Montage& m);

// « Connexion réseau » suivi d'un blanc et de la source ; sans source lisible
// (vide, « none », ou plus longue que les 250 caractères du nom distant) :
// « Connexion réseau » seul.
std::string LibelleReseau(std::string_view source);

// Le libellé du genre : réseau, mémoire vive, cédérom, amovible, local ou inconnu.
std::string GenreMontage(const Montage& m, const std::optional<PeripheriqueBloc>& bloc);

// Le libellé d'un type de lecteur de Windows (GetDriveType : 0 inconnu, 1 sans
// racine, 2 amovible, 3 fixe, 4 distant, 5 cédérom, 6 mémoire vive), le nom
// distant (WNetGetConnection) complétant celui d'un lecteur réseau.
std::string GenreTypeLecteur(std::uint32_t type, std::string_view distant);

// Règle des lettres données au premier lancement : un système de fichiers réel.
// Sont écartés les systèmes virtuels (proc, sysfs, cgroup, devpts, autofs,
// overlay des conteneurs, squashfs des paquets…), les points sous /proc, /sys,
// /dev, /boot, /snap et /run (sauf /run/media), et les montages liés d'un
// sous-dossier (racine autre que « / »), sauf les sous-volumes btrfs et les
// partages réseau.
bool EstMontageReel(const Montage& m);

} // namespace pulsodex
