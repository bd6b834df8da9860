#pragma once
// La page des mesures au format texte d'exposition de Prometheus (0.0.4) :
// une famille de jauges par mesure, avec son aide en français et son type.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/ReleveMesures.h"

namespace pulsodex::net {

inline constexpr std::string_view TypePageMesures = "text/plain; version=0.0.4; charset=utf-8";

// Le texte de la page pour un relevé. Avant le premier relevé, seule la
// version ; les bandes du processeur éteintes n'ont pas de ligne ; un lecteur
// qui ne répond pas n'a que son témoin (0), sans espace libre ni taille.
std::string PageMesures(const ReleveMesures& releve);

// Une valeur d'étiquette échappée : \\, \" et \n.
std::string EchapperEtiquette(std::string_view valeur);
// Un pourcentage en rapport de 0 à 1 (« 0.42 », « 1 »), sans dépendre de la langue.
std::string Rapport(std::uint8_t pourcentage);

} // namespace pulsodex::net
