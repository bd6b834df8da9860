#include <gtest/gtest.h>

#include "FacticesDisques.h"
#include "probes/SondeBornee.h"

namespace pulsodex {
namespace {

using namespace std::chrono_literals;

// Délai court pour les essais ; aucune assertion ne porte sur une durée.
constexpr auto Delai = 20ms;
// Borne des attentes sur condition : au-delà, l'essai a échoué.
constexpr auto Garde = 10s;

class SondeBorneeTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Rend la main aux fils retenus avant la fin du processus.
        m_sonde->Liberer();
        EXPECT_TRUE(m_sonde->AttendreBloquees(0, Garde));
    }
    std::shared_ptr<test::SondeEspaceFactice> m_sonde = std::make_shared<test::SondeEspaceFactice>();
};

TEST_F(SondeBorneeTest, DisqueSainUnSeulFilPourToutesLesQuestions) {
    m_sonde->Repondre("/home", 1000, 400);
    SondeBornee sonde(m_sonde, "/home", Garde);
    for (int i = 0; i < 200; ++i) {
        const ReponseSonde r = sonde.Interroger();
        ASSERT_EQ(r.Etat, EtatSonde::Ok);
        EXPECT_EQ(r.Taille, 1000);
        EXPECT_EQ(r.Libre, 400);
    }
    EXPECT_EQ(m_sonde->Appels(), 200);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
    EXPECT_FALSE(sonde.Occupee());
}

TEST_F(SondeBorneeTest, SondeBloqueeEchoueApresLeDelaiPuisAussitot) {
    m_sonde->Bloquer("/mnt/nfs");
    SondeBornee sonde(m_sonde, "/mnt/nfs", Delai);
    EXPECT_EQ(sonde.Interroger().Etat, EtatSonde::Delai);
    EXPECT_TRUE(sonde.Occupee());
    // Tant qu'elle reste bloquée, aucune autre question n'atteint le système.
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(sonde.Interroger().Etat, EtatSonde::Occupee);
    }
    ASSERT_TRUE(m_sonde->AttendreBloquees(1, Garde));
    EXPECT_EQ(m_sonde->Appels(), 1);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(SondeBorneeTest, RepondDeNouveauQuandLeBlocageCesse) {
    m_sonde->Bloquer("/mnt/nfs");
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    SondeBornee sonde(m_sonde, "/mnt/nfs", Delai);
    EXPECT_EQ(sonde.Interroger().Etat, EtatSonde::Delai);
    m_sonde->Liberer();
    // Le serveur revient : une question finit par être servie, par le même fil.
    const auto limite = std::chrono::steady_clock::now() + Garde;
    ReponseSonde r;
    while (r.Etat != EtatSonde::Ok && std::chrono::steady_clock::now() < limite) {
        r = sonde.Interroger();
    }
    EXPECT_EQ(r.Etat, EtatSonde::Ok);
    EXPECT_EQ(r.Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(SondeBorneeTest, LaDestructionNAttendPasUneSondeBloquee) {
    m_sonde->Bloquer("/mnt/nfs");
    auto sonde = std::make_unique<SondeBornee>(m_sonde, "/mnt/nfs", Delai);
    EXPECT_EQ(sonde->Interroger().Etat, EtatSonde::Delai);
    // Le fil libéré ensuite ne touche que l'état partagé (vérifié sous AddressSanitizer).
    EXPECT_TRUE(m_sonde->FinitPendantLeBlocage([&] { sonde.reset(); }));
}

TEST_F(SondeBorneeTest, DestructionDUneSondeAuReposEtDUneSondeJamaisInterrogee) {
    m_sonde->Repondre("/", 1, 1);
    {
        SondeBornee jamais(m_sonde, "/");
        SondeBornee servie(m_sonde, "/");
        EXPECT_EQ(servie.Interroger().Etat, EtatSonde::Ok);
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
}

} // namespace
} // namespace pulsodex
