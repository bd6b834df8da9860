#pragma once
// Les réglages simples du magasin, un par ligne d'une table : où il est
// gardé, sous quel nom, dans quel champ de TConfig, avec quel défaut. Le
// chargement et la sauvegarde de l'environnement parcourent cette table ; les
// valeurs particulières (version, question du premier lancement, police,
// énumérations, lancement à l'ouverture de session, position) restent à part.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pulsodex {

class TConfig;

enum class LieuReglage {
    Racine,     // commun à toutes les résolutions
    Resolution, // la section de la résolution courante
    Jauges,     // « Jauges », commune à toutes les résolutions
};

using ChampReglage = std::variant<bool TConfig::*, std::string TConfig::*, std::int32_t TConfig::*,
                                  std::uint16_t TConfig::*, std::uint8_t TConfig::*>;

struct ReglageSimple {
    LieuReglage Lieu;
    std::string_view Nom;
    ChampReglage Champ;
    // Le texte pris quand la valeur manque : « Oui » ou « Non », un texte, un nombre.
    std::string_view Defaut;
    // Écrit par SauveEnvironnement ; les autres ont leur propre sauvegarde, ou aucune.
    bool Sauve = true;
    // Un nombre hors de ces bornes (ou de celles de son champ) prend le défaut.
    std::int64_t Min = std::numeric_limits<std::int32_t>::min();
    std::int64_t Max = std::numeric_limits<std::int32_t>::max();
    // Les caractères gardés d'un texte lu ; 0 : tous.
    std::size_t LongueurMax = 0;
};

[[nodiscard]] std::span<const ReglageSimple> ReglagesSimples();

// Lit, puis écrit, chaque réglage de la table (seulement ceux qui sont sauvés).
void ChargerReglagesSimples(TConfig& config);
void SauverReglagesSimples(TConfig& config);

} // namespace pulsodex
