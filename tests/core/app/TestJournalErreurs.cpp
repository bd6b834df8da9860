#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Factices.h"
#include "Fichiers.h"
#include "core/app/FichierTexte.h"
#include "core/app/JournalErreurs.h"
#include "core/commun/Trace.h"
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

// Même root ne peut pas écrire sous /proc : l'échec est dit, sans exception.
TEST_F(JournalTest, DossierNonInscriptibleNeFaitPasEchouer) {
    JournalErreurs journal{"/proc/nulle-part/", horloge, locale, infos};
    EXPECT_FALSE(journal.Consigner("x"));
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

} // namespace
} // namespace pulsodex::test
