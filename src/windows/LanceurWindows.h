#pragma once
// Lancement sous Windows : ShellExecuteEx, ses réponses ramenées aux codes de
// ShellExecute (2 fichier absent, 3 dossier absent, 5 accès refusé, 31 aucune
// association, 0 le reste).
#include "core/plateforme/Lanceur.h"

namespace pulsodex {

class LanceurWindows final : public Lanceur {
public:
    int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                     std::string_view repertoire, ModeFenetre mode) override;
    [[nodiscard]] CommandeSysteme EditeurTexte(const std::string& /*dossier*/,
                                               const std::string& fichier) const override {
        return {"NotePad.exe", fichier, "NotePad.exe"};
    }
    // « rundll.exe user.exe,ExitWindows » n'existe plus sur les Windows 64 bits.
    [[nodiscard]] CommandeSysteme Redemarrage() const override {
        return {"shutdown.exe", "/r /t 0", "shutdown.exe"};
    }
};

// Le code de ShellExecute pour une erreur de Windows (GetLastError).
int CodeLancement(unsigned long erreur);

} // namespace pulsodex
