#include <gtest/gtest.h>

#include <cerrno>

#include "FacticesDisques.h"
#include "core/probes/Deconnexion.h"

namespace pulsodex {
namespace {

using V = std::vector<std::string>;

ResultatProgramme Fini(int code, const char* erreurs) {
    return ResultatProgramme{true, 0, true, code, erreurs};
}
ResultatProgramme Introuvable() {
    ResultatProgramme r;
    r.ErreurLancement = ENOENT;
    return r;
}

class DeconnexionTest : public ::testing::Test {
protected:
    DeconnexionTest() {
        for (const char* lettre :
             {"C/", "E/mnt/nfs", "F/home/paul/distant/photos", "G/mnt/nas", "H/mnt/vide", "I/mnt/archives"}) {
            m_carte.Fixer(lettre[0], lettre + 1);
        }
    }
    std::uint32_t Deconnecter(std::string_view nom) {
        return m_deconnexion.WNetCancelConnection2A(m_carte, nom);
    }

    CarteLecteurs m_carte;
    test::ExecuteurFactice m_executeur;
    test::SourceMontagesFixe m_source{test::LireDonnee("montages/bureau.mountinfo"),
                                      test::LireDonnee("montages/bureau.fstab")};
    std::vector<std::string> m_fichiersDemandes;
    bool m_fichiersOuverts = false;
    Deconnexion m_deconnexion{m_executeur, m_source, [this](std::string_view point) {
                                  m_fichiersDemandes.emplace_back(point);
                                  return m_fichiersOuverts;
                              }};
};

TEST_F(DeconnexionTest, DemontageParUmountOuParFusermountAuPointDeMontage) {
    EXPECT_EQ(Deconnecter("E:"), DeconnexionReussie);
    ASSERT_EQ(m_executeur.Commandes.size(), 1U);
    const CommandeProgramme& c = m_executeur.Commandes[0];
    EXPECT_EQ(c.Arguments, (V{"umount", "/mnt/nfs"}));
    EXPECT_EQ(c.Environnement, (V{"LC_ALL=C"}));
    EXPECT_GT(c.Delai.count(), 0);
    m_executeur.Rendre(Introuvable()); // pas de fusermount3 : on essaie fusermount
    EXPECT_EQ(Deconnecter("F:"), DeconnexionReussie);
    ASSERT_EQ(m_executeur.Commandes.size(), 3U);
    EXPECT_EQ(m_executeur.Commandes[1].Arguments, (V{"fusermount3", "-u", "/home/paul/distant"}));
    EXPECT_EQ(m_executeur.Commandes[2].Arguments, (V{"fusermount", "-u", "/home/paul/distant"}));
}

TEST_F(DeconnexionTest, RienALancerPourUnLecteurNonConnecte) {
    // Sans lettre, lecteur local, autofs vide, point prévu mais non monté, nom invalide.
    for (const char* nom : {"Z:", "C:", "H:", "I:"}) {
        EXPECT_EQ(Deconnecter(nom), ErreurNonConnecte) << nom;
    }
    EXPECT_EQ(Deconnecter("E"), ErreurPeripherique);
    EXPECT_EQ(Deconnecter("E:\\"), ErreurPeripherique);
    EXPECT_TRUE(m_executeur.Commandes.empty());
}

TEST_F(DeconnexionTest, LesEchecsRapportes) {
    struct Cas {
        ResultatProgramme resultat;
        bool fichiersOuverts;
        std::uint32_t attendu;
    };
    const Cas cas[] = {
        {Fini(32, "umount: /mnt/nas: target is busy.\n"), false, ErreurUniteOccupee},
        {Fini(32, "umount: /mnt/nas: target is busy.\n"), true, ErreurFichiersOuverts},
        {Fini(32, "umount: /mnt/nas: not mounted.\n"), false, ErreurNonConnecte},
        {Fini(1, "umount: /mnt/nas: must be superuser to unmount.\n"), false, ErreurAccesRefuse},
        {Fini(32, "umount: /mnt/nas: bizarre\n"), false, ErreurEtendue},
        {ResultatProgramme{true, 0, false, -1, {}}, false, ErreurUniteOccupee}, // pendu
        {Introuvable(), false, ErreurEtendue},
    };
    for (const auto& k : cas) {
        m_fichiersOuverts = k.fichiersOuverts;
        m_executeur.Rendre(k.resultat);
        EXPECT_EQ(Deconnecter("G:"), k.attendu) << k.resultat.Erreurs;
    }
    EXPECT_EQ(m_fichiersDemandes, (V{"/mnt/nas", "/mnt/nas"}));
}

TEST_F(DeconnexionTest, EchecInconnuMaisPointDisparu) {
    m_executeur.Pendant = [this] {
        m_source.Changer("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n");
    };
    m_executeur.Rendre(Fini(32, "umount: erreur\n"));
    EXPECT_EQ(Deconnecter("E:"), ErreurNonConnecte);
}

TEST(TextesDeconnexion, EchecsDitsSuccesMuet) {
    EXPECT_EQ(TexteDeconnexion(2250), "Cette unité n'est pas connectée.");
    EXPECT_EQ(TexteDeconnexion(2401), "L'unité ne peut être déconnectée car des fichiers y sont ouverts.");
    EXPECT_EQ(TexteDeconnexion(2404),
              "L'unité ne peut être déconnectée car elle est en cours d'utilisation.");
    // Un refus ou un échec ne passe pas pour un succès.
    EXPECT_EQ(TexteDeconnexion(5), "Vous n'avez pas le droit de déconnecter cette unité.");
    EXPECT_EQ(TexteDeconnexion(1208), "L'unité n'a pas pu être déconnectée.");
    for (std::uint32_t code : {0U, 1200U, 2402U}) {
        EXPECT_EQ(TexteDeconnexion(code), "") << code;
    }
}

} // namespace
} // namespace pulsodex
