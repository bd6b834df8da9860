#pragma once
// Les réglages dans le registre : une clé racine (HKEY_CURRENT_USER\Software\Pulsodex),
// une sous-clé par section, une valeur REG_SZ par réglage.
#include <windows.h>

#include <string>

#include "core/config/Registre.h"

namespace pulsodex {

inline constexpr const char* CleReglages = "Software\\Pulsodex";

class RegistreWindows final : public Registre {
public:
    // La clé racine est créée si elle manque ; nom dit où elle est, pour les messages.
    RegistreWindows(HKEY ruche, std::string chemin, std::string nom);

    [[nodiscard]] std::optional<std::string> Lire(std::string_view section,
                                                  std::string_view nom) const override;
    void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) override;
    void EffacerSection(std::string_view section) override;
    [[nodiscard]] bool SectionExiste(std::string_view section) const override;
    [[nodiscard]] std::vector<std::string> NomsValeurs(std::string_view section) const override;
    // Faux quand une écriture a échoué depuis la dernière fois ; ErreurEcriture dit pourquoi.
    bool Synchroniser() override;
    [[nodiscard]] std::string ErreurEcriture() const override { return m_erreur; }

private:
    [[nodiscard]] std::wstring Chemin(std::string_view section) const;
    void Noter(LSTATUS code);

    HKEY m_ruche;
    std::string m_chemin;
    std::string m_nom;
    bool m_echec = false;
    std::string m_erreur;
};

} // namespace pulsodex
