#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "Fichiers.h"
#include "linux/AutostartXdg.h"

namespace pulsodex {
namespace {

namespace fs = std::filesystem;

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(racine / "machine"); }
    test::DossierTemporaire temporaire{"pulsodex-autostart"};
    const fs::path racine = temporaire.Chemin();
};

// Une entrée de la machine que l'utilisateur ne peut effacer : la sienne la
// masque, cachée pour la couper, avec sa commande pour la remplacer.
TEST_F(AutostartTest, LEntreeDeLUtilisateurMasqueCelleDeLaMachine) {
    AutostartXdg liste(racine / "utilisateur", racine / "machine");
    ASSERT_TRUE(liste.Ecrire(PorteeDemarrage::Machine, "Pulsodex32", "/usr/bin/pulsodex"));
    EXPECT_EQ(liste.Lire(PorteeDemarrage::Machine, "Pulsodex32"), "\"/usr/bin/pulsodex\"");

    ASSERT_TRUE(liste.Effacer(PorteeDemarrage::Utilisateur, "Pulsodex32"));
    EXPECT_EQ(liste.Lire(PorteeDemarrage::Utilisateur, "Pulsodex32"), ""); // cachée
    EXPECT_FALSE(liste.Lire(PorteeDemarrage::Machine, "Pulsodex32"));

    ASSERT_TRUE(liste.Ecrire(PorteeDemarrage::Utilisateur, "Pulsodex32", "/opt/mes programmes/pulsodex"));
    const fs::path fichier = racine / "utilisateur" / "Pulsodex32.desktop";
    EXPECT_NE(test::LireFichier(fichier).find("\nType=Application\n"), std::string::npos);
    EXPECT_EQ(liste.Lire(PorteeDemarrage::Utilisateur, "Pulsodex32"), "\"/opt/mes programmes/pulsodex\"");

    // Sans entrée de la machine, effacer ne laisse rien derrière soi.
    fs::remove(racine / "machine" / "Pulsodex32.desktop");
    ASSERT_TRUE(liste.Effacer(PorteeDemarrage::Utilisateur, "Pulsodex32"));
    EXPECT_FALSE(fs::exists(fichier));
}

TEST(LireExec, EntreesCacheesOuDesactivees) {
    const std::pair<const char*, std::optional<std::string>> cas[] = {
        {"[Desktop Entry]\nExec=/bin/x\n", "/bin/x"},
        {"[Desktop Entry]\r\nExec=\r\n", ""},
        {"[Desktop Entry]\nExec = /bin/x\nHidden=true\n", ""},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\nExec=/bin/x\n", ""},
        {"[Desktop Entry]\nExec=/bin/x\n[Autre]\nHidden=true\n", "/bin/x"},
        {"[Autre]\nHidden=true\n", std::nullopt},
    };
    for (const auto& [contenu, attendu] : cas) {
        EXPECT_EQ(LireExec(contenu), attendu) << contenu;
    }
}

// Un dossier où l'écriture échoue, même pour root : l'échec est rapporté.
TEST_F(AutostartTest, EmplacementNonInscriptibleIgnore) {
    std::ofstream(racine / "fichier") << "x";
    AutostartXdg liste(racine / "utilisateur", racine / "fichier");
    EXPECT_FALSE(liste.Ecrire(PorteeDemarrage::Machine, "Pulsodex32", "/x"));
}

TEST(LigneExec, EchappeCommeLeVeulentLesFichiersDesktop) {
    const std::pair<const char*, const char*> cas[] = {
        {"/usr/bin/pulsodex", R"("/usr/bin/pulsodex")"},
        {"/a\"b/p", R"("/a\\"b/p")"},
        {"/a$b/p", R"("/a\\$b/p")"},
        {"/a\\b/p", R"("/a\\\\b/p")"},
        {"/100%/p", R"("/100%%/p")"},
    };
    for (const auto& [chemin, ligne] : cas) {
        EXPECT_EQ(LigneExec(chemin), ligne) << chemin;
    }
}

} // namespace
} // namespace pulsodex
