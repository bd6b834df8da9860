#include <gtest/gtest.h>

#include "core/commun/FormatDateHeure.h"
#include "core/plateforme/Locale.h"

namespace pulsodex::test {
namespace {

TEST(FormatDateHeure, Motifs) {
    const LocaleFrancaise fr;
    struct Cas {
        const char* motif;
        const char* attendu;
        int heure = 9;
    };
    // Samedi 5 décembre 2026 à l'heure donnée, 07:03,045 ; « m » après une heure : les minutes.
    const Cas cas[] = {{"dd/mm/yyyy - hh:nn", "05/12/2026 - 09:07"},
                       {"d/m/yy", "5/12/26"},
                       {"hh:mm", "09:07"},
                       {"hh:nn:ss.zzz", "09:07:03.045"},
                       {"dddd d mmmm yyyy", "samedi 5 décembre 2026"},
                       {"ddd d mmm", "sam. 5 déc."},
                       {"DD/MM/YYYY", "05/12/2026"},
                       {"'le' d 'à' hh\"h\"nn", "le 5 à 09h07"},
                       {"'non fermé", "non fermé"},
                       {"h:nn am/pm", "11:07 pm", 23},
                       {"h:nn a/p", "12:07 a", 0}};
    for (const auto& k : cas) {
        const DateHeure m{2026, 12, 5, 7, k.heure, 7, 3, 45};
        EXPECT_EQ(FormaterDateHeure(k.motif, m, fr), k.attendu) << k.motif;
    }
    const DateHeure m{2026, 12, 5, 7, 9, 7, 3, 45};
    EXPECT_FALSE(FormaterDateHeure(std::string(255, 'd'), m, fr).empty()); // motif long : sans plantage
}

} // namespace
} // namespace pulsodex::test
