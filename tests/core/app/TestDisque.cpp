#include <gtest/gtest.h>

#include <filesystem>

#include "ConfigEssai.h"
#include "Factices.h"
#include "FacticesDisques.h"
#include "Fichiers.h"
#include "core/app/CycleRafraichissement.h"
#include "core/app/Disque.h"
#include "core/app/DisquesFenetre.h"
#include "core/app/ReleveMesures.h"
#include "core/probes/Disques.h"
#include "core/probes/Formats.h"
#include "linux/DisquesLinux.h"

namespace pulsodex::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t C = 3, D = 4, E = 5;

class DisqueTest : public ::testing::Test {
protected:
    void TearDown() override { sonde->Liberer(); }
    SondeDisques Sonde(std::initializer_list<std::pair<char, const char*>> lettres) {
        CarteLecteurs carte;
        for (const auto& [lettre, chemin] : lettres) {
            carte.Fixer(lettre, chemin);
        }
        return SondeDisques(carte, montages, blocs, sonde, 300ms);
    }
    std::shared_ptr<SondeEspaceFactice> sonde = std::make_shared<SondeEspaceFactice>();
    SourceMontagesFixe montages{LireDonnee("montages/bureau.mountinfo"), LireDonnee("montages/bureau.fstab")};
    BlocsSys blocs{CheminDonnee("sys/bureau")};
    const FormatNombres fr{" ", ","};
};

TEST_F(DisqueTest, TemoinDEcritureUnTicPuisNeutre) {
    SondeDisques disques = Sonde({{'C', "/"}});
    sonde->Repondre("/", 1000, 600);
    TDisque d(1, C, true, disques, fr); // la création interroge déjà C
    // L'espace libre, le témoin allumé, puis ce que le tic fait. Premier tic : jamais de témoin ; sans
    // témoin, la jauge change, le témoin non.
    const std::tuple<std::int64_t, bool, ActionsDisque, Activite> cas[] = {
        {600, true, {true, false, false}, Activite::Repos},
        {600, true, {}, Activite::Repos},
        {500, true, {true, true, false}, Activite::Ecriture},
        {500, true, {false, true, false}, Activite::Repos},
        {700, true, {true, true, false}, Activite::Suppression},
        {100, false, {true, false, false}, Activite::Suppression},
    };
    for (const auto& [libre, temoin, actions, activite] : cas) {
        sonde->Repondre("/", 1000, libre);
        EXPECT_EQ(Traite_Disque(d, disques, temoin, fr), actions) << libre;
        EXPECT_EQ(d.Activite, activite) << libre;
    }
    EXPECT_EQ(LegendeDisque(d, fr), "C: 100,00 octets");
}

// Après un échec, 59 tics sautés, le 60e interroge ; la bulle suit la taille,
// y compris quand le lecteur revient à la même taille après l'échec.
TEST_F(DisqueTest, EchecPuisAttenteDeSoixanteTicsEtBulle) {
    SondeDisques disques = Sonde({{'C', "/"}, {'E', "/media/paul/DVD Vacances"}});
    TDisque e(1, E, true, disques, fr); // un DVD sans réponse
    EXPECT_EQ(Traite_Disque(e, disques, true, fr), (ActionsDisque{true, false, false}));
    EXPECT_EQ(LegendeDisque(e, fr), "E: Vide");
    const int appels = sonde->Appels();
    for (int i = 2; i < 60; ++i) {
        EXPECT_EQ(Traite_Disque(e, disques, true, fr), ActionsDisque{});
    }
    EXPECT_EQ(sonde->Appels(), appels);
    constexpr std::int64_t Go = 1LL << 30;
    sonde->Repondre("/media/paul/DVD Vacances", 4 * Go, 100);
    EXPECT_TRUE(Traite_Disque(e, disques, true, fr).Repeindre); // le disque inséré
    EXPECT_EQ(e.Activite, Activite::Repos);                     // son retour n'est pas une suppression
    EXPECT_EQ(LegendeDisque(e, fr), "E: 100,00 octets");
    EXPECT_EQ(e.Bulle, "Cédérom (4,00 Go)");
    // Une réponse sans taille est un échec.
    const std::tuple<std::int64_t, int, const char*> cas[] = {
        {5 * Go, 1, "Cédérom (5,00 Go)"}, {-1, 1, "Cédérom"}, {5 * Go, 60, "Cédérom (5,00 Go)"}};
    for (const auto& [taille, tics, bulle] : cas) {
        sonde->Repondre("/media/paul/DVD Vacances", taille, taille < 0 ? -1 : Go);
        for (int i = 0; i < tics; ++i) {
            Traite_Disque(e, disques, true, fr);
        }
        EXPECT_EQ(e.Bulle, bulle);
    }
}

// L'emplacement 1 est le total, les lecteurs de la liste suivent ; le total
// additionne ceux qui répondent.
TEST_F(DisqueTest, EmplacementsEtTotalDesLecteursQuiRepondent) {
    SondeDisques disques = Sonde({{'C', "/"}, {'D', "/home"}});
    sonde->Repondre("/", 1000, 400);
    DisquesFenetre f;
    f.Creer("C9dD", true, true, disques, fr); // D ne répond pas
    ASSERT_EQ(f.Nombre(), 3);
    EXPECT_EQ(f.Disque(3)->Lecteur, D);
    EXPECT_EQ(f.Traiter(disques, true, fr)[0], (ActionsDisque{true, false, false})); // neutre au premier tic
    const TDisque& total = *f.Disque(1);
    EXPECT_EQ(total.Taille, 1000);
    EXPECT_EQ(LegendeDisque(total, fr), "400,00 octets");
    // Le relevé des mesures : les lecteurs de la liste sans le total, D muet ;
    // la moyenne du processeur, bande éteinte, n'y est pas.
    ConfigEssai e;
    e.Config.ChargeProcesseur = true;
    Echantillons echantillons;
    echantillons.ChargeCpu = 12;
    echantillons.ChargeCpuMoyenne = 9;
    ReleveMesures r;
    RemplirReleve(r, e.Config, StatutMemoire{1, 2, 3, 4, 5}, echantillons, f, disques.Carte(), 3);
    EXPECT_EQ(r.Memoire, (StatutMemoire{1, 2, 3, 4, 5}));
    EXPECT_EQ(r.ChargeCpu, std::optional<std::uint8_t>(12));
    EXPECT_FALSE(r.ChargeCpuMoyenne.has_value());
    EXPECT_EQ(r.Lecteurs,
              (std::vector<LecteurReleve>{{'C', "/", true, 400, 1000}, {'D', "/home", false, 0, 0}}));
    EXPECT_EQ(r.AlarmesTenues, 3);
    sonde->Repondre("/", 1000, 300);
    EXPECT_EQ(f.Traiter(disques, true, fr)[0], (ActionsDisque{true, true, false}));
    EXPECT_EQ(total.Activite, Activite::Ecriture);
    EXPECT_EQ(total.Bulle, "Total des unités"); // 1000 octets : pas de taille entre parenthèses
    // Sans total, les lecteurs commencent à l'emplacement 1.
    f.Creer("DC", false, true, disques, fr);
    ASSERT_EQ(f.Nombre(), 2);
    EXPECT_EQ(f.Disque(1)->Lecteur, D);
}

} // namespace
} // namespace pulsodex::test
