#pragma once
// Textes des tailles et de la mémoire libre, en français.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/commun/Codes.h"

namespace pulsodex {

class LocaleUtilisateur;

// Séparateurs des nombres, pris dans la langue de l'utilisateur ; par défaut
// la disposition française fixe.
struct FormatNombres {
    std::string Milliers = " ";
    std::string Decimal = ",";
    static FormatNombres De(const LocaleUtilisateur& locale);
};

// Arrondi à sept chiffres significatifs, groupes de milliers, deux décimales
// (« 1 023,46 »).
std::string NombreDeuxDecimales(double valeur, const FormatNombres& format);
// Arrondi à l'unité (douze chiffres significatifs au plus), groupes de milliers.
std::string NombreEntier(double valeur, const FormatNombres& format);

// Taille entre parenthèses pour les bulles, « (1,50 Go) » avec son blanc de
// tête ; vide pour 1024 octets ou moins.
std::string ChaineTaille(std::int64_t taille, const FormatNombres& format);
// Légende d'un disque : « C: 12,34 Go », « E: Plein », « E: Indisponible » ;
// sans lettre pour le total (lecteur 0).
std::string ChaineEspaceDisque(std::uint8_t lecteur, std::int64_t libre, std::int64_t taille,
                               const FormatNombres& format);
// Pourcentage entier de part dans total ; 0 si total n'est pas positif.
std::uint8_t PourcentageDisque(std::int64_t part, std::int64_t total);
// Légende des jauges de mémoire libre selon l'unité (1 octets, 2 Ko, 3 Mo).
std::string ChaineMemoire(std::int64_t libre, ModeAffichageMemoire mode, const FormatNombres& format);
// Lettres accentuées de l'ancienne page de code DOS vers leur forme UTF-8
// (modifié en place ; les capitales É et È deviennent « E »).
void ConversionAccents(std::string& texte);

} // namespace pulsodex
