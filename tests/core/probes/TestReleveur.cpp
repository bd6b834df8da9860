#include <gtest/gtest.h>

#include <array>

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
    std::shared_ptr<test::SondeEspaceFactice> m_sonde = std::make_shared<test::SondeEspaceFactice>();
};

TEST_F(ReleveurTest, DisqueSainUnSeulFilPourToutesLesQuestions) {
    m_sonde->Repondre("/home", 1000, 400);
    Releveur releveur(m_sonde, Garde);
    for (int i = 0; i < 200; ++i) {
        const ReponseSonde r = releveur.Interroger("/home");
        ASSERT_EQ(r.Etat, EtatSonde::Ok);
        EXPECT_EQ(r.Taille, 1000);
        EXPECT_EQ(r.Libre, 400);
    }
    EXPECT_EQ(m_sonde->Appels(), 200);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
    EXPECT_EQ(releveur.Bilan().Fils, 1);
}

TEST_F(ReleveurTest, SondeBloqueeEchoueApresLeDelaiPuisAussitot) {
    m_sonde->Bloquer("/mnt/nfs");
    Releveur releveur(m_sonde, Delai);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    // Tant qu'elle reste bloquée, aucune autre question n'atteint le système.
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    ASSERT_TRUE(m_sonde->AttendreBloquees(1, Garde));
    EXPECT_EQ(m_sonde->Appels(), 1);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
    EXPECT_EQ(releveur.Bilan().Fils, 1); // personne d'autre à relever : pas de relève
}

TEST_F(ReleveurTest, RepondDeNouveauQuandLeBlocageCesse) {
    m_sonde->Bloquer("/mnt/nfs");
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    Releveur releveur(m_sonde, Delai);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    m_sonde->Liberer();
    // Le serveur revient : une question finit par être servie, par le même fil.
    ReponseSonde r;
    test::AttendreQue(
        [&] {
            r = releveur.Interroger("/mnt/nfs");
            return r.Etat == EtatSonde::Ok;
        },
        Garde);
    EXPECT_EQ(r.Etat, EtatSonde::Ok);
    EXPECT_EQ(r.Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

// Un chemin bloqué : le releveur lui est laissé, un nouveau prend les autres,
// qui répondent à chaque question ; le chemin bloqué répond « occupé » sans
// autre fil. Quand il rend la main, son fil s'arrête.
TEST_F(ReleveurTest, UnCheminBloqueLesAutresSontRelevesParUnNouveauFil) {
    m_sonde->Bloquer("/mnt/nfs");
    // Un délai assez long pour que chaque relevé des autres tienne dedans,
    // même sur une machine chargée.
    Releveur releveur(m_sonde, 200ms);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    const std::array<const char*, 3> autres{"/home/a", "/home/b", "/media/cle"};
    for (int tic = 1; tic <= 50; ++tic) {
        for (const char* chemin : autres) {
            m_sonde->Repondre(chemin, 1000, tic);
            const ReponseSonde r = releveur.Interroger(chemin);
            ASSERT_EQ(r.Etat, EtatSonde::Ok) << chemin << " au tic " << tic;
            EXPECT_EQ(r.Libre, tic) << chemin;
        }
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(m_sonde->Bloquees(), 1);
    EXPECT_EQ(m_sonde->FilsDistincts(), 2U);
    EXPECT_EQ(releveur.Bilan().Fils, 2);
    m_sonde->Liberer();
    ASSERT_TRUE(test::AttendreQue([&] { return releveur.Bilan().Fils == 1; }, Garde));
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Libre, 5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 2U);
}

TEST_F(ReleveurTest, LaDestructionNAttendPasUneSondeBloquee) {
    m_sonde->Bloquer("/mnt/nfs");
    auto releveur = std::make_unique<Releveur>(m_sonde, Delai);
    EXPECT_EQ(releveur->Interroger("/mnt/nfs").Etat, EtatSonde::Delai);
    // Le fil libéré ensuite ne touche que l'état partagé (vérifié sous AddressSanitizer).
    EXPECT_TRUE(m_sonde->FinitPendantLeBlocage([&] { releveur.reset(); }));
}

TEST_F(ReleveurTest, DestructionAuReposEtSansQuestion) {
    m_sonde->Repondre("/", 1, 1);
    // Les fils détachés des essais précédents finissent d'abord.
    ASSERT_TRUE(test::AttendreQue([] { return test::FilsDuProcessus() == 1U; }, Garde));
    {
        Releveur jamais(m_sonde);
        Releveur servi(m_sonde);
        EXPECT_EQ(servi.Interroger("/").Etat, EtatSonde::Ok);
        EXPECT_EQ(jamais.Bilan().Fils, 0);
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    EXPECT_EQ(test::FilsDuProcessus(), 1U); // le fil au repos a été attendu
}

TEST_F(ReleveurTest, CheminsOubliesSaufCeluiEnCoursDeReleve) {
    m_sonde->Repondre("/home/a", 1, 1);
    m_sonde->Repondre("/home/b", 1, 1);
    m_sonde->Bloquer("/mnt/nfs");
    Releveur releveur(m_sonde, Delai);
    for (const char* chemin : {"/home/a", "/home/b", "/mnt/nfs"}) {
        releveur.Interroger(chemin);
    }
    EXPECT_EQ(releveur.NombreChemins(), 3U);
    releveur.Retenir([](const std::string& chemin) { return chemin == "/home/a"; });
    EXPECT_EQ(releveur.NombreChemins(), 2U); // /mnt/nfs attend la fin de son relevé
    // Redemandé, le chemin bloqué garde son relevé en cours : pas de second.
    EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    releveur.Retenir([](const std::string& chemin) { return chemin == "/home/a"; });
    m_sonde->Liberer();
    ASSERT_TRUE(test::AttendreQue([&] { return releveur.NombreChemins() == 1U; }, Garde));
    EXPECT_EQ(m_sonde->Appels(), 3);
}

// --- En cadence : le releveur relève de lui-même, la question lit sa dernière réponse ---

// Assez longue pour qu'aucune tournée n'arrive pendant l'essai.
constexpr std::chrono::milliseconds Longue = 1h;
constexpr std::chrono::milliseconds Courte = 10ms;

// Des questions jusqu'à la réponse voulue, au plus Garde.
template <typename Condition>
ReponseSonde InterrogerJusqua(Releveur& releveur, const std::string& chemin, Condition condition) {
    ReponseSonde r;
    test::AttendreQue(
        [&] {
            r = releveur.Interroger(chemin);
            return condition(r);
        },
        Garde);
    return r;
}

// Attend, sans question, que le releveur cesse de relever ; faux au bout de Garde.
bool AttendreRepos(const Releveur& releveur) {
    return test::AttendreQue([&] { return !releveur.Bilan().EnCadence; }, Garde);
}

TEST_F(ReleveurTest, EnCadenceLaQuestionLitLeDernierReleveSansToucherLeSysteme) {
    m_sonde->Repondre("/home", 1000, 400);
    Releveur releveur(m_sonde, Garde);
    releveur.FixerCadence(Longue);
    EXPECT_EQ(releveur.Interroger("/home").Libre, 400); // la première attend le premier relevé
    EXPECT_TRUE(releveur.Bilan().EnCadence);
    m_sonde->Repondre("/home", 1000, 300);
    for (int i = 0; i < 200; ++i) {
        const ReponseSonde r = releveur.Interroger("/home");
        ASSERT_EQ(r.Etat, EtatSonde::Ok);
        EXPECT_EQ(r.Libre, 400); // celle du dernier relevé
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    // À la cadence courte, le releveur relève de lui-même, sans question.
    releveur.FixerCadence(Courte);
    ASSERT_TRUE(m_sonde->AttendreAppels(2, Garde));
    EXPECT_EQ(InterrogerJusqua(releveur, "/home", [](const ReponseSonde& r) { return r.Libre == 300; }).Libre,
              300);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

// Huit chemins : un seul fil, et chaque réveil de la cadence les relève tous.
TEST_F(ReleveurTest, HuitCheminsUnReveilParPeriodePourTous) {
    constexpr std::array<const char*, 8> Chemins{"/d", "/e", "/f", "/g", "/h", "/i", "/j", "/k"};
    for (const char* chemin : Chemins) {
        m_sonde->Repondre(chemin, 1000, 500);
    }
    Releveur releveur(m_sonde, Garde);
    for (const char* chemin : Chemins) {
        EXPECT_EQ(releveur.Interroger(chemin).Libre, 500); // sans cadence : relevé attendu
    }
    const Releveur::Compteurs avant = releveur.Bilan();
    // Une période assez longue pour que les réponses restent fraîches d'une
    // question à l'autre : les questions suivantes ne demandent rien.
    releveur.FixerCadence(300ms);
    for (const char* chemin : Chemins) {
        EXPECT_EQ(releveur.Interroger(chemin).Libre, 500);
    }
    // Sans autre question, les tournées s'arrêtent au bout de PeriodesSansQuestion.
    ASSERT_TRUE(AttendreRepos(releveur));
    const Releveur::Compteurs apres = releveur.Bilan();
    const std::uint64_t tournees = apres.Tournees - avant.Tournees;
    EXPECT_GE(tournees, 1U);
    EXPECT_LE(tournees, static_cast<std::uint64_t>(PeriodesSansQuestion));
    EXPECT_EQ(apres.Releves - avant.Releves, 8 * tournees);
    // Un réveil par tournée, plus ceux de la cadence fixée et de sa reprise.
    EXPECT_LE(apres.Reveils - avant.Reveils, tournees + 2);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
    EXPECT_EQ(apres.Fils, 1);
}

TEST_F(ReleveurTest, EnCadenceUnReleveBloqueFaitEchouerAussitotApresLeDelai) {
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    // Délai plus court que la période : tant que le relevé bloqué a moins que
    // le délai, la dernière réponse est encore assez récente.
    Releveur releveur(m_sonde, Delai);
    releveur.FixerCadence(100ms);
    // Le premier relevé peut dépasser le délai court sur une machine chargée.
    ASSERT_EQ(
        InterrogerJusqua(releveur, "/mnt/nfs", [](const ReponseSonde& r) { return r.Etat == EtatSonde::Ok; })
            .Etat,
        EtatSonde::Ok);
    m_sonde->Bloquer("/mnt/nfs");
    // Le relevé suivant reste bloqué ; la question rend la dernière réponse
    // puis, le délai passé, échoue sans attendre.
    const ReponseSonde r = InterrogerJusqua(releveur, "/mnt/nfs", [](const ReponseSonde& r) {
        EXPECT_TRUE(r.Etat == EtatSonde::Ok || r.Etat == EtatSonde::Occupee ||
                    r.Etat == EtatSonde::Delai); // Delai : fil retardé de plus d'une période
        return r.Etat == EtatSonde::Occupee;
    });
    ASSERT_EQ(r.Etat, EtatSonde::Occupee);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(releveur.Interroger("/mnt/nfs").Etat, EtatSonde::Occupee);
    }
    EXPECT_EQ(m_sonde->Bloquees(), 1);
    EXPECT_EQ(m_sonde->Appels(), 2);
    // Le serveur revient : le même fil reprend sa cadence.
    m_sonde->Liberer();
    EXPECT_EQ(
        InterrogerJusqua(releveur, "/mnt/nfs", [](const ReponseSonde& r) { return r.Etat == EtatSonde::Ok; })
            .Libre,
        5);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(ReleveurTest, EnCadenceLaDestructionNAttendPasUnReleveBloque) {
    m_sonde->Repondre("/mnt/nfs", 10, 5);
    auto releveur = std::make_unique<Releveur>(m_sonde, Delai);
    releveur->FixerCadence(Courte);
    ASSERT_EQ(
        InterrogerJusqua(*releveur, "/mnt/nfs", [](const ReponseSonde& r) { return r.Etat == EtatSonde::Ok; })
            .Etat,
        EtatSonde::Ok);
    m_sonde->Bloquer("/mnt/nfs"); // le fil s'y bloque de lui-même
    EXPECT_TRUE(m_sonde->FinitPendantLeBlocage([&] { releveur.reset(); }));
}

TEST_F(ReleveurTest, SansQuestionLaCadenceSArretePuisReprend) {
    m_sonde->Repondre("/", 10, 5);
    Releveur releveur(m_sonde, Garde);
    // Une période assez longue pour qu'un fil retardé par une machine chargée
    // trouve encore la cadence en cours après la question de reprise.
    releveur.FixerCadence(100ms);
    releveur.Interroger("/");
    // Sans question, le releveur fait au plus PeriodesSansQuestion tournées
    // puis se repose, sans échéance : plus aucun réveil.
    ASSERT_TRUE(AttendreRepos(releveur));
    const int appels = m_sonde->Appels();
    EXPECT_LE(appels, 1 + PeriodesSansQuestion);
    Releveur::Compteurs c = releveur.Bilan();
    EXPECT_EQ(c.Releves, static_cast<std::uint64_t>(appels));
    // Un réveil par relevé, et un pour la première question au plus.
    EXPECT_LE(c.Reveils, c.Releves + 1);
    // Une question relance la cadence : le releveur relève de nouveau de lui-même.
    m_sonde->Repondre("/", 10, 4);
    EXPECT_EQ(releveur.Interroger("/").Etat, EtatSonde::Ok);
    ASSERT_TRUE(m_sonde->AttendreAppels(appels + 2, Garde));
    ASSERT_TRUE(AttendreRepos(releveur));
    c = releveur.Bilan();
    EXPECT_LE(c.Reveils, c.Releves + 3); // plus la reprise
    EXPECT_EQ(releveur.Interroger("/").Libre, 4);
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U);
}

TEST_F(ReleveurTest, CadenceNulleUnReleveParQuestion) {
    m_sonde->Repondre("/", 10, 5);
    Releveur releveur(m_sonde, Garde);
    releveur.FixerCadence(Courte);
    releveur.FixerCadence(0ms);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(releveur.Interroger("/").Libre, 5);
    }
    EXPECT_EQ(m_sonde->Appels(), 20);
    EXPECT_FALSE(releveur.Bilan().EnCadence);
}

} // namespace
} // namespace pulsodex
