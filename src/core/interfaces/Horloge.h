#pragma once
// Date et heure locales.
#include <ctime>

namespace pulsodex {

struct DateHeure {
    int Annee = 2000;
    int Mois = 1;        // 1..12
    int Jour = 1;        // 1..31
    int JourSemaine = 1; // 1 dimanche .. 7 samedi
    int Heure = 0;
    int Minute = 0;
    int Seconde = 0;
    int Milliseconde = 0;
};

class Horloge {
public:
    virtual ~Horloge() = default;
    [[nodiscard]] virtual DateHeure Maintenant() const = 0;
};

// L'horloge du système (heure locale).
class HorlogeSysteme final : public Horloge {
public:
    [[nodiscard]] DateHeure Maintenant() const override;
};

} // namespace pulsodex
