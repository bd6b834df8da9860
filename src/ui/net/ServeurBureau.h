#pragma once
// Le serveur de contrôle relié au bureau : le texte de SHOW et les pannes de
// prise deviennent des boîtes montrées sur le fil de l'interface.
#include <string_view>

#include "core/net/ServeurControle.h"
#include "ui/net/RelaisBoites.h"

namespace pulsodex {

class ServeurBureau {
public:
    // Légende de la boîte de SHOW : celle des boîtes d'information.
    static constexpr std::string_view LegendeMessage = "Information";

    ServeurBureau(Presentateur& boites, net::ParametresServeur parametres);

    [[nodiscard]] net::ServeurControle& Serveur() { return m_serveur; }
    [[nodiscard]] const RelaisBoites& Relais() const { return m_relais; }

private:
    RelaisBoites m_relais; // déclaré avant le serveur : détruit après ses fils
    net::ServeurControle m_serveur;
};

} // namespace pulsodex
