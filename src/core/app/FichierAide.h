#pragma once
// L'aide du programme : où la trouver et à quelle ancre ouvrir chaque sujet.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

// Sujets de l'aide ouverts par le programme.
inline constexpr int SujetTableauDeBord = 1; // la fenêtre et son menu
inline constexpr int SujetConfiguration = 6; // la boîte de configuration
inline constexpr int SujetFormats = 10;      // les formats de date et d'heure

inline constexpr std::string_view NomFichierAide = "pulsodex.html";

// L'ancre d'un sujet dans l'aide (« sujet6 ») ; vide pour un sujet inconnu,
// qui ouvre l'aide à son début.
std::string AncreSujet(int sujet);

// Où chercher l'aide, dans l'ordre : installée (<préfixe>/bin/pulsodex ->
// <préfixe>/share/pulsodex/aide/), puis à côté de l'exécutable dans le
// dossier de construction (aide/).
std::vector<std::filesystem::path> EmplacementsAide(const std::filesystem::path& executable);
// Le premier de ces emplacements qui existe.
std::optional<std::filesystem::path> TrouverAide(const std::filesystem::path& executable);

} // namespace pulsodex
