// Motifs de date et d'heure : n'importe quel motif, à n'importe quel moment
// valide, donne un texte de taille bornée.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "Verifier.h"
#include "core/commun/FormatDateHeure.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider fournisseur(donnees, taille);
    pulsodex::DateHeure moment;
    moment.Annee = fournisseur.ConsumeIntegralInRange(1601, 9999);
    moment.Mois = fournisseur.ConsumeIntegralInRange(1, 12);
    moment.Jour = fournisseur.ConsumeIntegralInRange(1, 31);
    moment.JourSemaine = fournisseur.ConsumeIntegralInRange(1, 7);
    moment.Heure = fournisseur.ConsumeIntegralInRange(0, 23);
    moment.Minute = fournisseur.ConsumeIntegralInRange(0, 59);
    moment.Seconde = fournisseur.ConsumeIntegralInRange(0, 59);
    moment.Milliseconde = fournisseur.ConsumeIntegralInRange(0, 999);
    const std::string motif = fournisseur.ConsumeRemainingBytesAsString();

    const pulsodex::LocaleFrancaise locale;
    const std::string texte = pulsodex::FormaterDateHeure(motif, moment, locale);
    // Le plus long : « mmmm » donne « septembre », « d » donne deux chiffres.
    VERIFIER(texte.size() <= 3 * motif.size());
    return 0;
}
