#include <gtest/gtest.h>

#include "Attentes.h"
#include "FacticesDisques.h"
#include "core/probes/Releveur.h"

namespace pulsodex {
namespace {

using namespace std::chrono_literals;

// Délai court pour les essais ; aucune assertion ne porte sur une durée.
constexpr auto Delai = 20ms;
// Borne des attentes sur condition : au-delà, l'essai a échoué.
constexpr auto Garde = 10s;

class ReleveurTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Rend la main aux fils retenus avant la fin du processus.
        m_sonde->Liberer();
        EXPECT_TRUE(m_sonde->AttendreBloquees(0, Garde));
    }
    // Des questions jusqu'à l'état voulu (au plus Garde) ; rend la dernière réponse.
    static ReponseSonde Jusqua(Releveur& releveur, const std::string& chemin, EtatSonde etat) {
        ReponseSonde r;
        test::AttendreQue(
            [&] {
                r = releveur.Interroger(chemin);
                return r.Etat == etat;
            },
            Garde);
        return r;
    }
    std::shared_ptr<test::SondeEspaceFactice> m_sonde = std::make_shared<test::SondeEspaceFactice>();
};

TEST_F(ReleveurTest, SondeBloqueeEchoueApresLeDelaiPuisAussitotPuisRepondDeNouveau) {
    m_sonde->Bloquer("/mnt/nfs");
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    Releveur releveur(m_sonde, Delai);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    // Tant qu'elle reste bloquée, aucune autre question n'atteint le système.
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    EXPECT_EQ(releveur.Bilan().Fils, 1); // personne d'autre à relever : pas de relève
    // Le serveur revient : une question finit par être servie, par le même fil.
    m_sonde->Liberer();
    EXPECT_EQ(Jusqua(releveur, "/mnt/nfs", EtatSonde::Ok).Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

// Un chemin bloqué : le releveur lui est laissé, un nouveau prend les autres ;
// quand il rend la main, son fil s'arrête.
TEST_F(ReleveurTest, UnCheminBloqueLesAutresSontRelevesParUnNouveauFil) {
    m_sonde->Bloquer("/mnt/nfs");
    // Assez long pour que chaque relevé des autres tienne dedans sur une machine chargée.
    Releveur releveur(m_sonde, 200ms);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    for (int tic = 1; tic <= 20; ++tic) {
        m_sonde->Repondre("/home/a", 1000, tic);
        EXPECT_EQ(releveur.Interroger("/home/a").Libre, tic) << "au tic " << tic;
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(releveur.Bilan().Fils, 2);
    m_sonde->Liberer();
    ASSERT_TRUE(test::AttendreQue([&] { return releveur.Bilan().Fils == 1; }, Garde));
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 2U);
}

// --- En cadence : le releveur relève de lui-même, la question lit sa dernière réponse ---

TEST_F(ReleveurTest, EnCadenceLaQuestionLitLeDernierReleveSansToucherLeSysteme) {
    m_sonde->Repondre("/home", 1000, 400);
    Releveur releveur(m_sonde, Garde);
    releveur.FixerCadence(1h);                          // aucune tournée pendant l'essai
    EXPECT_EQ(releveur.Interroger("/home").Libre, 400); // la première attend le premier relevé
    m_sonde->Repondre("/home", 1000, 300);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(releveur.Interroger("/home").Libre, 400); // celle du dernier relevé
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    // À la cadence courte, le releveur relève de lui-même, sans question.
    releveur.FixerCadence(10ms);
    ASSERT_TRUE(test::AttendreQue([&] { return m_sonde->Appels() >= 2; }, Garde));
    EXPECT_TRUE(test::AttendreQue([&] { return releveur.Interroger("/home").Libre == 300; }, Garde));
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(ReleveurTest, EnCadenceUnReleveBloqueFaitEchouerAussitotApresLeDelai) {
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    // Délai plus court que la période : tant que le relevé bloqué a moins que
    // le délai, la dernière réponse est encore assez récente.
    Releveur releveur(m_sonde, Delai);
    releveur.FixerCadence(100ms);
    // Le premier relevé peut dépasser le délai court sur une machine chargée.
    ASSERT_EQ(Jusqua(releveur, "/mnt/nfs", EtatSonde::Ok).Etat, EtatSonde::Ok);
    m_sonde->Bloquer("/mnt/nfs");
    ASSERT_EQ(Jusqua(releveur, "/mnt/nfs", EtatSonde::Occupee).Etat, EtatSonde::Occupee);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(m_sonde->Appels(), 2);
    // Le serveur revient : le même fil reprend sa cadence.
    m_sonde->Liberer();
    EXPECT_EQ(Jusqua(releveur, "/mnt/nfs", EtatSonde::Ok).Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(ReleveurTest, SansQuestionLaCadenceSArretePuisReprend) {
    m_sonde->Repondre("/", 10, 5);
    Releveur releveur(m_sonde, Garde);
    // Assez longue pour qu'un fil retardé trouve encore la cadence en cours après la reprise.
    releveur.FixerCadence(100ms);
    releveur.Interroger("/");
    // Sans question, au plus PeriodesSansQuestion (3) tournées, puis plus aucun réveil.
    const auto repos = [&] {
        return !releveur.Bilan().EnCadence;
    };
    ASSERT_TRUE(test::AttendreQue(repos, Garde));
    const int appels = m_sonde->Appels();
    EXPECT_LE(appels, 4);
    // Un réveil par relevé, et un pour la première question au plus.
    EXPECT_LE(releveur.Bilan().Reveils, static_cast<std::uint64_t>(appels) + 1);
    // Une question relance la cadence : le releveur relève de nouveau de lui-même.
    m_sonde->Repondre("/", 10, 4);
    EXPECT_EQ(releveur.Interroger("/").Etat, EtatSonde::Ok);
    ASSERT_TRUE(test::AttendreQue([&] { return m_sonde->Appels() >= appels + 2; }, Garde));
    ASSERT_TRUE(test::AttendreQue(repos, Garde));
    EXPECT_EQ(releveur.Interroger("/").Libre, 4);
}

} // namespace
} // namespace pulsodex
