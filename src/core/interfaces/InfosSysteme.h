#pragma once
// Noms du système pour le journal des erreurs et la boîte « A propos ».
#include <string>

namespace pulsodex {

class InfosSysteme {
public:
    virtual ~InfosSysteme() = default;
    [[nodiscard]] virtual std::string WinVer() const = 0;
    // Version de la bibliothèque d'interface (peut être vide).
    [[nodiscard]] virtual std::string GetCommonControlsVersion() const = 0;
    // La translucidité des fenêtres est-elle offerte ?
    [[nodiscard]] virtual bool Windows2000() const = 0;
};

} // namespace pulsodex
