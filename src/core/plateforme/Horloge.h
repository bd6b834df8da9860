#pragma once
// Date et heure locales.

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

} // namespace pulsodex
