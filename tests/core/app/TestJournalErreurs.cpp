#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <fstream>
#include <set>

#include "Factices.h"
#include "Fichiers.h"
#include "core/app/FichierTexte.h"
#include "core/app/JournalErreurs.h"
#include "core/commun/Trace.h"
#include "core/plateforme/AjoutFichier.h"
#include "core/plateforme/Locale.h"

namespace pulsodex::test {
namespace {

namespace fs = std::filesystem;

class JournalTest : public ::testing::Test {
protected:
    std::string Contenu() const { return LireFichier(dossier / "ERREURS.LOG"); }
    JournalErreurs Journal() { return {dossier.string() + "/", horloge, locale, infos}; }

    DossierTemporaire temporaire{"pulsodex-journal"};
    const fs::path dossier = temporaire.Chemin();
    HorlogeFactice horloge;
    LocaleFrancaise locale;
    InfosSystemeFactices infos;
};

TEST_F(JournalTest, EntreeAjouteeAUnFichierExistant) {
    std::ofstream(dossier / "ERREURS.LOG", std::ios::binary) << "ancien\r\n";
    FixerTrace("");
    EXPECT_TRUE(
        Journal().Consigner("deux\nligne forgée")); // un message venu de l'extérieur ne crée pas de ligne
    EXPECT_EQ(Trace().Lire(), "<Inconnu>");         // la trace vide donne « <Inconnu> » et le garde
    EXPECT_EQ(Contenu(), "ancien\r\n"
                         "* Erreur de Pulsodex XP V1.0 Béta 2 *\r\n"
                         "    Module      : <Inconnu>\r\n"
                         "    Date, heure : 05/12/2026 09:52:10\r\n"
                         "    Message     : deux ligne forgée\r\n"
                         "    Système     : Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)\r\n"
                         "    Comctl32    : 6.4.2\r\n"
                         "\r\n");
}

TEST_F(JournalTest, DossierNonInscriptibleNeFaitPasEchouer) {
    if (::geteuid() == 0) {
        // root écrit partout : un dossier qui n'existe pas fait l'affaire.
        JournalErreurs journal{"/proc/nulle-part/", horloge, locale, infos};
        EXPECT_FALSE(journal.Consigner("x"));
        return;
    }
    fs::permissions(dossier, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(Journal().Consigner("x"));
}

TEST(SurUneLigne, AucunTexteNeFabriqueDeLigne) {
    const std::pair<std::string_view, std::string_view> cas[] = {
        {"a\r\nb\nc\rd", "a  b c d"},
        {std::string_view("nul\0x", 5), "nul x"},
        {"tab\tgardée", "tab\tgardée"},
        {"v\vf\f", "v f "},
        {"nel\xC2\x85ls\xE2\x80\xA8ps\xE2\x80\xA9"
         "fin",
         "nel ls ps fin"},
        {"é\xC2\xA0ç", "é\xC2\xA0ç"}, // espace insécable gardée
        {"coupé\xE2\x80", "coupé\xE2\x80"},
    };
    for (const auto& [entree, sortie] : cas) {
        EXPECT_EQ(SurUneLigne(entree), sortie) << entree;
    }
}

// Deux processus ajoutent chacun leurs entrées au même fichier, en même
// temps : chaque entrée arrive entière, aucune ne se mêle à une autre.
TEST_F(JournalTest, DeuxProcessusNeMelentJamaisLeursEntrees) {
    constexpr int ParProcessus = 2000;
    const auto entree = [](int p, int i) {
        return TexteEntree({"Module" + std::to_string(p), "05/12/2026 09:52:10",
                            "p" + std::to_string(p) + "-" + std::to_string(i) + std::string(200, 'm'),
                            "Debian", "6.4.2"});
    };
    const std::string chemin = (dossier / "ERREURS.LOG").string();
    // Les deux partent ensemble : le départ est la fermeture du tube.
    int depart[2];
    ASSERT_EQ(::pipe(depart), 0);
    pid_t enfants[2];
    for (int p = 0; p < 2; ++p) {
        enfants[p] = ::fork();
        ASSERT_GE(enfants[p], 0);
        if (enfants[p] == 0) {
            ::close(depart[1]);
            char octet = 0;
            while (::read(depart[0], &octet, 1) < 0 && errno == EINTR) {
            }
            for (int i = 0; i < ParProcessus; ++i) {
                if (!AjouterAuFichier(chemin, entree(p, i))) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
    }
    ::close(depart[0]);
    ::close(depart[1]);
    for (const pid_t enfant : enfants) {
        int etat = 0;
        ASSERT_EQ(::waitpid(enfant, &etat, 0), enfant);
        EXPECT_TRUE(WIFEXITED(etat) && WEXITSTATUS(etat) == 0);
    }
    std::set<std::string> attendues;
    for (int i = 0; i < 2 * ParProcessus; ++i) {
        attendues.insert(entree(i % 2, i / 2));
    }
    const std::string contenu = Contenu();
    for (std::size_t debut = 0; debut < contenu.size();) {
        const std::size_t fin = contenu.find("\r\n\r\n", debut);
        ASSERT_NE(fin, std::string::npos) << "fin tronquée";
        EXPECT_EQ(attendues.erase(contenu.substr(debut, fin + 4 - debut)), 1U)
            << "entrée mêlée ou en double :\n"
            << contenu.substr(debut, fin + 4 - debut);
        debut = fin + 4;
    }
    EXPECT_TRUE(attendues.empty()) << attendues.size() << " entrées perdues";
}

} // namespace
} // namespace pulsodex::test
