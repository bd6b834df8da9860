#pragma once
// Les montages dont l'espace se lit sur le fil de l'interface : le noyau le
// tient en mémoire pour ces systèmes de fichiers locaux, la question ne touche
// ni le réseau ni le disque. Les autres passent par le releveur (Releveur.h).
#include <chrono>
#include <string_view>
#include <vector>

#include "core/probes/Montages.h"

namespace pulsodex {

// Une lecture directe plus lente que cela fait passer le chemin par un fil.
inline constexpr std::chrono::milliseconds LenteurDirecte{50};

// Vrai quand le chemin est exactement le point d'un montage local d'un de ces
// systèmes (ext2/3/4, xfs, btrfs, f2fs, tmpfs, ramfs), sur un périphérique
// qui n'est pas amovible, et que chaque montage traversé pour l'atteindre en
// est un aussi (pas de dossier réseau sur le chemin). Un dossier sous un point
// de montage peut passer par un lien symbolique : jamais direct.
bool EspaceSansAttente(const std::vector<Montage>& montes, std::string_view chemin, bool amovible);

} // namespace pulsodex
