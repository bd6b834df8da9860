#include "ui/net/ServeurBureau.h"

#include "core/commun/Produit.h"

namespace pulsodex {

ServeurBureau::ServeurBureau(Presentateur& boites, net::ParametresServeur parametres)
    : m_relais(boites),
      m_serveur(std::move(parametres),
                net::RappelsServeur{[this](const std::string& texte, const std::stop_token& arret) {
                                        m_relais.Montrer(texte, std::string(LegendeMessage),
                                                         IconeBoite::Information, arret);
                                    },
                                    [this](const std::string& message, const std::stop_token& arret) {
                                        m_relais.Montrer(message, std::string(produit::TitreApplication),
                                                         IconeBoite::Erreur, arret);
                                    }}) {}

} // namespace pulsodex
