#pragma once
// La liste de l'ouverture de session : les valeurs des clés « Run » de
// l'utilisateur (HKEY_CURRENT_USER) et de la machine (HKEY_LOCAL_MACHINE).
#include "core/plateforme/ListeDemarrage.h"

namespace pulsodex {

inline constexpr const wchar_t* CleRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class DemarrageRun final : public ListeDemarrage {
public:
    [[nodiscard]] std::optional<std::string> Lire(PorteeDemarrage portee,
                                                  std::string_view nom) const override;
    bool Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) override;
    bool Effacer(PorteeDemarrage portee, std::string_view nom) override;
};

} // namespace pulsodex
