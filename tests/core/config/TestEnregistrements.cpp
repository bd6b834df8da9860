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

// Une clé sans ressource est effacée sans rien dire ; une ressource inconnue
// est annoncée une fois et sa clé effacée ; les suivantes sont renumérotées.
TEST_F(EnregistrementsTest, ClesSansRessourceOuInconnuesEffaceesEtIndicesRenumerotes) {
    reg.WriteString("", "NombreAvertissements", "5");
    reg.WriteString("Avertissement\\0", "Ressource", "Mémoire");
    reg.WriteString("Avertissement\\0", "Seuil", "15");
    reg.WriteString("Avertissement\\0", "Unité", "%");
    reg.WriteString("Avertissement\\1", "Seuil", "99"); // pas de Ressource
    reg.WriteString("Avertissement\\2", "Ressource", "Processeur");
    reg.WriteString("Avertissement\\3", "Ressource", "non_trouve");
    reg.WriteString("Avertissement\\4", "Ressource", "Disque");
    reg.WriteString("Avertissement\\4", "Seuil", "500");
    reg.WriteString("Avertissement\\4", "Disque", "E:");
    c.ChargeAvertissements();
    EXPECT_EQ(c.Avertissements, (ListeAvertissements{{Ressource::MemoireTotale, 15, Unite::Pourcent, "C", 0},
                                                     {Ressource::Disque, 500, Unite::Mo, "E", 0}}));
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "L'avertissement \"processeur\" n'est pas reconnu par Pulsodex XP V1.0 Béta 2.");
    EXPECT_FALSE(reg.SectionExiste("Avertissement\\1") || reg.SectionExiste("Avertissement\\2") ||
                 reg.SectionExiste("Avertissement\\3"));
    c.SauveAvertissements();
    EXPECT_EQ(reg.Lire("", "NombreAvertissements"), "2");
    EXPECT_EQ(reg.Lire("Avertissement\\1", "Disque"), "E");
    EXPECT_EQ(reg.Lire("Avertissement\\1", "Unité"), "Mo");
}

TEST_F(EnregistrementsTest, RessourcesEtUnitesSousToutesLeursFormes) {
    using enum Unite;
    constexpr Ressource Physique = Ressource::MemoirePhysique;
    // Ressource et unité lues, la règle qui en sort, la ressource réécrite.
    const std::tuple<const char*, const char*, TAvertissement, const char*> cas[] = {
        {"PHYSIQUE", "Ko", {Physique, 10, Ko, "C", 0}, "Mémoire physique"},
        {"memoire physique", "kilo octets", {Physique, 10, Octets, "C", 0}, "Mémoire physique"},
        {"DISK", "Go", {Ressource::Disque, 10, Aucune, "C", 0}, "Disque"},
        {"Disque", "4", {Ressource::Disque, 10, Mo, "C", 0}, "Disque"},
        {"Utilisation", "Ko", {Ressource::ChargeMemoire, 10, Pourcent, "C", 0}, "Utilisation mémoire"}};
    for (const auto& [ressource, unite, regle, reecrite] : cas) {
        reg.WriteString("", "NombreAvertissements", "1");
        reg.WriteString("Avertissement\\0", "Ressource", ressource);
        reg.WriteString("Avertissement\\0", "Unité", unite);
        c.ChargeAvertissements();
        EXPECT_EQ(c.Avertissements, ListeAvertissements{regle}) << ressource;
        c.SauveAvertissements();
        EXPECT_EQ(reg.Lire("Avertissement\\0", "Ressource"), reecrite);
    }
    // La règle de charge, en dernier, n'écrit que son seuil (toujours en %).
    EXPECT_FALSE(reg.Lire("Avertissement\\0", "Unité").has_value());
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
    c.SauveTout();
    c.ChargeTout();
    EXPECT_TRUE(c.Avertissements.empty() && c.Evenements.empty());
}

// « Heure » tient l'heure ou, sur deux caractères au plus, la minute ; des
// nombres hors bornes sont ramenés.
TEST_F(EnregistrementsTest, HeureOuMinuteSelonLaLongueurEtNombresHorsBornes) {
    const std::tuple<const char*, const char*, const char*> cas[] = {
        {"7:30", "7:30", ""}, {"05", "", "05"}, {"5", "", "5"}, {"07:30:15", "07:30", ""}};
    for (const auto& [texte, heure, minute] : cas) {
        reg.WriteString("", "NombreEvenement", "1");
        reg.WriteString("Evenement\\0", "Heure", texte);
        c.ChargeEvenements();
        ASSERT_EQ(c.Evenements.size(), 1U);
        EXPECT_EQ(c.Evenements[0].Heure, heure) << texte;
        EXPECT_EQ(c.Evenements[0].Minute, minute) << texte;
    }
    reg.WriteString("", "NombreEvenement", "300");
    reg.WriteString("Evenement\\0", "Type", "999");
    reg.WriteString("", "NombreAvertissements", "-4");
    c.ChargeTout();
    EXPECT_EQ(c.Evenements.size(), 255U);
    EXPECT_EQ(c.Evenements[0].Type, TypeEvenement::Indefini);
    EXPECT_TRUE(c.Avertissements.empty());
}

TEST(JoursMois, TextesDeJoursEtDeMois) {
    const LocaleFrancaise fr;
    const std::pair<const char*, int> jours[] = {
        {"Tous", 0},       {"dimanche", 1},   {"LUNDI", 2},       {"samedi", 7},     {"Semaine", 8},
        {"week-end", 9},   {"1 du mois", 10}, {"31 du mois", 40}, {"32 du mois", 0}, {"0 du mois", 0},
        {"+1 du mois", 0}, {"Monday", 2},     {"n'importe", 0}};
    for (const auto& [texte, jour] : jours) {
        EXPECT_EQ(LireTexteJour(fr, texte), jour) << texte;
    }
    EXPECT_EQ(TexteJour(fr, 40), "31 du mois");
    EXPECT_EQ(LireTexteMois(fr, "FÉVRIER"), 2);
    EXPECT_EQ(LireTexteMois(fr, "august"), 8);
}

// Écrits en français, relus sous une locale anglaise puis réécrits en anglais :
// les choix sont gardés ; « Lance » ne l'est jamais. Une liste raccourcie
// laisse les clés au-delà, cachées par le nombre.
TEST_F(EnregistrementsTest, AllerRetourDesEvenementsDUneLangueAUneAutre) {
    // Actif, type, nom, commande, paramètres, répertoire, jour, mois, heure, minute, message, mode, lancé.
    const ListeEvenements evenements = {TEvenement{true, TypeEvenement::Tache, "Sauvegarde", "/usr/bin/rsync",
                                                   "-a \"/home/moi\" /mnt", "/tmp/", 10, 4, "08:30", "",
                                                   "Bonjour, le monde", ModeLancement::Agrandi, false},
                                        TEvenement{false, TypeEvenement::Message, "", "", "", "", 2, 8, "",
                                                   "5", "", ModeLancement::Icone, false}};
    c.Evenements = evenements;
    c.Evenements[0].Lance = true;
    c.SauveEvenements();
    const std::tuple<const char*, const char*, const char*> ecrits[] = {
        {"Evenement\\0", "Jour", "1 du mois"}, {"Evenement\\0", "Mois", "avril"},
        {"Evenement\\0", "Actif", "Oui"},      {"Evenement\\0", "ModeLancement", "agrandi"},
        {"Evenement\\1", "Heure", "5"},        {"Evenement\\1", "ModeLancement", "icone"},
        {"Evenement\\1", "Jour", "lundi"},     {"Evenement\\1", "Mois", "août"}};
    for (const auto& [section, nom, texte] : ecrits) {
        EXPECT_EQ(reg.Lire(section, nom), texte) << section << nom;
    }
    LocaleAnglaise anglaise;
    TConfig anglais{TConfig::Services{reg, e.Boites, e.Affichage, e.Demarrages, anglaise, nullptr, ""}};
    anglais.ChargeEnvironnement();
    anglais.ChargeEvenements();
    EXPECT_EQ(anglais.Evenements, evenements);
    anglais.SauveEvenements();
    EXPECT_EQ(reg.Lire("Evenement\\1", "Jour"), "Monday");
    EXPECT_EQ(reg.Lire("Evenement\\1", "Mois"), "August");
    c.ChargeEvenements();
    EXPECT_EQ(c.Evenements, evenements);
    c.Evenements.resize(1);
    c.SauveEvenements();
    EXPECT_EQ(reg.Lire("", "NombreEvenement"), "1");
    EXPECT_TRUE(reg.SectionExiste("Evenement\\1"));
}

} // namespace
} // namespace pulsodex::test
