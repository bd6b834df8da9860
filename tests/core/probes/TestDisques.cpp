#include <gtest/gtest.h>

#include <chrono>

#include "Attentes.h"
#include "Factices.h"
#include "FacticesDisques.h"
#include "core/probes/Disques.h"
#include "core/probes/EspaceDirect.h"
#include "core/probes/OuvertureDisque.h"
#include "linux/DisquesLinux.h"

namespace pulsodex {
namespace {

using namespace std::chrono_literals;

constexpr std::uint8_t A = 1, C = 3, D = 4, E = 5, F = 6, G = 7, Z = 26;
constexpr auto Garde = 10s;

class Disques : public ::testing::Test {
protected:
    void TearDown() override {
        m_sonde->Liberer();
        EXPECT_TRUE(m_sonde->AttendreBloquees(0, Garde));
    }

    std::unique_ptr<SondeDisques> Creer(const CarteLecteurs& carte, std::chrono::milliseconds delai = Garde) {
        return std::make_unique<SondeDisques>(carte, m_source, m_blocs, m_sonde, delai);
    }
    static CarteLecteurs Carte(std::initializer_list<std::pair<char, const char*>> lettres) {
        CarteLecteurs carte;
        for (const auto& [lettre, chemin] : lettres) {
            carte.Fixer(lettre, chemin);
        }
        return carte;
    }

    test::SourceMontagesFixe m_source{test::LireDonnee("montages/bureau.mountinfo"),
                                      test::LireDonnee("montages/bureau.fstab")};
    BlocsSys m_blocs{test::CheminDonnee("sys/bureau")};
    std::shared_ptr<test::SondeEspaceFactice> m_sonde = std::make_shared<test::SondeEspaceFactice>();
};

TEST_F(Disques, LecteurSainDossierEtLecteursSansChemin) {
    m_sonde->Repondre("/", 100'000'000'000, 12'340'000'000);
    m_sonde->Repondre("/home/paul", 50, 20);
    auto disques = Creer(Carte({{'C', "/"}, {'D', "/home/paul"}, {'E', "/home/paul/absent"}}));
    EXPECT_EQ(disques->MyDiskSize(C), 100'000'000'000);
    EXPECT_EQ(disques->MyDiskFree(C), 12'340'000'000);
    EXPECT_EQ(disques->GetDriveType32(C), "Disque local");
    EXPECT_EQ(disques->MyDiskFree(D), 20);
    // Après une réponse, le genre se donne sans interroger le dossier de nouveau.
    const int appels = m_sonde->Appels();
    EXPECT_EQ(disques->GenreRepondant(D), "Disque local");
    EXPECT_EQ(m_sonde->Appels(), appels);
    for (std::uint8_t lecteur : {A, E, Z, std::uint8_t{0}, std::uint8_t{27}}) {
        EXPECT_EQ(disques->MyDiskFree(lecteur), -1);
        EXPECT_EQ(disques->GetDriveType32(lecteur), "Unité invalide");
    }
}

TEST_F(Disques, PointsAutofsEtPointsPrevusJamaisInterroges) {
    auto disques = Creer(Carte({{'D', "/mnt/vide"}, {'E', "/media/cdrom0"}, {'F', "/mnt/archives"}}));
    const std::pair<std::uint8_t, const char*> cas[] = {
        {D, "Unité inconnue"}, {E, "Cédérom"}, {F, "Connexion réseau //nas/archives"}};
    for (const auto& [lecteur, genre] : cas) {
        EXPECT_EQ(disques->GetDriveType32(lecteur), genre);
        EXPECT_EQ(disques->MyDiskFree(lecteur), -1);
    }
    EXPECT_EQ(m_sonde->Appels(), 0);
    EXPECT_EQ(disques->NombreSondes(), 0U);
    // Le genre suit la table des montages.
    m_source.Changer("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 0:9 / /mnt/vide rw - tmpfs tmpfs rw\n");
    EXPECT_EQ(disques->GetDriveType32(D), "Emulation de disque en mémoire vive");
    EXPECT_EQ(disques->MontagesAChoisir().size(), 2U);
}

TEST_F(Disques, LecteurReseauBloqueUnSeulFilEtAucuneAttenteApresLaPremiere) {
    m_sonde->Bloquer("/mnt/nfs");
    auto disques = Creer(Carte({{'C', "/"}, {'G', "/mnt/nfs"}}), 20ms);
    EXPECT_EQ(disques->MyDiskSize(G), -1); // après le délai
    const std::size_t fils = test::FilsDuProcessus();
    for (int tic = 0; tic < 300; ++tic) {
        EXPECT_EQ(disques->MyDiskFree(G), -1);
        EXPECT_EQ(disques->GetDriveType32(G), "Connexion réseau serveur:/export/donnees");
    }
    EXPECT_EQ(m_sonde->Appels(), 1);
    EXPECT_LE(test::FilsDuProcessus(), fils);
    // Quitter n'attend pas la sonde bloquée.
    EXPECT_TRUE(m_sonde->FinitPendantLeBlocage([&] { disques.reset(); }));
}

TEST_F(Disques, UneSondeParCheminEtNouvelleCarte) {
    m_sonde->Repondre("/home/paul", 10, 5);
    m_sonde->Repondre("/boot/efi", 10, 5);
    m_sonde->Bloquer("/mnt/nfs");
    auto disques = Creer(
        Carte({{'D', "/home/paul"}, {'E', "/home/paul/"}, {'F', "/boot/efi"}, {'G', "/mnt/nfs"}}), 20ms);
    for (std::uint8_t lecteur : {D, E, F, G}) {
        disques->MyDiskFree(lecteur);
    }
    EXPECT_EQ(disques->NombreSondes(), 3U);
    // /boot/efi n'a plus de lettre : sa sonde au repos s'arrête ; celle, bloquée,
    // de /mnt/nfs est gardée pour qu'un retour de la lettre n'en crée pas une autre.
    disques->ChangerCarte(Carte({{'D', "/home/paul"}}));
    EXPECT_EQ(disques->NombreSondes(), 2U);
    disques->ChangerCarte(Carte({{'D', "/home/paul"}, {'G', "/mnt/nfs"}}));
    EXPECT_EQ(disques->MyDiskFree(G), -1);
    EXPECT_EQ(m_sonde->Appels(), 4);
}

TEST_F(Disques, LaCadenceVautPourChaqueCheminEtSArreteSansQuestion) {
    m_sonde->Repondre("/home/paul", 10, 5);
    m_sonde->Repondre("/boot/efi", 10, 5);
    // Les fils détachés des essais précédents finissent d'abord.
    ASSERT_TRUE(test::AttendreQue([] { return test::FilsDuProcessus() == 1U; }, Garde));
    auto disques = Creer(Carte({{'D', "/home/paul"}, {'F', "/boot/efi"}}));
    EXPECT_EQ(disques->MyDiskFree(D), 5); // sonde créée avant la cadence
    disques->FixerCadence(10ms);
    EXPECT_EQ(disques->MyDiskFree(F), 5); // et après
    m_sonde->Repondre("/home/paul", 10, 4);
    m_sonde->Repondre("/boot/efi", 10, 3);
    // Le releveur relève les deux chemins de lui-même : les nouvelles valeurs arrivent.
    EXPECT_TRUE(
        test::AttendreQue([&] { return disques->MyDiskFree(D) == 4 && disques->MyDiskFree(F) == 3; }));
    EXPECT_EQ(m_sonde->FilsDistincts(), 1U); // un seul fil pour tous les chemins
    // Sans question (fenêtre cachée, minuteur arrêté), le releveur se repose.
    EXPECT_TRUE(test::AttendreQue([&] { return !disques->Bilan().EnCadence; }));
    // Une lettre retirée : son chemin est oublié ; le fil s'arrête à la destruction.
    disques->ChangerCarte(Carte({{'D', "/home/paul"}}));
    EXPECT_EQ(disques->NombreSondes(), 1U);
    disques.reset();
    EXPECT_EQ(test::FilsDuProcessus(), 1U); // le releveur au repos a été attendu
}

TEST_F(Disques, OuvrirLeDossierDUnLecteurQuiRepond) {
    m_sonde->Repondre("/media/paul/CLE USB", 10, 5);
    m_sonde->Bloquer("/mnt/nfs");
    auto disques = Creer(Carte({{'D', "/media/paul/CLE USB"}, {'G', "/mnt/nfs"}}), 20ms);
    test::LanceurFactice lanceur;
    EXPECT_TRUE(OuvrirDisque(*disques, D, "explore", lanceur));
    ASSERT_EQ(lanceur.Appels.size(), 1U);
    EXPECT_EQ(lanceur.Appels[0].Verbe, "explore");
    EXPECT_EQ(lanceur.Appels[0].Fichier, "/media/paul/CLE USB");
    // Verbe vide, total, lettre sans chemin, montage mort : rien.
    EXPECT_FALSE(OuvrirDisque(*disques, D, "", lanceur));
    EXPECT_FALSE(OuvrirDisque(*disques, 0, "open", lanceur));
    EXPECT_FALSE(OuvrirDisque(*disques, E, "open", lanceur));
    EXPECT_FALSE(OuvrirDisque(*disques, G, "open", lanceur));
    EXPECT_EQ(lanceur.Appels.size(), 1U);
}

// L'espace lu sans fil : seulement au point même d'un montage local tenu en
// mémoire, fixe, et atteint sans traverser de montage réseau.
TEST(EspaceDirect, MontagesLusSurLeFilDeLInterface) {
    std::vector<Montage> montes = LireMountinfo(test::LireDonnee("montages/bureau.mountinfo"));
    const std::vector<Montage> sousNfs =
        LireMountinfo("60 36 8:5 / /mnt/nfs/disque rw - ext4 /dev/sda5 rw\n"
                      "61 22 8:6 / /mnt/local rw - xfs /dev/sda6 rw\n"
                      "62 61 8:7 / /mnt/local/dedans rw - f2fs /dev/sda7 rw\n");
    montes.insert(montes.end(), sousNfs.begin(), sousNfs.end());
    struct Cas {
        const char* Chemin;
        bool Amovible;
        bool Direct;
    };
    const Cas cas[] = {
        {"/", false, true},                          // ext4
        {"/tmp", false, true},                       // tmpfs
        {"/srv/lie", false, true},                   // sous-dossier lié d'un ext4
        {"/mnt/local/dedans", false, true},          // f2fs sous un xfs
        {"/run/media/paul/Sauvegarde", false, true}, // ext4 d'un disque fixe
        {"/run/media/paul/Sauvegarde", true, false}, // le même, amovible
        {"/home/paul", false, false},                // dossier : un lien peut mener ailleurs
        {"/mnt/nfs", false, false},                  // nfs4
        {"/mnt/nfs/disque", false, false},           // ext4 atteint par un partage nfs
        {"/boot/efi", false, false},                 // vfat : peut compter ses blocs
        {"/nulle/part", false, false},               // aucun montage à ce point
    };
    for (const Cas& k : cas) {
        EXPECT_EQ(EspaceSansAttente(montes, k.Chemin, k.Amovible), k.Direct) << k.Chemin;
    }
}

TEST_F(Disques, MontageLocalLuSansFilPuisParUnFilSIlTarde) {
    m_sonde->Repondre("/", 100, 40);
    auto disques = Creer(Carte({{'C', "/"}}), 20ms);
    EXPECT_EQ(disques->MyDiskFree(C), 40);
    EXPECT_EQ(disques->NombreSondes(), 0U);
    // Une lecture directe trop lente : la réponse est gardée, les suivantes
    // passent par un fil, même après un changement de la table.
    m_sonde->Retarder("/", 60ms);
    EXPECT_EQ(disques->MyDiskFree(C), 40);
    EXPECT_EQ(disques->NombreSondes(), 0U);
    EXPECT_EQ(disques->MyDiskFree(C), 40);
    m_source.Changer(test::LireDonnee("montages/bureau.mountinfo"),
                     test::LireDonnee("montages/bureau.fstab"));
    EXPECT_EQ(disques->MyDiskFree(C), 40);
    EXPECT_EQ(disques->NombreSondes(), 1U);
}

} // namespace
} // namespace pulsodex
