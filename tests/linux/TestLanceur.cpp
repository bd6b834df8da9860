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
        {"  -a \t b ", V{"-a", "b"}},
        {"un \"deux trois\" quatre", V{"un", "deux trois", "quatre"}},
        {"a\\\"b", V{"a\"b"}},
        {"C:\\dossier\\ x", V{"C:\\dossier\\", "x"}},
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

    // Attend que l'outil ait écrit sa sortie (borné à 10 s).
    std::vector<std::string> Sortie(const fs::path& fichier) {
        test::AttendreQue([&] { return fs::exists(fichier); }, std::chrono::seconds(10));
        std::ifstream f(fichier);
        std::vector<std::string> lignes;
        for (std::string l; std::getline(f, l);) {
            lignes.push_back(l);
        }
        return lignes;
    }

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
    const auto lignes = Sortie(sortie);
    ASSERT_GE(lignes.size(), 8U);
    EXPECT_EQ(
        std::vector<std::string>(lignes.begin(), lignes.begin() + 8),
        (std::vector<std::string>{"un deux", "$(touch", (dossier / "pirate").string() + ")", ";", "`id`", "*",
                                  "--titre=l'été.txt", "dossier=" + (dossier / "travail").string()}));
    for (std::size_t i = 8; i < lignes.size(); ++i) {
        EXPECT_EQ(lignes[i].find("temoin"), std::string::npos) << lignes[i];
    }
    EXPECT_FALSE(fs::exists(dossier / "pirate"));
}

TEST_F(LanceurTest, CodesDEchec) {
    EXPECT_EQ(lanceur.ShellExecute("", (dossier / "absent").string(), "", "", ModeFenetre::Normale), 2);
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
