#pragma once
// Conventions de l'utilisateur : noms des jours et des mois, séparateurs,
// formats courts de date et longs d'heure.
#include <string>

#include "core/plateforme/Horloge.h"

namespace pulsodex {

class LocaleUtilisateur {
public:
    virtual ~LocaleUtilisateur() = default;
    // jour : 1 dimanche .. 7 samedi ; mois : 1 janvier .. 12 décembre.
    [[nodiscard]] virtual std::string NomJour(int jour) const = 0;
    [[nodiscard]] virtual std::string NomMois(int mois) const = 0;
    [[nodiscard]] virtual std::string NomJourCourt(int jour) const = 0;
    [[nodiscard]] virtual std::string NomMoisCourt(int mois) const = 0;
    [[nodiscard]] virtual std::string SeparateurDate() const = 0;
    [[nodiscard]] virtual std::string SeparateurHeure() const = 0;
    [[nodiscard]] virtual std::string SeparateurDecimal() const = 0;
    [[nodiscard]] virtual std::string SeparateurMilliers() const = 0;
    // Date courte et heure longue séparées d'un blanc, « 05/12/2026 09:52:10 ».
    [[nodiscard]] virtual std::string DateHeureCourte(const DateHeure& moment) const = 0;
};

// Conventions françaises fixes : repli quand le système n'en donne pas, et
// référence des tests.
class LocaleFrancaise : public LocaleUtilisateur {
public:
    [[nodiscard]] std::string NomJour(int jour) const override;
    [[nodiscard]] std::string NomMois(int mois) const override;
    [[nodiscard]] std::string NomJourCourt(int jour) const override;
    [[nodiscard]] std::string NomMoisCourt(int mois) const override;
    [[nodiscard]] std::string SeparateurDate() const override { return "/"; }
    [[nodiscard]] std::string SeparateurHeure() const override { return ":"; }
    [[nodiscard]] std::string SeparateurDecimal() const override { return ","; }
    // Disposition française fixe : un blanc entre les milliers.
    [[nodiscard]] std::string SeparateurMilliers() const override { return " "; }
    [[nodiscard]] std::string DateHeureCourte(const DateHeure& moment) const override;
};

// Les noms longs anglais (lecture des réglages écrits sous une autre langue).
std::string NomJourAnglais(int jour);
std::string NomMoisAnglais(int mois);
std::string NomJourFrancais(int jour);
std::string NomMoisFrancais(int mois);

} // namespace pulsodex
