#pragma once
// Registre tenu en mémoire : pour les tests et les essais.
#include <map>

#include "core/config/Registre.h"

namespace pulsodex {

class RegistreMemoire : public Registre {
public:
    [[nodiscard]] std::optional<std::string> Lire(std::string_view section,
                                                  std::string_view nom) const override;
    void Ecrire(std::string_view section, std::string_view nom, std::string_view texte) override;
    void EffacerSection(std::string_view section) override;
    [[nodiscard]] bool SectionExiste(std::string_view section) const override;
    [[nodiscard]] std::vector<std::string> NomsValeurs(std::string_view section) const override;

    bool Synchroniser() override { return !m_echecDisque; }
    [[nodiscard]] std::string ErreurEcriture() const override {
        return m_echecDisque ? "« essai.conf » : le disque est plein" : "";
    }

    // Rend une section non inscriptible (essais d'échec d'écriture).
    void ProtegerEnEcriture(bool protege) { m_protege = protege; }
    // Fait échouer l'écriture sur disque (essais).
    void FaireEchouerDisque(bool echec) { m_echecDisque = echec; }
    [[nodiscard]] std::size_t NombreValeurs() const;
    // Mêmes sections, mêmes valeurs.
    friend bool operator==(const RegistreMemoire& a, const RegistreMemoire& b) {
        return a.m_sections == b.m_sections;
    }

private:
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> m_sections;
    bool m_protege = false;
    bool m_echecDisque = false;
};

} // namespace pulsodex
