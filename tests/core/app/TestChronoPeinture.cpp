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

// Une montre factice qui compte ses lectures.
struct MontreFactice {
    Instant Maintenant;
    int Lectures = 0;
    ChronoPremierePeinture::Montre Montre() {
        return [this] {
            ++Lectures;
            return Maintenant;
        };
    }
};

TEST(ChronoPremierePeinture, PremierePeintureApresUnReleve) {
    const Instant lancement{1733490000s};
    MontreFactice montre{lancement + 20ms};
    ChronoPremierePeinture chrono(lancement, montre.Montre());
    // Peinte avant tout relevé : pas encore des valeurs réelles.
    EXPECT_EQ(chrono.Peinte(), std::nullopt);
    EXPECT_EQ(chrono.Mesure(), std::nullopt);

    chrono.Releve();
    montre.Maintenant = lancement + 42500us;
    EXPECT_EQ(chrono.Peinte(), std::optional<double>(42.5));
    // Une seule fois, même après d'autres relevés et d'autres peintures.
    montre.Maintenant = lancement + 2s;
    chrono.Releve();
    EXPECT_EQ(chrono.Peinte(), std::nullopt);
    EXPECT_EQ(chrono.Mesure(), std::optional<double>(42.5));
    EXPECT_EQ(montre.Lectures, 1);
    // Une horloge reculée donne un délai négatif, rapporté tel quel.
    ChronoPremierePeinture recule(lancement, montre.Montre());
    montre.Maintenant = lancement - 3ms;
    recule.Releve();
    EXPECT_EQ(recule.Peinte(), std::optional<double>(-3.0));
}

TEST(ChronoPremierePeinture, LigneAuPointDecimal) {
    const std::string debut = "pulsodex : première peinture des valeurs relevées à ";
    const std::pair<double, const char*> cas[] = {{47.26, "47.3"}, {0.0, "0.0"}, {-3.04, "-3.0"}};
    for (const auto& [ms, texte] : cas) {
        EXPECT_EQ(LigneChrono(ms), debut + texte + " ms du lancement\n") << ms;
    }
    // Les plus grands nombres tiennent dans la ligne.
    EXPECT_EQ(LigneChrono(1e300).size(), debut.size() + 301 + 2 + std::string(" ms du lancement\n").size());
}

} // namespace
} // namespace pulsodex::test
