#pragma once
// Mise en forme d'une date et d'une heure selon un motif : d, dd, ddd, dddd
// (jour), m, mm, mmm, mmmm (mois ; minutes après une heure), yy, yyyy, h, hh,
// n, nn, s, ss, z, zzz, am/pm, a/p, « / » et « : » (séparateurs de la langue),
// texte entre apostrophes ou guillemets copié tel quel ; le reste est copié.
#include <string>
#include <string_view>

namespace pulsodex {

struct DateHeure;
class LocaleUtilisateur;

std::string FormaterDateHeure(std::string_view motif, const DateHeure& moment,
                              const LocaleUtilisateur& locale);

} // namespace pulsodex
