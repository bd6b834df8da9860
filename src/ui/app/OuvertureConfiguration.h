#pragma once
// La fenêtre de configuration ouverte depuis la fenêtre principale : ses
// services (polices, couleurs, aide, lecteurs), son exécution modale et la
// carte des lettres qu'elle laisse.
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace pulsodex {

class TOptionsFormQt;
class TConfig;
struct ServicesFenetre;

struct OuvertureConfiguration {
    QWidget* Parent;
    TConfig& Config;
    ServicesFenetre& Services;
    std::vector<std::uint8_t> Lecteurs; // ceux des panneaux actuels
    // Appelé juste avant l'ouverture : la fenêtre principale se démonte.
    std::function<void()> AvantOuverture;
    // Appelé avec la fenêtre juste avant qu'elle s'ouvre (essais) ; vide : rien.
    std::function<void(TOptionsFormQt&)> Observateur;
};

// Modale : seuls les dialogues de configuration attendent leur réponse, et
// les tics sont arrêtés pendant ce temps par l'appelant.
void OuvrirConfiguration(const OuvertureConfiguration& ouverture);

} // namespace pulsodex
