#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "Attentes.h"
#include "Fichiers.h"
#include "linux/LanceurLinux.h"

namespace pulsodex {
namespace {

namespace fs = std::filesystem;
const std::string Outil = test::CheminDonnee("outils/ecrire_arguments.sh");

TEST(DecouperParametres, CommeLesProgrammesWindowsSansRienInterpreter) {
    using V = std::vector<std::string>;
    const std::pair<const char*, V> cas[] = {
        {"", V{}},
        {"un \"deux trois\" quatre", V{"un", "deux trois", "quatre"}},
        {"\"a b", V{"a b"}},
        {"\"a \"\"b\"\" c\"", V{"a \"b\" c"}},
        {"a\\\\\\\\\"b c\"", V{"a\\\\b c"}},
        {"a\\\\\\\"b", V{"a\\\"b"}},
        {"x\"y z\"w \"\"", V{"xy zw", ""}},
        {"$(rm -rf /) ; `id` $HOME", V{"$(rm", "-rf", "/)", ";", "`id`", "$HOME"}},
    };
    for (const auto& [texte, attendu] : cas) {
        EXPECT_EQ(DecouperParametres(texte), attendu) << texte;
    }
}

class LanceurTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dossier / "travail"); }
    test::DossierTemporaire temporaire{"pulsodex-lanceur"};
    const fs::path dossier = temporaire.Chemin();
    LanceurLinux lanceur;
};

TEST_F(LanceurTest, ArgumentsTransmisTelsQuelsSansShellDansLeDossierDemande) {
    const fs::path sortie = dossier / "sortie";
    const std::string parametres = "\"" + sortie.string() + "\" \"un deux\" $(touch " +
                                   (dossier / "pirate").string() + ") ; `id` * --titre=l'été.txt";
    // Un descripteur hérité sans précaution : il ne doit pas passer.
    const fs::path temoin = dossier / "temoin";
    std::ofstream(temoin) << "x";
    const int fd = ::open(temoin.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_GT(
        lanceur.ShellExecute("", Outil, parametres, (dossier / "travail").string(), ModeFenetre::Normale),
        32);
    ::close(fd);
    ASSERT_TRUE(test::AttendreQue([&] { return fs::exists(sortie); }));
    // Les arguments un par ligne, le dossier, puis les descripteurs ouverts.
    const std::string lu = test::LireFichier(sortie);
    EXPECT_EQ(lu.rfind("un deux\n$(touch\n" + (dossier / "pirate").string() +
                           ")\n;\n`id`\n*\n--titre=l'été.txt\n" +
                           "dossier=" + (dossier / "travail").string() + "\nfd=",
                       0),
              0U)
        << lu;
    EXPECT_EQ(lu.find("temoin"), std::string::npos) << lu;
    EXPECT_FALSE(fs::exists(dossier / "pirate"));
}

TEST_F(LanceurTest, CodesDEchec) {
    EXPECT_EQ(lanceur.ShellExecute("", "programme-qui-n-existe-pas-du-tout", "", "", ModeFenetre::Normale),
              2);
    EXPECT_EQ(lanceur.ShellExecute("", Outil, "", (dossier / "absent").string(), ModeFenetre::Normale), 3);
}

TEST_F(LanceurTest, AucunZombieApresCentLancements) {
    for (int i = 0; i < 100; ++i) {
        ASSERT_GT(lanceur.ShellExecute("", "/bin/true", "", "", ModeFenetre::Cachee), 32);
    }
    // Aucun enfant à attendre : les programmes lancés ne sont pas les nôtres.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
} // namespace pulsodex
