#pragma once
// Ce que la couche des disques donne aux avertissements ; les accès au système
// dont elle a besoin sont ceux du contrat de la plateforme.
#include <cstdint>

#include "core/plateforme/InfosBlocs.h"
#include "core/plateforme/SondeEspace.h"
#include "core/plateforme/SourceMontages.h"

namespace pulsodex {

// Espace d'un disque, par numéro de lecteur (1 = A) : taille et espace libre
// d'une seule interrogation. Ce que demandent les avertissements ;
// SondeDisques en est la version réelle.
class EspaceLecteurs {
public:
    virtual ~EspaceLecteurs() = default;
    virtual ReponseSonde Espace(std::uint8_t lecteur) = 0;
};

} // namespace pulsodex
