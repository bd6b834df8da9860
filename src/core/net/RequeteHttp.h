#pragma once
// Les requêtes HTTP/1.x de la page des mesures : la ligne de requête lue dès
// qu'elle est complète, la fin des en-têtes attendue sous une taille bornée,
// et la réponse entière (toujours « Connection: close »).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace pulsodex::net {

enum class EtatRequete {
    Incomplete,      // attendre la suite
    Complete,        // ligne de requête et en-têtes reçus
    Malformee,       // 400
    LigneTropLongue, // 414
    EnTetesTropLongs // 431
};

struct Requete {
    EtatRequete Etat = EtatRequete::Incomplete;
    std::string_view Methode;
    std::string_view Chemin; // sans la chaîne de requête
};

// Analyse ce qui est arrivé ; au-delà de tailleMax octets sans fin des en-têtes,
// la requête est refusée. Les vues pointent dans `recu`.
Requete AnalyserRequete(std::string_view recu, std::size_t tailleMax);

// La réponse à une requête terminée (ou refusée) : la page pour GET et HEAD
// sur /metrics, 404 ailleurs, 405 pour les autres méthodes.
std::string Repondre(const Requete& requete, const std::function<std::string()>& page);
// La réponse à un client qui n'a pas fini sa requête dans le délai.
std::string ReponseDelaiDepasse();

} // namespace pulsodex::net
