#pragma once
// Les codes que les réglages gardent en nombres. Les fichiers gardent les
// nombres ; le programme dit leurs noms. Le passage de l'un à l'autre se fait
// là où les réglages sont lus et écrits (TConfig).
#include <cstdint>

namespace pulsodex {

// --- Réglages de la résolution ---

// La fenêtre au lancement.
enum class Demarrage : std::uint8_t { Visible = 0, Masquee = 1 };
// L'unité des légendes de mémoire libre.
enum class ModeAffichageMemoire : std::uint8_t { Octets = 1, Ko = 2, Mo = 3 };
// L'horloge redessinée chaque minute ou chaque seconde.
enum class ModeRafraichissementHorloge : std::uint8_t { Minute = 1, Seconde = 2 };
// Le bord des panneaux des jauges.
enum class Bord : std::uint8_t { Aucun = 0, Creux = 1, Relief = 2 };
// L'arrangement des bandes : manuel, ou refait à chaque changement de largeur.
enum class Organisation : std::uint8_t { Manuelle = 0, Ligne = 1, Colonne = 2, Avancee = 3 };

// --- Règles d'avertissement ---

// La ressource surveillée ; une règle sans ressource n'est pas gardée.
enum class Ressource : std::uint8_t {
    Aucune = 0,
    MemoireTotale = 1,
    MemoirePhysique = 2,
    Disque = 3,
    ChargeMemoire = 4,
};
// L'unité du seuil.
enum class Unite : std::uint8_t { Aucune = 0, Pourcent = 1, Octets = 2, Ko = 3, Mo = 4 };

// --- Événements de l'agenda ---

// Ce que fait l'événement ; un autre type ne fait rien.
enum class TypeEvenement : std::uint8_t { Indefini = 0, Message = 1, Tache = 2 };
// La fenêtre d'une tâche lancée.
enum class ModeLancement : std::uint8_t { Normal = 0, Icone = 1, Agrandi = 2 };

// Le choix du jour, un nombre de 0 à 40 : tous les jours, un jour de la
// semaine (1 dimanche … 7 samedi), la semaine, le week-end, ou le n du mois
// écrit n + 9.
inline constexpr std::uint8_t JourTous = 0;
inline constexpr std::uint8_t JourSamedi = 7; // le dernier jour de la semaine
inline constexpr std::uint8_t JourSemaine = 8;
inline constexpr std::uint8_t JourWeekEnd = 9;
inline constexpr std::uint8_t DecalageJourDuMois = 9;
inline constexpr std::uint8_t JourDuMoisMax = 40; // le 31
// Le choix du mois : tous les mois, ou un mois de 1 à 12.
inline constexpr std::uint8_t MoisTous = 0;

} // namespace pulsodex
