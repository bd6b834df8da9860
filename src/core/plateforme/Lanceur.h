#pragma once
// Ouverture d'un programme, d'un document ou d'un dossier, comme le ferait le
// bureau. Rend une valeur supérieure à 32 en cas de succès, sinon un code
// d'erreur : 2 fichier absent, 3 dossier absent, 5 accès refusé, 31 aucune
// application associée, 0 pour tout autre échec.
#include <string>
#include <string_view>

namespace pulsodex {

enum class ModeFenetre { Cachee = 0, Normale = 1, Reduite = 2, Agrandie = 3 };

inline constexpr int LancementReussi = 42;

// Ce qu'on demande au lanceur : le fichier à ouvrir et ses paramètres ; le
// nom du programme qui le fait, pour les messages.
struct CommandeSysteme {
    std::string Fichier;
    std::string Parametres;
    std::string Nom;
};

class Lanceur {
public:
    virtual ~Lanceur() = default;
    virtual int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                             std::string_view repertoire, ModeFenetre mode) = 0;
    // L'éditeur de texte du système sur un fichier du dossier donné (avec son
    // séparateur final) : « NotePad.exe » et le nom du fichier, lancés dans ce
    // dossier ; sous Linux, le fichier lui-même, qu'ouvre l'éditeur du bureau.
    [[nodiscard]] virtual CommandeSysteme EditeurTexte(const std::string& dossier,
                                                       const std::string& fichier) const = 0;
    // La commande qui redémarre la machine (le marqueur « Pulsodex.restart »).
    [[nodiscard]] virtual CommandeSysteme Redemarrage() const = 0;
};

} // namespace pulsodex
