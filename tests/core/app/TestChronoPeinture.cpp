#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/ChronoPeinture.h"

namespace pulsodex::test {
namespace {

using namespace std::chrono_literals;

TEST(ChronoPremierePeinture, LectureInstantCommeEpochRealtime) {
    // Nanosecondes depuis l'époque ; rien : refusé.
    // clang-format off
    const std::pair<const char*, std::optional<std::int64_t>> cas[] = {
        {"1733490000.123456", 1733490000123456000}, {"1733490000,123456", 1733490000123456000}, // langue à virgule
        {"0", 0}, {"1.000000001", 1'000'000'001}, {"1.0000000019", 1'000'000'001}, // au-delà : ignoré
        {"9000000000.25", 9'000'000'000'250'000'000}, {"", {}}, {"1.", {}}, {".5", {}}, {"-1", {}},
        {" 1", {}}, {"1.2.3", {}}, {"1e9", {}}, {"99999999999999999999", {}},
        {"9300000000", {}}}; // hors de l'horloge du système
    // clang-format on
    for (const auto& [texte, nanosecondes] : cas) {
        const std::optional<Instant> lu = LireInstant(texte);
        EXPECT_EQ(lu ? std::optional(std::chrono::nanoseconds(lu->time_since_epoch()).count()) : std::nullopt,
                  nanosecondes)
            << "« " << texte << " »";
    }
}

// La ligne, écrite une fois, est vérifiée de bout en bout ; ici, la mesure
// attend le premier relevé, une horloge reculée donne un délai négatif, et
// les plus grands nombres tiennent dans la ligne.
TEST(ChronoPremierePeinture, PremierePeintureApresUnReleve) {
    const Instant lancement{1733490000s};
    Instant maintenant = lancement + 20ms;
    ChronoPremierePeinture chrono(lancement, [&] { return maintenant; });
    EXPECT_EQ(chrono.Peinte(), std::nullopt);
    chrono.Releve();
    maintenant = lancement - 3ms;
    EXPECT_EQ(chrono.Peinte(), std::optional<double>(-3.0));
    EXPECT_EQ(chrono.Mesure(), std::optional<double>(-3.0));
    EXPECT_EQ(LigneChrono(-3.04),
              "pulsodex : première peinture des valeurs relevées à -3.0 ms du lancement\n");
    EXPECT_EQ(LigneChrono(1e300).size(), 375U); // 301 chiffres, « .0 » et le texte
}

} // namespace
} // namespace pulsodex::test
