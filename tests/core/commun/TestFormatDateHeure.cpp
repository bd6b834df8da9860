#include <gtest/gtest.h>

#include "core/commun/FormatDateHeure.h"
#include "core/plateforme/Locale.h"

namespace pulsodex::test {
namespace {

// Séparateurs d'une autre langue pour voir « / » et « : » remplacés.
class LocalePoints : public LocaleFrancaise {
public:
    [[nodiscard]] std::string SeparateurDate() const override { return "."; }
    [[nodiscard]] std::string SeparateurHeure() const override { return "h"; }
};

TEST(FormatDateHeure, Motifs) {
    const LocaleFrancaise fr;
    // Samedi 5 décembre 2026, 09:07:03,045.
    const DateHeure m{2026, 12, 5, 7, 9, 7, 3, 45};
    struct Cas {
        const char* motif;
        const char* attendu;
    };
    // clang-format off
    const Cas cas[] = {
        {"dd/mm/yyyy - hh:nn", "05/12/2026 - 09:07"}, {"d/m/yy", "5/12/26"},
        {"hh:mm", "09:07"}, // m après une heure : les minutes
        {"h:m:s", "9:7:3"}, {"hh:nn:ss.zzz", "09:07:03.045"}, {"mm", "12"},
        {"dddd d mmmm yyyy", "samedi 5 décembre 2026"}, {"ddd d mmm", "sam. 5 déc."}, {"DD/MM/YYYY", "05/12/2026"},
        {"'le' d 'à' hh\"h\"nn", "le 5 à 09h07"}, {"'non fermé", "non fermé"}, {"d 'x", "5 x"}, {"yyy", "2026"},
        {"yyyyy", "202626"}, {"h:nn am/pm", "9:07 am"}, {"hh a/p", "09 a"}, {"", ""}, {"[#]", "[#]"},
        // Hors guillemets, les lettres des indicateurs sont reconnues même dans un mot.
        {"Semaine", "3e12ai7e"}};
    // clang-format on
    for (const auto& k : cas) {
        EXPECT_EQ(FormaterDateHeure(k.motif, m, fr), k.attendu) << k.motif;
    }
    EXPECT_EQ(FormaterDateHeure("dd/mm/yyyy hh:nn", m, LocalePoints()), "05.12.2026 09h07");
    const DateHeure soir{2026, 12, 5, 7, 23, 0, 0, 0};
    EXPECT_EQ(FormaterDateHeure("h:nn am/pm", soir, fr), "11:00 pm");
    const DateHeure minuit{2026, 12, 5, 7, 0, 5, 0, 0};
    EXPECT_EQ(FormaterDateHeure("h:nn a/p", minuit, fr), "12:05 a");
}

TEST(FormatDateHeure, MotifsLongsSansPlantage) {
    const DateHeure m{2026, 12, 5, 7, 9, 7, 3, 45};
    EXPECT_FALSE(FormaterDateHeure(std::string(255, 'd'), m, LocaleFrancaise()).empty());
    EXPECT_TRUE(FormaterDateHeure(std::string(255, '"'), m, LocaleFrancaise()).empty());
}

} // namespace
} // namespace pulsodex::test
