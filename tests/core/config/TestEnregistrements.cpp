#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/config/JoursMois.h"

namespace pulsodex::test {
namespace {

// Une locale anglaise pour relire un fichier écrit en français.
class LocaleAnglaise : public LocaleFrancaise {
public:
    [[nodiscard]] std::string NomJour(int jour) const override { return NomJourAnglais(jour); }
    [[nodiscard]] std::string NomMois(int mois) const override { return NomMoisAnglais(mois); }
};

class EnregistrementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        e.Config.ChargeEnvironnement();
    }
    ConfigEssai e;
    TConfig& c = e.Config;
    RegistreMemoire& reg = e.Reg;
};

TEST_F(EnregistrementsTest, CleSansRessourceEffaceeEtIndicesRenumerotes) {
    reg.WriteString("", "NombreAvertissements", "3");
    reg.WriteString("Avertissement\\0", "Ressource", "Mémoire");
    reg.WriteString("Avertissement\\0", "Seuil", "15");
    reg.WriteString("Avertissement\\0", "Unité", "%");
    reg.WriteString("Avertissement\\1", "Seuil", "99"); // pas de Ressource
    reg.WriteString("Avertissement\\2", "Ressource", "Disque");
    reg.WriteString("Avertissement\\2", "Seuil", "500");
    reg.WriteString("Avertissement\\2", "Disque", "E:");
    c.ChargeAvertissements();
    ASSERT_EQ(c.Avertissements.size(), 2U);
    EXPECT_TRUE(e.Boites.Montrees.empty()); // effacement silencieux
    EXPECT_FALSE(reg.SectionExiste("Avertissement\\1"));
    EXPECT_EQ(c.Avertissements[0], (TAvertissement{Ressource::MemoireTotale, 15, Unite::Pourcent, "C", 0}));
    EXPECT_EQ(c.Avertissements[1], (TAvertissement{Ressource::Disque, 500, Unite::Mo, "E", 0}));

    c.SauveAvertissements();
    EXPECT_EQ(reg.Lire("", "NombreAvertissements"), "2");
    EXPECT_EQ(reg.Lire("Avertissement\\1", "Disque"), "E");
    EXPECT_EQ(reg.Lire("Avertissement\\1", "Unité"), "Mo");
    EXPECT_TRUE(reg.SectionExiste("Avertissement\\2")); // l'ancienne clé 2 reste, cachée par le nombre
}

TEST_F(EnregistrementsTest, RessourcesEtUnitesSousToutesLeursFormes) {
    struct Cas {
        const char* ressource;
        const char* unite;
        Ressource attendueRessource;
        Unite attendueUnite;
        const char* reecrite;
    };
    using enum Unite;
    constexpr Ressource Physique = Ressource::MemoirePhysique;
    // clang-format off
    const Cas cas[] = {
        {"PHYSIQUE", "Ko", Physique, Ko, "Mémoire physique"},
        {"memoire physique", "kilo octets", Physique, Octets, "Mémoire physique"},
        {"mem", "OCTETS", Ressource::MemoireTotale, Octets, "Mémoire"},
        {"Utilisation", "Ko", Ressource::ChargeMemoire, Pourcent, "Utilisation mémoire"}, // toujours en %
        {"DISK", "Go", Ressource::Disque, Aucune, "Disque"}, {"Disque", "4", Ressource::Disque, Mo, "Disque"}};
    // clang-format on
    for (const auto& k : cas) {
        reg.EraseSection("Avertissement\\0");
        reg.WriteString("", "NombreAvertissements", "1");
        reg.WriteString("Avertissement\\0", "Ressource", k.ressource);
        reg.WriteString("Avertissement\\0", "Unité", k.unite);
        c.ChargeAvertissements();
        ASSERT_EQ(c.Avertissements.size(), 1U) << k.ressource;
        EXPECT_EQ(c.Avertissements[0], (TAvertissement{k.attendueRessource, 10, k.attendueUnite, "C", 0}))
            << k.ressource;
        c.SauveAvertissements();
        EXPECT_EQ(reg.Lire("Avertissement\\0", "Ressource"), k.reecrite);
    }
    // La règle de charge n'écrit que son seuil.
    c.Avertissements = {{Ressource::ChargeMemoire, 90, Unite::Pourcent, "C", 0}};
    c.SauveAvertissements();
    EXPECT_FALSE(reg.Lire("Avertissement\\0", "Unité").has_value());
    EXPECT_EQ(reg.Lire("Avertissement\\0", "Seuil"), "90");
}

TEST_F(EnregistrementsTest, RessourceInconnueAnnonceeEtAbandonnee) {
    reg.WriteString("", "NombreAvertissements", "2");
    reg.WriteString("Avertissement\\0", "Ressource", "Processeur");
    reg.WriteString("Avertissement\\1", "Ressource", "non_trouve");
    c.ChargeAvertissements();
    EXPECT_TRUE(c.Avertissements.empty());
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "L'avertissement \"processeur\" n'est pas reconnu par Pulsodex XP V1.0 Béta 2.");
    EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Information);
    EXPECT_FALSE(reg.SectionExiste("Avertissement\\0") || reg.SectionExiste("Avertissement\\1"));
}

TEST_F(EnregistrementsTest, NombreLuDansLaResolutionQuandLaRacineNEnAPas) {
    reg.WriteString("1024x768", "NombreEvenement", "1");
    reg.WriteString("1024x768", "NombreAvertissements", "1");
    reg.WriteString("Avertissement\\0", "Ressource", "Mémoire");
    c.ChargeAvertissements();
    c.ChargeEvenements();
    EXPECT_EQ(c.Avertissements.size(), 1U);
    ASSERT_EQ(c.Evenements.size(), 1U);
    // Un événement sans aucune valeur prend toutes les valeurs par défaut.
    const TEvenement& ev = c.Evenements[0];
    EXPECT_EQ(
        std::tuple(ev.Actif, ev.Type, ev.Nom, ev.Message, ev.Jour, ev.Mois, ev.Heure, ev.Minute),
        std::tuple(false, TypeEvenement::Indefini, "Evénement indéfinie", "<Pas de message>", 0, 0, "", ""));
    // L'utilisateur vide les deux listes : le zéro écrit à la racine compte, les
    // anciens enregistrements ne reviennent pas.
    c.Avertissements.clear();
    c.Evenements.clear();
    c.SauveAvertissements();
    c.SauveEvenements();
    c.ChargeAvertissements();
    c.ChargeEvenements();
    EXPECT_TRUE(c.Avertissements.empty() && c.Evenements.empty());
}

TEST_F(EnregistrementsTest, HeureOuMinuteSelonLaLongueur) {
    struct Cas {
        const char* texte;
        const char* heure;
        const char* minute;
    };
    const Cas cas[] = {{"07:30", "07:30", ""},
                       {"5", "", "5"},
                       {"05", "", "05"},
                       {"7:30", "7:30", ""},
                       {"07:30:15", "07:30", ""}};
    for (const auto& k : cas) {
        reg.WriteString("", "NombreEvenement", "1");
        reg.WriteString("Evenement\\0", "Heure", k.texte);
        c.ChargeEvenements();
        ASSERT_EQ(c.Evenements.size(), 1U);
        EXPECT_EQ(c.Evenements[0].Heure, k.heure) << k.texte;
        EXPECT_EQ(c.Evenements[0].Minute, k.minute) << k.texte;
    }
}

TEST_F(EnregistrementsTest, TextesDeJoursEtDeMois) {
    const LocaleFrancaise fr;
    struct Cas {
        const char* texte;
        std::uint8_t jour;
    };
    const Cas jours[] = {{"Tous", 0},       {"dimanche", 1},  {"LUNDI", 2},      {"samedi", 7},
                         {"Semaine", 8},    {"week-end", 9},  {"1 du mois", 10}, {"31 du mois", 40},
                         {"32 du mois", 0}, {"0 du mois", 0}, {"+1 du mois", 0}, {"Monday", 2},
                         {"n'importe", 0},  {"", 0}};
    for (const auto& k : jours) {
        EXPECT_EQ(LireTexteJour(fr, k.texte), k.jour) << k.texte;
    }
    EXPECT_EQ(TexteJour(fr, 40), "31 du mois");
    EXPECT_EQ(TexteJour(fr, 8), "semaine");
    EXPECT_EQ(TexteMois(fr, 0), "Tous");
    EXPECT_EQ(LireTexteMois(fr, "FÉVRIER"), 2);
    EXPECT_EQ(LireTexteMois(fr, "august"), 8);
    EXPECT_EQ(ChoixJours(fr).size(), 41U);
    EXPECT_EQ(ChoixMois(fr).size(), 13U);
}

// Écrits en français, relus sous une locale anglaise puis réécrits en anglais :
// les choix sont gardés ; « Lance » ne l'est jamais.
TEST_F(EnregistrementsTest, AllerRetourDesEvenementsDUneLangueAUneAutre) {
    TEvenement a;
    a.Actif = true;
    a.Type = TypeEvenement::Tache;
    a.Nom = "Sauvegarde";
    a.Commande = "/usr/bin/rsync";
    a.Parametres = "-a \"/home/moi\" /mnt";
    a.Repertoire = "/tmp/";
    a.Jour = 10;
    a.Mois = 4;
    a.Heure = "08:30";
    a.Message = "Bonjour, le monde";
    a.ModeLancement = ModeLancement::Agrandi;
    TEvenement b;
    b.Type = TypeEvenement::Message;
    b.Jour = 2;
    b.Mois = 8;
    b.Minute = "5";
    b.ModeLancement = ModeLancement::Icone;
    c.Evenements = {a, b};
    c.Evenements[0].Lance = true;
    c.SauveEvenements();
    const std::pair<const char*, const char*> ecrits[] = {
        {"Jour", "1 du mois"}, {"Mois", "avril"}, {"Actif", "Oui"}, {"ModeLancement", "agrandi"}};
    for (const auto& [nom, texte] : ecrits) {
        EXPECT_EQ(reg.Lire("Evenement\\0", nom), texte) << nom;
    }
    EXPECT_EQ(reg.Lire("Evenement\\1", "Heure"), "5");
    EXPECT_EQ(reg.Lire("Evenement\\1", "ModeLancement"), "icone");
    EXPECT_EQ(reg.Lire("Evenement\\1", "Jour"), "lundi");
    EXPECT_EQ(reg.Lire("Evenement\\1", "Mois"), "août");

    LocaleAnglaise anglaise;
    TConfig anglais{TConfig::Services{reg, e.Boites, e.Affichage, e.Demarrages, anglaise, nullptr, ""}};
    anglais.ChargeEnvironnement();
    anglais.ChargeEvenements();
    EXPECT_EQ(anglais.Evenements, (ListeEvenements{a, b}));
    anglais.SauveEvenements();
    EXPECT_EQ(reg.Lire("Evenement\\1", "Jour"), "Monday");
    EXPECT_EQ(reg.Lire("Evenement\\1", "Mois"), "August");
    c.ChargeEvenements();
    EXPECT_EQ(c.Evenements, (ListeEvenements{a, b}));

    // Liste raccourcie : les clés au-delà restent, cachées par le nombre.
    c.Evenements.resize(1);
    c.SauveEvenements();
    EXPECT_EQ(reg.Lire("", "NombreEvenement"), "1");
    EXPECT_TRUE(reg.SectionExiste("Evenement\\1"));
}

TEST_F(EnregistrementsTest, NombresHorsBornes) {
    reg.WriteString("", "NombreEvenement", "300");
    reg.WriteString("Evenement\\0", "Type", "999");
    reg.WriteString("", "NombreAvertissements", "-4");
    c.ChargeEvenements();
    c.ChargeAvertissements();
    EXPECT_EQ(c.Evenements.size(), 255U);
    EXPECT_EQ(c.Evenements[0].Type, TypeEvenement::Indefini);
    EXPECT_TRUE(c.Avertissements.empty());
}

} // namespace
} // namespace pulsodex::test
