// Le fichier des réglages réel, relu par QSettings : même forme dans les deux
// sens, aucune fausse alerte, et un fichier abîmé gardé, signalé et réécrit.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <optional>

#include "FenetreEssai.h"
#include "ReglagesEssai.h"
#include "core/config/FichierIni.h"
#include "ui/config/TOptionsFormQt.h"

namespace pulsodex::test {
namespace {

QString Q8(const std::string& texte) {
    return QString::fromStdString(texte);
}

void Ecrire(const std::filesystem::path& fichier, std::string_view contenu) {
    std::ofstream(fichier, std::ios::binary) << contenu;
}

// QSettings écrit ces valeurs ; la lecture du programme les retrouve toutes, et
// son écriture donne les mêmes octets.
TEST(FormeIni, MemesOctetsQueQSettingsDansLesDeuxSens) {
    const std::pair<const char*, const char*> valeurs[] = {
        {"Version", "1.0 Béta 2"},
        {"Proxy", ""},
        {"1280x1024/ChaineDate", "dd/mm/yyyy"},
        {"1280x1024/Fonte/Nom", "MS Sans Serif"},
        {"1280x1024/Emplacement/Break-1", "1"},
        {"Avertissement/0/Unité", "Ko"},
        {"Evenement/0/Paramètres", "-a \"x, y\" @z"},
        {"Evenement/0/Message", "Bonjour, le monde"},
        {"Evenement/0/Devant", " devant"},
        {"Evenement/0/Derriere", "derrière "},
        {"Evenement/0/PointVirgule", "a;b"},
        {"Evenement/0/Egal", "a=b"},
        {"Evenement/0/Controles", "l1\nl2\tt\\b\v\a\r\f\b"},
        {"Evenement/0/Arobase", "@at"},
        {"Evenement/0/Bruts", "x\001y\177z€\037b"},
        {"Evenement/0/Chiffre", "a\0019"},
        {"Evenement/0/Diese", "#dièse"},
        {"Evenement/0/Cite", "\"cité\""},
        {"Evenement/0/Loin", "日本 😀"},
        {"General/x", "g"},
        {"Sec tion/c l%é😀", "v"},
        {"Lecteurs/C", "/"}};
    DossierTemporaire dossier;
    const auto fichier = dossier / "Pulsodex.conf";
    ValeursIni attendues;
    {
        QSettings qt(Q8(fichier.string()), QSettings::IniFormat);
        for (const auto& [cle, valeur] : valeurs) {
            qt.setValue(QString::fromUtf8(cle), QString::fromUtf8(valeur));
            attendues.emplace(CheminIni(cle, ""), valeur);
        }
    }
    const std::string octets = LireFichier(fichier);
    const LectureIni lue = LireIni(octets);
    EXPECT_TRUE(lue.Abimees.empty());
    EXPECT_EQ(lue.Valeurs, attendues);
    EXPECT_EQ(EcrireIni(attendues), octets);
    // Une liste écrite à la main se relit en texte.
    Ecrire(fichier, "[Evenement]\n0\\Message=un, deux\n1\\Message=@String(trois)\n");
    ReglagesEssai reglages(fichier);
    EXPECT_EQ(reglages.Reg.Lire("Evenement\\0", "Message"), "un, deux");
    EXPECT_EQ(reglages.Reg.Lire("Evenement\\1", "Message"), "trois");
}

constexpr std::string_view DejaLance = "[General]\nTestMiseAJour=Non\nVersion=1.0 B\xC3\xA9ta 2\n\n";

// La fenêtre principale sur un vrai fichier des réglages.
struct FenetreSurFichier {
    explicit FenetreSurFichier(std::string_view contenu) {
        Ecrire(Fichier, contenu);
        Reglages.emplace(Fichier);
        Essai.AutreRegistre = &Reglages->Reg;
    }
    DossierTemporaire Dossier{"pulsodex-reglages"};
    std::filesystem::path Fichier = Dossier / "Pulsodex.conf";
    std::optional<ReglagesEssai> Reglages;
    FenetreEssai Essai;
};

TEST(ReglagesFichier, OkPuisMasquerPuisQuitterSansFausseAlerte) {
    FenetreSurFichier s(std::string(DejaLance) + "[1280x1024]\nListeDisques=\n");
    TPulsodexForm& f = s.Essai.Demarrer();
    f.FixerObservateurOptions([](TOptionsFormQt& fenetre) {
        QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.OkCmd->click(); });
    });
    Enfant<QAction>(f, "ConfigurationMenu")->trigger();
    f.Cacher();
    f.show();
    f.FormClose();
    EXPECT_TRUE(s.Essai.Boites.Montrees.empty());
    EXPECT_TRUE(LireIni(LireFichier(s.Fichier)).Abimees.empty());
    QSettings relu(Q8(s.Fichier.string()), QSettings::IniFormat);
    EXPECT_EQ(relu.value("Lecteurs/C").toString(), "/");
    EXPECT_EQ(relu.value("1280x1024/Longueur").toString(), QString::number(f.width()));
    EXPECT_EQ(relu.value("TestMiseAJour").toString(), "Non");
    EXPECT_FALSE(std::filesystem::exists(s.Fichier.string() + ".lock"));
}

// Un fichier abîmé : sa copie octet pour octet, un seul avis qui dit où elle
// est et pourquoi, chaque valeur lisible gardée, puis un fichier réécrit propre.
TEST(ReglagesFichier, FichierAbimeGardeSignaleUneFoisPuisReecrit) {
    struct Cas {
        const char* Nom;
        std::string Contenu;
        const char* Lignes; // le début de l'avis, après le nom du fichier
        std::vector<std::pair<const char*, const char*>> Gardees;
    };
    const Cas cas[] = {
        {"guillemet seul",
         std::string(DejaLance) +
             "[1280x1024]\nChaineDate=\"dd/mm/yyyy\nChaineHeure=hh:nn:ss\nListeDisques=\n"
             "Mem=Non\n\n[Inconnue]\n0\\Type=2\n",
         "est abîmé : une ligne n'a pas pu être lue.\n- ligne 6 : guillemet non fermé",
         {{"1280x1024/ChaineHeure", "hh:nn:ss"}, {"1280x1024/Mem", "Non"}, {"Inconnue/0/Type", "2"}}},
        {"bloc abîmé devant",
         "PK\x03\x04\xFF\xFE\n[Jau\nMem=Non\nMemInverse=Oui\nligne perdue\n" + std::string(DejaLance) +
             "[1280x1024]\nListeDisques=\nMem=Non\n",
         "est abîmé : des lignes n'ont pas pu être lues.\n- ligne 1 : octets qui ne sont pas du texte UTF-8\n"
         "- ligne 2 : en-tête de section coupé\n- ligne 3 : valeur sous un en-tête de section abîmé\n"
         "- ligne 4 : valeur sous un en-tête de section abîmé\n"
         "- ligne 5 : valeur sous un en-tête de section abîmé",
         {{"TestMiseAJour", "Non"}, {"1280x1024/Mem", "Non"}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Nom);
        FenetreSurFichier s(c.Contenu);
        TPulsodexForm& f = s.Essai.Demarrer();
        EXPECT_FALSE(f.Config()->Mem);
        f.Cacher();
        f.show();
        f.FormClose();

        const std::string copie = s.Fichier.string() + ".illisible-2026-12-05-095210";
        EXPECT_EQ(LireFichier(copie), c.Contenu);
        ASSERT_EQ(s.Essai.Boites.Montrees.size(), 1U);
        EXPECT_EQ(s.Essai.Boites.Montrees[0].Texte,
                  "Le fichier des réglages « " + s.Fichier.string() + " » " + c.Lignes +
                      "\n\nLes autres réglages sont chargés ; ceux de ces lignes reprennent leur valeur par "
                      "défaut.\n\nLe contenu d'origine du fichier est gardé tel quel dans « " +
                      copie +
                      " ». Le fichier des réglages sera réécrit sans ces lignes à la prochaine sauvegarde.");

        EXPECT_TRUE(LireIni(LireFichier(s.Fichier)).Abimees.empty());
        QSettings relu(Q8(s.Fichier.string()), QSettings::IniFormat);
        for (const auto& [cle, valeur] : c.Gardees) {
            EXPECT_EQ(relu.value(QString::fromUtf8(cle)).toString().toStdString(), valeur) << cle;
        }
        EXPECT_FALSE(relu.contains("1280x1024/ChaineDate"));
    }
}

} // namespace
} // namespace pulsodex::test
