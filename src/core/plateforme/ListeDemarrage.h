#pragma once
// Liste des programmes lancés à l'ouverture de session, pour l'utilisateur
// et pour la machine.
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex {

enum class PorteeDemarrage { Utilisateur, Machine };

class ListeDemarrage {
public:
    virtual ~ListeDemarrage() = default;
    // La commande inscrite sous ce nom ; rien si l'entrée manque ou ne se lit pas.
    [[nodiscard]] virtual std::optional<std::string> Lire(PorteeDemarrage portee,
                                                          std::string_view nom) const = 0;
    // Faux quand l'emplacement ne s'ouvre pas en écriture (il est alors ignoré).
    virtual bool Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) = 0;
    virtual bool Effacer(PorteeDemarrage portee, std::string_view nom) = 0;
};

} // namespace pulsodex
