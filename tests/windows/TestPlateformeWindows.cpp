// La plateforme Windows sur le système réel (wine dans les essais).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "Fichiers.h"
#include "core/plateforme/AjoutFichier.h"
#include "core/probes/Deconnexion.h"
#include "windows/Cle.h"
#include "windows/DemarrageRun.h"
#include "windows/DisquesWindows.h"
#include "windows/LanceurWindows.h"
#include "windows/LocaleWindows.h"
#include "windows/PlateformeWindows.h"
#include "windows/RegistreWindows.h"

namespace pulsodex::test {
namespace {

// Une clé d'essai sous HKEY_CURRENT_USER, effacée avant et après.
constexpr const char* CleEssai = "Software\\PulsodexEssai";

class RegistreTest : public ::testing::Test {
protected:
    RegistreTest() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PulsodexEssai"); }
    ~RegistreTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PulsodexEssai"); }
};

TEST_F(RegistreTest, ChaqueFormeDeValeurFaitLAllerRetour) {
    struct Cas {
        const char* section;
        const char* nom;
        std::string texte;
    };
    const Cas cas[] = {
        {"", "Version", "1.0 Béta 2"},
        {"1024x768", "CouleurFond", "-2147483633"},
        {"1024x768", "ModeAffichageMémoire", "Ko"},
        {"1024x768", "ChaineDate", ""},
        {"1024x768\\Fonte", "Nom", "MS Sans Serif"},
        {"Evenement\\0", "Commande", "\"C:\\Program Files\\x.exe\" /a"},
        {"Avertissement\\0", "Message", "Mémoire « basse » : 5 %\r\nsuite"},
    };
    RegistreWindows reg(HKEY_CURRENT_USER, CleEssai, "HKEY_CURRENT_USER\\Software\\PulsodexEssai");
    for (const auto& k : cas) {
        reg.Ecrire(k.section, k.nom, k.texte);
    }
    EXPECT_TRUE(reg.Synchroniser());
    // Relu par un autre registre ouvert sur la même clé : tout est dans le registre.
    const RegistreWindows relu(HKEY_CURRENT_USER, CleEssai, "essai");
    for (const auto& k : cas) {
        EXPECT_EQ(relu.Lire(k.section, k.nom), k.texte) << k.section << " " << k.nom;
    }
    EXPECT_FALSE(relu.Lire("Absente", "Nom"));
    EXPECT_EQ(relu.NomsValeurs("1024x768"),
              (std::vector<std::string>{"ChaineDate", "CouleurFond", "ModeAffichageMémoire"}));

    // Un entier écrit par un autre programme en REG_DWORD se lit en décimal.
    Cle brute(HKEY_CURRENT_USER, L"Software\\PulsodexEssai", false);
    const DWORD n = 42;
    ASSERT_EQ(::RegSetValueExW(brute.Poignee(), L"Dword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n),
                               sizeof n),
              ERROR_SUCCESS);
    EXPECT_EQ(relu.Lire("", "Dword"), "42");

    // Effacer une section emporte ses sous-clés, pas ses voisines.
    reg.EraseSection("1024x768");
    EXPECT_FALSE(reg.SectionExiste("1024x768"));
    EXPECT_FALSE(reg.Lire("1024x768\\Fonte", "Nom"));
    EXPECT_EQ(reg.Lire("Evenement\\0", "Commande"), "\"C:\\Program Files\\x.exe\" /a");
    reg.EraseSection("Absente");
    EXPECT_TRUE(reg.Synchroniser()) << reg.ErreurEcriture();
}

TEST_F(RegistreTest, EcritureImpossibleDiteEnFrancais) {
    // Un nom de clé a au plus 255 caractères : la sous-clé ne se crée pas.
    RegistreWindows reg(HKEY_CURRENT_USER, CleEssai, "HKEY_CURRENT_USER\\Software\\PulsodexEssai");
    reg.Ecrire(std::string(300, 'x'), "Nom", "x");
    EXPECT_FALSE(reg.Synchroniser());
    EXPECT_EQ(reg.ErreurEcriture().rfind("« HKEY_CURRENT_USER\\Software\\PulsodexEssai » : ", 0), 0U)
        << reg.ErreurEcriture();
}

TEST(DemarrageRun, ValeurDeLUtilisateurEtDeLaMachine) {
    DemarrageRun run;
    for (const PorteeDemarrage portee : {PorteeDemarrage::Utilisateur, PorteeDemarrage::Machine}) {
        ASSERT_TRUE(run.Ecrire(portee, "Pulsodex32Essai", "C:\\Pulsodex\\Pulsodex.exe"))
            << static_cast<int>(portee);
        EXPECT_EQ(run.Lire(portee, "Pulsodex32Essai"), "C:\\Pulsodex\\Pulsodex.exe");
        EXPECT_TRUE(run.Effacer(portee, "Pulsodex32Essai"));
        EXPECT_FALSE(run.Lire(portee, "Pulsodex32Essai"));
        EXPECT_TRUE(run.Effacer(portee, "Pulsodex32Essai")); // déjà absente
    }
}

TEST(RelevesWindows, MemoireEtProcesseursDansLeursBornes) {
    const StatutMemoire m = MemoireWindows().Lire();
    EXPECT_GT(m.TotalPhys, 0);
    EXPECT_LE(m.AvailPhys, m.TotalPhys);
    std::vector<CompteursCpu> c;
    ASSERT_TRUE(ProcesseurWindows().Lire(c));
    ASSERT_GE(c.size(), 2U); // au moins un processeur, puis l'ensemble en dernier
    EXPECT_LE(c.back().Inactif, c.back().Total);
}

TEST(DisquesWindows, LesLecteursDeWine) {
    // wine donne C: (son disque) et Z: (la racine de la machine) ; Q: n'existe pas.
    const CarteLecteurs carte = LecteursDuSysteme();
    EXPECT_EQ(carte.CheminLettre('C'), "C:\\");
    EXPECT_EQ(carte.CheminLettre('Q'), "");

    MontagesWindows montages;
    EXPECT_NE(MontageAuPoint(montages.Table().Montes, "C:\\"), nullptr);

    const BlocsWindows blocs;
    const Montage c{"", "\\", "C:\\", "", ""};
    EXPECT_EQ(blocs.Genre(c, blocs.Chercher(c)), "Disque local");

    SondeEspaceWindows espace;
    const ReponseSonde r = espace.Interroger("C:\\");
    EXPECT_EQ(r.Etat, EtatSonde::Ok);
    EXPECT_LE(r.Libre, r.Taille);
    EXPECT_EQ(espace.Interroger("C:\\dossier\\absent").Etat, EtatSonde::Absent);

    DeconnexionWindows deconnexion;
    EXPECT_EQ(deconnexion.WNetCancelConnection2A(carte, "Q:"), ErreurNonConnecte);
}

TEST(LanceurWindows, CodesDeShellExecute) {
    const std::pair<unsigned long, int> cas[] = {
        {ERROR_PATH_NOT_FOUND, 3},
        {ERROR_ACCESS_DENIED, 5},
        {ERROR_NO_ASSOCIATION, 31},
        {ERROR_OUTOFMEMORY, 0},
    };
    for (const auto& [erreur, code] : cas) {
        EXPECT_EQ(CodeLancement(erreur), code) << erreur;
    }
    LanceurWindows lanceur;
    EXPECT_EQ(lanceur.ShellExecute("open", "C:\\pulsodex-absent.exe", "", "", ModeFenetre::Cachee), 2);
}

// Le dimanche, le samedi court, août, la virgule, et une date courte.
std::string Apercu(const LocaleWindows& locale) {
    return locale.NomJour(1) + " " + locale.NomJourCourt(7) + " " + locale.NomMois(8) + " " +
           locale.SeparateurDecimal() + " " + locale.DateHeureCourte({2026, 12, 5, 7, 9, 52, 10, 0});
}

TEST(LocaleWindows, NomsEtSeparateursDeDeuxLangues) {
    EXPECT_EQ(Apercu(LocaleWindows(L"fr-FR")), "dimanche sam. août , 05/12/2026 09:52:10");
    EXPECT_EQ(Apercu(LocaleWindows(L"en-US")), "Sunday Sat August . 12/5/2026 9:52:10 AM");
}

TEST(PlateformeWindows, NomDuSystemeEtJournal) {
    PlateformeWindows plateforme;
    EXPECT_EQ(plateforme.WinVer().rfind("Windows ", 0), 0U) << plateforme.WinVer();
    EXPECT_EQ(plateforme.FichierReglages().string(), "HKEY_CURRENT_USER\\Software\\Pulsodex");
    // Le dossier de l'instance unique : créé, sans barre inverse (nom d'un tube).
    const std::string execution = plateforme.DossierExecution();
    EXPECT_EQ(execution.find('\\'), std::string::npos) << execution;
    EXPECT_TRUE(std::filesystem::is_directory(execution)) << execution;
    // Le registre nomme le premier processeur ; pas un 256e.
    EXPECT_NE(plateforme.IdentiteProcesseurs().NomSysteme(0), "");
    EXPECT_EQ(plateforme.IdentiteProcesseurs().NomSysteme(255), "");

    const DossierTemporaire dossier("pulsodex-journal");
    const std::string journal = (dossier.Chemin() / "ERREURS.LOG").string();
    EXPECT_TRUE(AjouterAuFichier(journal, "une\r\n") && AjouterAuFichier(journal, "deux\r\n"));
    EXPECT_EQ(LireFichier(journal), "une\r\ndeux\r\n");
    EXPECT_FALSE(AjouterAuFichier((dossier.Chemin() / "absent" / "x.log").string(), "x"));
}

} // namespace
} // namespace pulsodex::test
