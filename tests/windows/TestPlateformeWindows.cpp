// La plateforme Windows sur le système réel (wine dans les essais).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
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
        {"", "PortProxy", "8080"},
        {"1024x768", "CouleurFond", "-2147483633"},
        {"1024x768", "Sons", "Oui"},
        {"1024x768", "ModeAffichageMémoire", "Ko"},
        {"1024x768", "ChaineDate", ""},
        {"1024x768", "ListeDisques", std::string(255, 'C')},
        {"1024x768\\Fonte", "Nom", "MS Sans Serif"},
        {"1024x768\\Emplacement", "Break0", "1"},
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
    EXPECT_EQ(relu.ReadInteger("1024x768", "CouleurFond", 0), -2147483633);
    EXPECT_FALSE(relu.Lire("1024x768", "Absent"));
    EXPECT_FALSE(relu.Lire("Absente", "Nom"));
    EXPECT_EQ(relu.NomsValeurs("1024x768"),
              (std::vector<std::string>{"ChaineDate", "CouleurFond", "ListeDisques", "ModeAffichageMémoire",
                                        "Sons"}));
    EXPECT_TRUE(relu.SectionExiste("1024x768\\Fonte"));

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
    EXPECT_TRUE(reg.Synchroniser());
    EXPECT_EQ(reg.ErreurEcriture(), "");
}

TEST_F(RegistreTest, EcritureImpossibleDiteEnFrancais) {
    // Un nom de clé a au plus 255 caractères : la sous-clé ne se crée pas.
    RegistreWindows reg(HKEY_CURRENT_USER, CleEssai, "HKEY_CURRENT_USER\\Software\\PulsodexEssai");
    reg.Ecrire(std::string(300, 'x'), "Nom", "x");
    EXPECT_FALSE(reg.Synchroniser());
    EXPECT_EQ(reg.ErreurEcriture().rfind("« HKEY_CURRENT_USER\\Software\\PulsodexEssai » : ", 0), 0U)
        << reg.ErreurEcriture();
    EXPECT_TRUE(reg.Synchroniser()); // l'échec n'est dit qu'une fois
    reg.Ecrire("", "Nom", "x");
    EXPECT_TRUE(reg.Synchroniser());
}

TEST(DemarrageRun, ValeurDeLUtilisateurEtDeLaMachine) {
    DemarrageRun run;
    for (const PorteeDemarrage portee : {PorteeDemarrage::Utilisateur, PorteeDemarrage::Machine}) {
        SCOPED_TRACE(static_cast<int>(portee));
        ASSERT_TRUE(run.Ecrire(portee, "Pulsodex32Essai", "C:\\Pulsodex\\Pulsodex.exe"));
        EXPECT_EQ(run.Lire(portee, "Pulsodex32Essai"), "C:\\Pulsodex\\Pulsodex.exe");
        EXPECT_TRUE(run.Effacer(portee, "Pulsodex32Essai"));
        EXPECT_FALSE(run.Lire(portee, "Pulsodex32Essai"));
        EXPECT_TRUE(run.Effacer(portee, "Pulsodex32Essai")); // déjà absente
    }
}

TEST(RelevesWindows, MemoireEtProcesseursDansLeursBornes) {
    MemoireWindows memoire;
    const StatutMemoire m = memoire.Lire();
    EXPECT_GT(m.TotalPhys, 0);
    EXPECT_LE(m.AvailPhys, m.TotalPhys);
    EXPECT_GE(m.TotalPageFile, m.AvailPageFile);
    EXPECT_LE(m.MemoryLoad, 100);

    ProcesseurWindows processeur;
    std::vector<CompteursCpu> avant;
    std::vector<CompteursCpu> apres;
    ASSERT_TRUE(processeur.Lire(avant));
    ASSERT_TRUE(processeur.Lire(apres));
    // Au moins un processeur, puis l'ensemble en dernier.
    ASSERT_GE(avant.size(), 2U);
    ASSERT_EQ(avant.size(), apres.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXPECT_LE(avant[i].Inactif, avant[i].Total) << i;
        EXPECT_GE(apres[i].Total, avant[i].Total) << i;
    }
}

TEST(DisquesWindows, LesLecteursDeWine) {
    // wine donne C: (son disque) et Z: (la racine de la machine) ; Q: n'existe pas.
    const CarteLecteurs carte = LecteursDuSysteme();
    EXPECT_EQ(carte.CheminLettre('C'), "C:\\");
    EXPECT_EQ(carte.CheminLettre('Z'), "Z:\\");
    EXPECT_EQ(carte.CheminLettre('Q'), "");

    MontagesWindows montages;
    const TableMontages& table = montages.Table();
    ASSERT_NE(MontageAuPoint(table.Montes, "C:\\"), nullptr);
    const std::uint64_t version = table.Version;
    EXPECT_EQ(montages.Table().Version, version); // rien n'a changé

    const BlocsWindows blocs;
    const std::pair<const char*, const char*> cas[] = {
        {"C:\\", "Disque local"},
        {"Z:\\", "Disque local"},
        {"Q:\\", "Unité invalide"},
    };
    for (const auto& [point, genre] : cas) {
        const Montage m{"", "\\", point, "", ""};
        EXPECT_EQ(blocs.Genre(m, blocs.Chercher(m)), genre) << point;
    }

    SondeEspaceWindows espace;
    const ReponseSonde c = espace.Interroger("C:\\");
    EXPECT_EQ(c.Etat, EtatSonde::Ok);
    EXPECT_GT(c.Taille, 0);
    EXPECT_LE(c.Libre, c.Taille);
    EXPECT_EQ(espace.Interroger("C:\\dossier\\absent").Etat, EtatSonde::Absent);

    DeconnexionWindows deconnexion;
    EXPECT_EQ(deconnexion.WNetCancelConnection2A(carte, "Q:"), ErreurNonConnecte);
}

TEST(LanceurWindows, CodesDeShellExecute) {
    const std::pair<unsigned long, int> cas[] = {
        {ERROR_FILE_NOT_FOUND, 2},  {ERROR_PATH_NOT_FOUND, 3}, {ERROR_ACCESS_DENIED, 5},
        {ERROR_NO_ASSOCIATION, 31}, {ERROR_OUTOFMEMORY, 0},
    };
    for (const auto& [erreur, code] : cas) {
        EXPECT_EQ(CodeLancement(erreur), code) << erreur;
    }
    LanceurWindows lanceur;
    EXPECT_EQ(lanceur.ShellExecute("open", "C:\\pulsodex-absent.exe", "", "", ModeFenetre::Cachee), 2);
}

TEST(LocaleWindows, NomsEtSeparateursDeDeuxLangues) {
    struct Cas {
        const wchar_t* locale;
        const char* jour1;
        const char* jour7Court;
        const char* mois8;
        const char* decimal;
        const char* dateHeure;
    };
    const Cas cas[] = {
        {L"fr-FR", "dimanche", "sam.", "août", ",", "05/12/2026 09:52:10"},
        {L"en-US", "Sunday", "Sat", "August", ".", "12/5/2026 9:52:10 AM"},
    };
    for (const auto& k : cas) {
        const LocaleWindows locale(k.locale);
        EXPECT_EQ(locale.NomJour(1), k.jour1);
        EXPECT_EQ(locale.NomJourCourt(7), k.jour7Court);
        EXPECT_EQ(locale.NomMois(8), k.mois8);
        EXPECT_EQ(locale.SeparateurDecimal(), k.decimal);
        EXPECT_EQ(locale.DateHeureCourte({2026, 12, 5, 7, 9, 52, 10, 0}), k.dateHeure);
    }
    // Une locale inconnue : les conventions françaises.
    const LocaleWindows inconnue(L"xx-XX");
    EXPECT_EQ(inconnue.NomMois(2), "février");
    EXPECT_EQ(inconnue.DateHeureCourte({2026, 12, 5, 7, 9, 52, 10, 0}), "05/12/2026 09:52:10");
}

TEST(PlateformeWindows, NomDuSystemeEtJournal) {
    PlateformeWindows plateforme;
    const std::string nom = plateforme.WinVer();
    EXPECT_EQ(nom.rfind("Windows ", 0), 0U) << nom;
    EXPECT_NE(nom.find(" (Build "), std::string::npos) << nom;
    EXPECT_EQ(plateforme.FichierReglages().string(), "HKEY_CURRENT_USER\\Software\\Pulsodex");
    // Le dossier de l'instance unique : créé, sans barre inverse (nom d'un tube).
    const std::string execution = plateforme.DossierExecution();
    EXPECT_NE(execution, "");
    EXPECT_EQ(execution.find('\\'), std::string::npos) << execution;
    EXPECT_TRUE(std::filesystem::is_directory(execution)) << execution;
    // Le registre nomme le premier processeur ; pas un 256e.
    EXPECT_NE(plateforme.IdentiteProcesseurs().NomSysteme(0), "");
    EXPECT_EQ(plateforme.IdentiteProcesseurs().NomSysteme(255), "");

    const DossierTemporaire dossier("pulsodex-journal");
    const std::string journal = (dossier.Chemin() / "ERREURS.LOG").string();
    EXPECT_TRUE(AjouterAuFichier(journal, "une\r\n"));
    EXPECT_TRUE(AjouterAuFichier(journal, "deux\r\n"));
    std::ifstream lu(journal, std::ios::binary);
    std::ostringstream texte;
    texte << lu.rdbuf();
    EXPECT_EQ(texte.str(), "une\r\ndeux\r\n");
    EXPECT_FALSE(AjouterAuFichier((dossier.Chemin() / "absent" / "x.log").string(), "x"));
}

} // namespace
} // namespace pulsodex::test
