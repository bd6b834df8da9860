#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Factices.h"
#include "app/JournalErreurs.h"
#include "commun/Trace.h"
#include "interfaces/Locale.h"

namespace pulsodex::test {
namespace {

namespace fs = std::filesystem;

class JournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() / ("pulsodex-journal-" + std::to_string(::getpid()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
    }
    void TearDown() override {
        fs::permissions(dossier, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dossier);
    }
    std::string Contenu() const {
        std::ifstream f(dossier / "ERREURS.LOG", std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    JournalErreurs Journal() { return {dossier.string() + "/", horloge, locale, infos}; }

    fs::path dossier;
    HorlogeFactice horloge;
    LocaleFrancaise locale;
    InfosSystemeFactices infos;
};

const char* const EntreeAttendue = "* Erreur de Pulsodex XP V1.0 Béta 2 *\r\n"
                                   "    Module      : <Inconnu>\r\n"
                                   "    Date, heure : 05/12/2026 09:52:10\r\n"
                                   "    Message     : Division par zéro\r\n"
                                   "    Système     : Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)\r\n"
                                   "    Comctl32    : 6.4.2\r\n"
                                   "\r\n";

TEST_F(JournalTest, TraceVideDonneInconnuEtLaTraceLeGarde) {
    FixerTrace("");
    EXPECT_TRUE(Journal().Consigner("Division par zéro"));
    EXPECT_EQ(Contenu(), EntreeAttendue);
    EXPECT_EQ(Trace().Lire(), "<Inconnu>");
}

TEST_F(JournalTest, DeuxEntreesAjouteesAUnFichierExistant) {
    std::ofstream(dossier / "ERREURS.LOG", std::ios::binary) << "ancien\r\n";
    FixerTrace("ChaineTaille");
    auto journal = Journal();
    journal.Consigner("un");
    FixerTrace("TPulsodexForm.FormShow (30)");
    journal.Consigner("deux\nligne forgée");
    const std::string contenu = Contenu();
    EXPECT_TRUE(contenu.starts_with("ancien\r\n* Erreur"));
    EXPECT_NE(contenu.find("    Module      : ChaineTaille\r\n"), std::string::npos);
    EXPECT_NE(contenu.find("    Module      : TPulsodexForm.FormShow (30)\r\n"), std::string::npos);
    // Un message venu de l'extérieur ne crée pas de ligne.
    EXPECT_NE(contenu.find("    Message     : deux ligne forgée\r\n"), std::string::npos);
    std::size_t lignes = 0;
    for (std::size_t p = contenu.find("\r\n"); p != std::string::npos; p = contenu.find("\r\n", p + 2)) {
        ++lignes;
    }
    EXPECT_EQ(lignes, 1U + 2U * 7U);
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

} // namespace
} // namespace pulsodex::test
