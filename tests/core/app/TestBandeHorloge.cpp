#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/app/BandeHorloge.h"

namespace pulsodex::test {
namespace {

TEST(Horloge, MotifSelonDateEtHeure) {
    ConfigEssai e;
    TConfig& c = e.Config;
    c.Date = false;
    EXPECT_EQ(MotifHorloge(c), "hh:nn");
    c.Heure = false; // les deux éteints : le motif de l'heure
    EXPECT_EQ(MotifHorloge(c), "hh:nn");
    c.Date = true;
    EXPECT_EQ(MotifHorloge(c), "dd/mm/yyyy");
}

// Les cas courants sont vus par l'horloge de la fenêtre.
TEST(Horloge, ProchainIntervalle) {
    EXPECT_EQ(ProchainIntervalle(ModeRafraichissementHorloge::Minute, 59), 1000);
    EXPECT_EQ(ProchainIntervalle(static_cast<ModeRafraichissementHorloge>(7), 0), 1000); // mode inconnu
}

} // namespace
} // namespace pulsodex::test
