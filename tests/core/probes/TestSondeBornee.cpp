#include <gtest/gtest.h>

#include "Attentes.h"
#include "FacticesDisques.h"
#include "core/probes/SondeBornee.h"

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
    ReponseSonde r;
    test::AttendreQue(
        [&] {
            r = sonde.Interroger();
            return r.Etat == EtatSonde::Ok;
        },
        Garde);
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

// --- En cadence : le fil relève de lui-même, la question lit sa dernière réponse ---

// Assez longue pour qu'aucun relevé de la cadence n'arrive pendant l'essai.
constexpr std::chrono::milliseconds Longue = 1h;
constexpr std::chrono::milliseconds Courte = 10ms;

// Des questions jusqu'à la réponse voulue, au plus Garde.
template <typename Condition>
ReponseSonde InterrogerJusqua(SondeBornee& sonde, Condition condition) {
    ReponseSonde r;
    test::AttendreQue(
        [&] {
            r = sonde.Interroger();
            return condition(r);
        },
        Garde);
    return r;
}

// Attend, sans question, que le fil cesse de relever ; faux au bout de Garde.
bool AttendreRepos(const SondeBornee& sonde) {
    return test::AttendreQue([&] { return !sonde.Bilan().EnCadence; }, Garde);
}

TEST_F(SondeBorneeTest, EnCadenceLaQuestionLitLeDernierReleveSansToucherLeSysteme) {
    m_sonde->Repondre("/home", 1000, 400);
    SondeBornee sonde(m_sonde, "/home", Garde);
    sonde.FixerCadence(Longue);
    EXPECT_EQ(sonde.Interroger().Libre, 400); // la première attend le premier relevé
    EXPECT_TRUE(sonde.Bilan().EnCadence);
    m_sonde->Repondre("/home", 1000, 300);
    for (int i = 0; i < 200; ++i) {
        const ReponseSonde r = sonde.Interroger();
        ASSERT_EQ(r.Etat, EtatSonde::Ok);
        EXPECT_EQ(r.Libre, 400); // celle du dernier relevé
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    // À la cadence courte, le fil relève de lui-même, sans question.
    sonde.FixerCadence(Courte);
    ASSERT_TRUE(m_sonde->AttendreAppels(2, Garde));
    EXPECT_EQ(InterrogerJusqua(sonde, [](const ReponseSonde& r) { return r.Libre == 300; }).Libre, 300);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(SondeBorneeTest, EnCadenceUnReleveBloqueFaitEchouerAussitotApresLeDelai) {
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    // Délai plus court que la période : tant que le relevé bloqué a moins que
    // le délai, la dernière réponse est encore assez récente.
    SondeBornee sonde(m_sonde, "/mnt/nfs", Delai);
    sonde.FixerCadence(100ms);
    ASSERT_EQ(sonde.Interroger().Etat, EtatSonde::Ok);
    m_sonde->Bloquer("/mnt/nfs");
    // Le relevé suivant du fil reste bloqué ; la question rend la dernière
    // réponse puis, le délai passé, échoue sans attendre.
    const ReponseSonde r = InterrogerJusqua(sonde, [](const ReponseSonde& r) {
        EXPECT_TRUE(r.Etat == EtatSonde::Ok || r.Etat == EtatSonde::Occupee ||
                    r.Etat == EtatSonde::Delai); // Delai : fil retardé de plus d'une période
        return r.Etat == EtatSonde::Occupee;
    });
    ASSERT_EQ(r.Etat, EtatSonde::Occupee);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(sonde.Interroger().Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(m_sonde->Bloquees(), 1);
    EXPECT_EQ(m_sonde->Appels(), 2);
    // Le serveur revient : le même fil reprend sa cadence.
    m_sonde->Liberer();
    EXPECT_EQ(InterrogerJusqua(sonde, [](const ReponseSonde& r) { return r.Etat == EtatSonde::Ok; }).Libre,
              5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(SondeBorneeTest, EnCadenceLaDestructionNAttendPasUnReleveBloque) {
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    auto sonde = std::make_unique<SondeBornee>(m_sonde, "/mnt/nfs", Delai);
    sonde->FixerCadence(Courte);
    ASSERT_EQ(sonde->Interroger().Etat, EtatSonde::Ok);
    m_sonde->Bloquer("/mnt/nfs"); // le fil s'y bloque de lui-même
    EXPECT_TRUE(m_sonde->FinitPendantLeBlocage([&] { sonde.reset(); }));
}

TEST_F(SondeBorneeTest, SansQuestionLaCadenceSArretePuisReprend) {
    m_sonde->Repondre("/", 10, 5);
    SondeBornee sonde(m_sonde, "/", Garde);
    sonde.FixerCadence(Courte);
    sonde.Interroger();
    // Sans question, le fil relève au plus PeriodesSansQuestion fois puis se
    // repose, sans échéance : plus aucun réveil.
    ASSERT_TRUE(AttendreRepos(sonde));
    const int appels = m_sonde->Appels();
    EXPECT_LE(appels, 1 + PeriodesSansQuestion);
    SondeBornee::Compteurs c = sonde.Bilan();
    EXPECT_EQ(c.Releves, static_cast<std::uint64_t>(appels));
    // Un réveil par relevé, et un pour la première question au plus.
    EXPECT_LE(c.Reveils, c.Releves + 1);
    // Une question relance la cadence : le fil relève de nouveau de lui-même.
    m_sonde->Repondre("/", 10, 4);
    EXPECT_EQ(sonde.Interroger().Etat, EtatSonde::Ok);
    ASSERT_TRUE(m_sonde->AttendreAppels(appels + 2, Garde));
    ASSERT_TRUE(AttendreRepos(sonde));
    c = sonde.Bilan();
    EXPECT_LE(c.Reveils, c.Releves + 3); // plus la reprise
    EXPECT_EQ(sonde.Interroger().Libre, 4);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(SondeBorneeTest, CadenceNulleUnReleveParQuestion) {
    m_sonde->Repondre("/", 10, 5);
    SondeBornee sonde(m_sonde, "/", Garde);
    sonde.FixerCadence(Courte);
    sonde.FixerCadence(0ms);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(sonde.Interroger().Libre, 5);
    }
    EXPECT_EQ(m_sonde->Appels(), 20);
    EXPECT_FALSE(sonde.Bilan().EnCadence);
}

} // namespace
} // namespace pulsodex
