#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Attentes.h"
#include "Factices.h"
#include "FacticesDisques.h"
#include "Fichiers.h"
#include "core/app/Disque.h"
#include "core/app/DisquesFenetre.h"
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
    EXPECT_EQ(d.Libre, 600);
    EXPECT_EQ(d.Bulle, "Disque local");
    // Premier tic : jamais de témoin.
    EXPECT_EQ(Traite_Disque(d, disques, true, fr), (ActionsDisque{true, false, false}));
    EXPECT_EQ(d.Activite, Activite::Repos);
    EXPECT_EQ(Traite_Disque(d, disques, true, fr), (ActionsDisque{}));
    sonde->Repondre("/", 1000, 500); // écriture
    EXPECT_EQ(Traite_Disque(d, disques, true, fr), (ActionsDisque{true, true, false}));
    EXPECT_EQ(d.Activite, Activite::Ecriture);
    EXPECT_EQ(Traite_Disque(d, disques, true, fr), (ActionsDisque{false, true, false}));
    EXPECT_EQ(d.Activite, Activite::Repos);
    sonde->Repondre("/", 1000, 700); // suppression
    Traite_Disque(d, disques, true, fr);
    EXPECT_EQ(d.Activite, Activite::Suppression);
    // Sans témoin : la jauge change, le témoin non.
    sonde->Repondre("/", 1000, 100);
    EXPECT_EQ(Traite_Disque(d, disques, false, fr), (ActionsDisque{true, false, false}));
    EXPECT_EQ(LegendeDisque(d, fr), "C: 100,00 octets");
}

TEST_F(DisqueTest, EchecUneFoisPuisAttenteDeSoixanteTics) {
    SondeDisques disques = Sonde({{'C', "/"}, {'E', "/media/paul/DVD Vacances"}});
    // E : un DVD sans réponse.
    TDisque e(1, E, true, disques, fr);
    EXPECT_EQ(e.Nom, "Cédérom");
    const ActionsDisque a = Traite_Disque(e, disques, true, fr);
    EXPECT_TRUE(a.Repeindre);
    EXPECT_FALSE(a.ProposerDeconnexion);
    EXPECT_EQ(LegendeDisque(e, fr), "E: Vide");
    EXPECT_EQ(e.Libre, -1);
    // Après l'échec (à la création), 59 tics sautés, le 60e interroge.
    const int appels = sonde->Appels();
    for (int i = 2; i < 60; ++i) {
        EXPECT_EQ(Traite_Disque(e, disques, true, fr), ActionsDisque{});
    }
    EXPECT_EQ(sonde->Appels(), appels);
    sonde->Repondre("/media/paul/DVD Vacances", 4700000000, 100);
    EXPECT_EQ(Traite_Disque(e, disques, true, fr).Repeindre, true); // le disque inséré
    EXPECT_EQ(sonde->Appels(), appels + 1);
    EXPECT_EQ(e.Activite, Activite::Repos); // son retour n'est pas une suppression
    EXPECT_EQ(LegendeDisque(e, fr), "E: 100,00 octets");
}

// La bulle n'est refaite qu'au changement, mais suit toujours la taille, y
// compris quand le lecteur revient à la même taille après un échec.
TEST_F(DisqueTest, LaBulleSuitLaTailleEtRevientApresUnEchec) {
    SondeDisques disques = Sonde({{'C', "/"}});
    constexpr std::int64_t Go = 1LL << 30;
    sonde->Repondre("/", 3 * Go, Go);
    TDisque d(1, C, true, disques, fr);
    EXPECT_EQ(d.Bulle, "Disque local (3,00 Go)");
    struct Cas {
        std::int64_t taille;
        int tics;
        const char* bulle;
    };
    // Une réponse sans taille est un échec ; 60 tics avant d'interroger de nouveau.
    const Cas cas[] = {{4 * Go, 1, "Disque local (4,00 Go)"},
                       {-1, 1, "Disque local"},
                       {4 * Go, 60, "Disque local (4,00 Go)"}};
    for (const auto& k : cas) {
        sonde->Repondre("/", k.taille, k.taille < 0 ? -1 : Go);
        for (int i = 0; i < k.tics; ++i) {
            Traite_Disque(d, disques, true, fr);
        }
        EXPECT_EQ(d.Bulle, k.bulle);
    }
}

TEST_F(DisqueTest, LettreSansCheminEtLecteurANonInterrogeALaCreation) {
    SondeDisques disques = Sonde({{'A', "/media/paul/CLE USB"}});
    const int appels = sonde->Appels();
    TDisque a(1, 1, true, disques, fr);
    EXPECT_EQ(sonde->Appels(), appels);
    TDisque z(2, 26, true, disques, fr);
    EXPECT_EQ(z.Nom, "Unité invalide");
    Traite_Disque(z, disques, true, fr);
    EXPECT_EQ(LegendeDisque(z, fr), "Z: Indisponible");
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
    EXPECT_EQ(f.Disque(4), nullptr);
    EXPECT_EQ(f.Disque(1)->Bulle, "Total des unités");
    ActionsDisque a = f.Traiter(disques, true, fr)[0];
    const TDisque& total = *f.Disque(1);
    EXPECT_EQ(total.Taille, 1000);
    EXPECT_TRUE(a.Repeindre);
    EXPECT_EQ(total.Activite, Activite::Repos); // neutre au premier tic
    EXPECT_EQ(LegendeDisque(total, fr), "400,00 octets");
    EXPECT_EQ(f.Traiter(disques, true, fr)[0], ActionsDisque{});
    sonde->Repondre("/", 1000, 300);
    a = f.Traiter(disques, true, fr)[0];
    EXPECT_TRUE(a.Repeindre && a.ActiviteChangee);
    EXPECT_EQ(total.Activite, Activite::Ecriture);
    EXPECT_EQ(total.Bulle, "Total des unités"); // 1000 octets : pas de taille entre parenthèses
    // Sans total, les lecteurs commencent à l'emplacement 1 ; sans lettre, rien.
    f.Creer("DC", false, true, disques, fr);
    ASSERT_EQ(f.Nombre(), 2);
    EXPECT_EQ(f.Disque(1)->Lecteur, D);
    f.Creer("cd;", true, true, disques, fr);
    EXPECT_EQ(f.Nombre(), 0);
    EXPECT_FALSE(f.AvecTotal());
}

TEST_F(DisqueTest, SondeBloqueeLeTicContinue) {
    SondeDisques disques = Sonde({{'C', "/"}, {'F', "/mnt/nfs"}});
    sonde->Bloquer("/mnt/nfs");
    TDisque f(1, 6, true, disques, fr); // la création attend au plus le délai
    Traite_Disque(f, disques, true, fr);
    EXPECT_EQ(LegendeDisque(f, fr), "F: Indisponible");
    // Au 60e tic, la sonde toujours bloquée répond « occupée » sans nouveau fil.
    for (int i = 0; i < 120; ++i) {
        Traite_Disque(f, disques, true, fr);
    }
    EXPECT_EQ(disques.NombreSondes(), 1U);
    EXPECT_EQ(sonde->Bloquees(), 1);
}

// Un vrai dossier : un fichier écrit entre deux tics allume l'écriture. Le
// fil de la sonde relève à la cadence du rafraîchissement : le changement se
// voit au plus une période plus tard.
TEST(DisqueReel, FichierEcritEntreDeuxTics) {
    namespace fs = std::filesystem;
    const DossierTemporaire temporaire("pulsodex-disque");
    const fs::path dossier = temporaire.Chemin();
    CarteLecteurs carte;
    carte.Fixer('D', dossier.string());
    MontagesProc montages;
    BlocsSys blocs;
    SondeDisques disques(carte, montages, blocs, std::make_shared<SondeEspaceStatvfs>());
    disques.FixerCadence(100ms);
    const FormatNombres fr{" ", ","};
    TDisque d(1, D, true, disques, fr);
    ASSERT_GT(d.Taille, 0);
    Traite_Disque(d, disques, true, fr);
    EXPECT_EQ(d.Activite, Activite::Repos);
    {
        std::ofstream f(dossier / "gros", std::ios::binary);
        const std::string bloc(1 << 20, 'x');
        for (int i = 0; i < 16; ++i) {
            f << bloc;
        }
    }
    ::sync();
    // Les tics qui suivent, jusqu'au relevé qui voit l'écriture.
    AttendreQue(
        [&] {
            if (d.Activite == Activite::Repos) {
                Traite_Disque(d, disques, true, fr);
            }
            return d.Activite != Activite::Repos;
        },
        10s);
    EXPECT_EQ(d.Activite, Activite::Ecriture);
}

} // namespace
} // namespace pulsodex::test
