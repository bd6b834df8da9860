#pragma once
// Chronomètre des bancs d'essai : PULSODEX_CHRONO donne l'instant du lancement
// (secondes depuis l'époque, comme $EPOCHREALTIME de bash) ; la première jauge
// peinte avec des valeurs relevées dit alors son délai.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pulsodex {

using Instant = std::chrono::system_clock::time_point;

// « 1733490000.123456 » ou avec une virgule ; rien si le texte n'en est pas un.
std::optional<Instant> LireInstant(std::string_view texte);

class ChronoPremierePeinture {
public:
    using Montre = std::function<Instant()>;
    explicit ChronoPremierePeinture(Instant lancement, Montre montre = &std::chrono::system_clock::now)
        : m_lancement(lancement), m_montre(std::move(montre)) {}

    // Un cycle de rafraîchissement a relevé les valeurs des jauges.
    void Releve() { m_releve = true; }
    // Une jauge vient d'être peinte : le délai depuis le lancement, en
    // millisecondes, la première fois qu'elle montre un relevé ; rien sinon.
    std::optional<double> Peinte();
    [[nodiscard]] std::optional<double> Mesure() const { return m_mesure; }

private:
    Instant m_lancement;
    Montre m_montre;
    bool m_releve = false;
    std::optional<double> m_mesure;
};

// La ligne écrite sur la sortie d'erreur (point décimal, pour les scripts).
std::string LigneChrono(double millisecondes);

} // namespace pulsodex
