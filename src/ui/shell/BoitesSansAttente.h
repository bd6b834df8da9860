#pragma once
// Toutes les boîtes du programme s'ouvrent ici : modales pour l'utilisateur,
// mais sans boucle imbriquée. L'appel rend la main aussitôt, les minuteurs
// continuent de battre, et la fin de la boîte est rendue à une suite.
#include <functional>

class QDialog;

namespace pulsodex {

// Montre la boîte (modale pour toute l'application), qui se libère en se
// fermant ; fin (vide : rien) reçoit son résultat. La boîte reste ouverte
// jusqu'à la réponse, ou jusqu'à FermerBoitesOuvertes.
void MontrerSansAttendre(QDialog* boite, std::function<void(int)> fin = {});

// Ferme et libère les boîtes encore ouvertes sans appeler leurs suites
// (fin du programme).
void FermerBoitesOuvertes();

// Le nombre de boîtes ouvertes par MontrerSansAttendre.
[[nodiscard]] int NombreBoitesOuvertes();

} // namespace pulsodex
