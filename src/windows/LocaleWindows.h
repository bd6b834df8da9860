#pragma once
// Conventions de l'utilisateur lues par GetLocaleInfoEx ; ce qui ne se lit
// pas prend les conventions françaises.
#include <string>

#include "core/plateforme/Locale.h"

namespace pulsodex {

class LocaleWindows final : public LocaleUtilisateur {
public:
    // nom : celui d'une locale (« fr-FR ») ; vide : celle de l'utilisateur.
    explicit LocaleWindows(std::wstring nom = L"");

    [[nodiscard]] std::string NomJour(int jour) const override;
    [[nodiscard]] std::string NomMois(int mois) const override;
    [[nodiscard]] std::string NomJourCourt(int jour) const override;
    [[nodiscard]] std::string NomMoisCourt(int mois) const override;
    [[nodiscard]] std::string SeparateurDate() const override;
    [[nodiscard]] std::string SeparateurHeure() const override;
    [[nodiscard]] std::string SeparateurDecimal() const override;
    [[nodiscard]] std::string SeparateurMilliers() const override;
    [[nodiscard]] std::string DateHeureCourte(const DateHeure& moment) const override;

private:
    // Le texte de l'information ; vide quand elle ne se lit pas.
    [[nodiscard]] std::string Info(unsigned long type) const;
    [[nodiscard]] const wchar_t* Nom() const;

    std::wstring m_nom;
    LocaleFrancaise m_francaise;
};

} // namespace pulsodex
