#pragma once
// Ouverture d'un programme, d'un document ou d'un dossier, comme le ferait le
// bureau. Rend une valeur supérieure à 32 en cas de succès, sinon un code
// d'erreur : 2 fichier absent, 3 dossier absent, 5 accès refusé, 31 aucune
// application associée, 0 pour tout autre échec.
#include <string_view>

namespace pulsodex {

enum class ModeFenetre { Cachee = 0, Normale = 1, Reduite = 2, Agrandie = 3 };

inline constexpr int LancementReussi = 42;

class Lanceur {
public:
    virtual ~Lanceur() = default;
    virtual int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                             std::string_view repertoire, ModeFenetre mode) = 0;
};

} // namespace pulsodex
