#pragma once
// Conventions de l'utilisateur lues dans la locale du système (LANG, LC_*).
// Sans locale réelle (C, POSIX) ou hors UTF-8 : les conventions françaises.
#include <locale.h>

#include "core/plateforme/Locale.h"

namespace pulsodex {

class LocaleLinux final : public LocaleUtilisateur {
public:
    // nom : celui d'une locale (« fr_FR.UTF-8 ») ; vide : celle de l'environnement.
    explicit LocaleLinux(const char* nom = "");
    ~LocaleLinux() override;
    LocaleLinux(const LocaleLinux&) = delete;
    LocaleLinux& operator=(const LocaleLinux&) = delete;

    [[nodiscard]] std::string NomJour(int jour) const override;
    [[nodiscard]] std::string NomMois(int mois) const override;
    [[nodiscard]] std::string NomJourCourt(int jour) const override;
    [[nodiscard]] std::string NomMoisCourt(int mois) const override;
    [[nodiscard]] std::string SeparateurDate() const override { return m_separateurDate; }
    [[nodiscard]] std::string SeparateurHeure() const override { return m_separateurHeure; }
    [[nodiscard]] std::string SeparateurDecimal() const override { return m_separateurDecimal; }
    [[nodiscard]] std::string SeparateurMilliers() const override { return m_separateurMilliers; }
    [[nodiscard]] std::string DateHeureCourte(const DateHeure& moment) const override;

private:
    locale_t m_locale = nullptr; // nul : conventions françaises
    LocaleFrancaise m_francaise;
    std::string m_separateurDate;
    std::string m_separateurHeure;
    std::string m_separateurDecimal;
    std::string m_separateurMilliers;
};

// Premier séparateur d'un format strftime (« %d/%m/%Y » donne « / »).
std::string SeparateurFormat(std::string_view format, std::string_view repli);

} // namespace pulsodex
