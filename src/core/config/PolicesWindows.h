#pragma once
// Les polices de Windows que les réglages peuvent nommer, et la police libre
// qui les dessine ici : de mêmes métriques quand il en existe une, sinon la
// plus proche. Le nom gardé dans les réglages reste celui de l'utilisateur.
#include <string>
#include <string_view>
#include <vector>

namespace pulsodex {

// La police libre qui remplace ce nom de police Windows (casse ignorée) ;
// vide pour un nom qui n'en est pas un.
std::string_view PoliceLibreEquivalente(std::string_view nom);

// Les polices proposées par le dialogue : les installées, plus chaque nom
// Windows dont la remplaçante est installée (il compte alors comme installé).
std::vector<std::string> PolicesProposees(std::vector<std::string> installees);

} // namespace pulsodex
