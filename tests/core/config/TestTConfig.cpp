#include <gtest/gtest.h>

#include "ConfigEssai.h"

namespace pulsodex::test {
namespace {

class TConfigTest : public ::testing::Test {
protected:
    ConfigEssai e;
    TConfig& c = e.Config;
    RegistreMemoire& reg = e.Reg;
    const std::string res = "1024x768";
};

// Les valeurs données en nombres, pour comparer un bloc d'un coup.
template <typename... V>
std::vector<std::int64_t> Nombres(V... v) {
    return {static_cast<std::int64_t>(v)...};
}

TEST_F(TConfigTest, PremierLancementEcritLaVersionEtDonneLesDefauts) {
    e.Boites.Repondre(ReponseBoite::Oui);
    c.ChargeTout();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "Pulsodex XP est maintenant capable de vérifier par Internet si une nouvelle version est "
              "disponible à chaque lancement, voulez activer cette fonctionnalité ?");
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::OuiNon);
    EXPECT_EQ(reg.Lire("", "Version"), "1.0 Béta 2");
    EXPECT_EQ(reg.NombreValeurs(), 2U); // la version et la réponse seules
    // Interrupteurs, jauges et leur sens, nombres, énumérations, puis textes.
    EXPECT_EQ(Nombres(c.Date, c.Heure, c.Mem, c.MemPhysique, c.MemoryLoad, c.ChargeProcesseur,
                      c.MoyenneChargeProcesseur, c.TotalDisque, c.IndicateurRemplissageDisque, c.Transparence,
                      c.AuDessus, c.Sons, c.ModeServeur, c.Verrouillage, c.MultiResolution,
                      c.DemarrageSysteme, c.JaugeMem, c.JaugeMemPhysique, c.JaugeMemoryLoad, c.JaugeCpu,
                      c.JaugeCpuMoy, c.JaugeDisque, c.MemInverse, c.MemPhysiqueInverse, c.MemoryLoadInverse,
                      c.CpuInverse, c.CpuMoyInverse, c.DisqueInverse),
              Nombres(1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 0));
    EXPECT_EQ(Nombres(c.CouleurFond, c.TempsMoyenneChargeProcesseur, c.TauxTransparence, c.Rafraichissement,
                      c.Couleur61To100, c.Couleur41To60, c.Couleur21To40, c.Couleur0To20, c.CouleurEcriture,
                      c.CouleurSuppression, c.RepeterAvertir, c.PortProxy, c.PortMesures, c.PublierMesures,
                      c.Demarrage, c.ModeAffichageMemoire, c.ModeRafraichissementHorloge, c.Bord,
                      c.Organisation),
              Nombres(-2147483633, 1, 255, 1000, 32768, 32896, 16512, 128, 128, 32768, 60, 8080, 11090, 0,
                      Demarrage::Visible, ModeAffichageMemoire::Octets, ModeRafraichissementHorloge::Minute,
                      Bord::Creux, Organisation::Avancee));
    EXPECT_EQ(
        (std::vector<std::string>{c.ListeDisques, c.OuvertureDisque, c.ChaineDate, c.ChaineHeure, c.Proxy}),
        (std::vector<std::string>{"C", "open", "dd/mm/yyyy", "hh:nn", ""}));
    EXPECT_EQ(c.Fonte, (Police{"MS Sans Serif", StyleStandard, 8, 0}));
    EXPECT_TRUE(c.Avertissements.empty() && c.Evenements.empty());
}

// La réponse est écrite ; sans réponse (programme arrêté), la question revient.
TEST_F(TConfigTest, ReponseALaQuestionDuPremierLancement) {
    // La réponse, ce qui est écrit, les boîtes montrées après un second chargement.
    const std::tuple<ReponseBoite, std::optional<std::string>, std::size_t> cas[] = {
        {ReponseBoite::Oui, "Oui", 1U},
        {ReponseBoite::Non, "Non", 1U},
        {ReponseBoite::Annuler, std::nullopt, 2U}};
    for (const auto& [reponse, ecrit, boites] : cas) {
        ConfigEssai m;
        m.Boites.Repondre(reponse);
        m.Config.ChargeEnvironnement();
        EXPECT_EQ(m.Reg.Lire("", "TestMiseAJour"), ecrit);
        EXPECT_EQ(m.Config.TestMiseAJour, ecrit == "Oui");
        m.Config.ChargeEnvironnement();
        EXPECT_EQ(m.Boites.Montrees.size(), boites);
    }
}

// Chaque texte lu, une fois chargé, est réécrit sous sa forme fixe ; un texte
// illisible ou hors bornes prend le défaut, et le reste se charge. « Date » a
// pour défaut « Oui » : un texte non reconnu donne faux malgré tout ; la
// capitale accentuée reste (« AVANCÉ ») : rien ne correspond.
TEST_F(TConfigTest, TextesLusPuisReecritsSousLeurForme) {
    const char* const R = "1024x768";
    // Section, valeur, puis chaque texte lu avec sa forme réécrite.
    const std::tuple<const char*, const char*, std::vector<std::pair<const char*, const char*>>> cas[] = {
        {"1024x768\\Fonte", "Style", {{"ITALIQUE gras", "Gras Italique"}, {"", "Standard"}}},
        {R, "Date", {{"oUI", "Oui"}, {"TRUE", "Oui"}, {"1", "Non"}, {"Oui ", "Non"}}},
        {R, "Organisation", {{"AVANCÉ", "Manuelle"}, {"AVANCE", "Avancé"}, {"colonne", "Colonne"}}},
        {R, "Bord", {{"n'importe", "Creux"}, {"RELEVé", "Relief"}, {"Aucun", "Sans"}}},
        {R, "ModeRafraichissementHorloge", {{"Secondes", "Seconde"}, {"heure", "Minute"}}},
        {R, "Rafraichissement", {{"abc", "1000"}, {"70000", "1000"}}},
        {R, "TempsMoyenneChargeProcesseur", {{"300", "1"}, {"255", "255"}}},
        {R, "RepeterAvertir", {{"200", "60"}, {"-1", "-1"}}},
        {"", "PortMesures", {{"0", "11090"}, {"65536", "11090"}, {"9200", "9200"}}}};
    for (const auto& [section, valeur, textes] : cas) {
        for (const auto& [texte, reecrit] : textes) {
            ConfigEssai m;
            m.DejaLance();
            m.Reg.WriteString(section, valeur, texte);
            m.Reg.WriteString(R, "ChaineHeure", "hh");
            m.Config.ChargeEnvironnement();
            m.Config.SauveEnvironnement();
            EXPECT_EQ(m.Reg.Lire(section, valeur), reecrit) << valeur << " = " << texte;
            EXPECT_EQ(m.Reg.Lire(R, "ChaineHeure"), "hh");
        }
    }
}

TEST_F(TConfigTest, DeuxResolutionsCoteACote) {
    e.DejaLance();
    c.ChargeEnvironnement();
    c.ChargeProcesseur = true;
    c.JaugeCpu = false;
    c.Proxy = "proxy.local";
    c.Avertissements.push_back({Ressource::MemoireTotale, 10, Unite::Pourcent, "C", 0});
    c.SauveTout();

    e.Affichage.TailleCourante = {1280, 1024};
    c.ChargeTout();
    EXPECT_FALSE(c.ChargeProcesseur); // réglages de la résolution : par défaut
    EXPECT_FALSE(c.JaugeCpu);         // « Jauges », la racine et les listes sont communes
    EXPECT_EQ(c.Proxy, "proxy.local");
    EXPECT_EQ(c.Avertissements.size(), 1U);
    c.Sauve_Position(5, 6, 300);
    EXPECT_EQ(reg.Lire("1280x1024", "Longueur"), "300");
    EXPECT_FALSE(reg.Lire("1024x768", "Longueur").has_value());
    e.Affichage.TailleCourante = {1024, 768};
    c.ChargeEnvironnement();
    EXPECT_TRUE(c.ChargeProcesseur);
}

TEST_F(TConfigTest, LancementAOuvertureDeSession) {
    e.DejaLance();
    e.Demarrages.Machine["Pulsodex32"] = "/usr/bin/pulsodex";
    c.ChargeEnvironnement();
    EXPECT_TRUE(c.DemarrageSysteme);
    c.SetDemarrage(true); // passe de la machine à l'utilisateur
    EXPECT_EQ(e.Demarrages.Machine.count("Pulsodex32"), 0U);
    EXPECT_EQ(e.Demarrages.Utilisateur["Pulsodex32"], "/opt/pulsodex/pulsodex");
    c.SetDemarrage(false);
    EXPECT_TRUE(e.Demarrages.Utilisateur.empty());
    e.Demarrages.Utilisateur["Pulsodex32"] = ""; // une entrée vide ne compte pas
    EXPECT_FALSE(c.GetDemarrage());
}

// La disposition, la position et le souligné sans nom de police.
TEST_F(TConfigTest, DispositionParDefautEtSauvee) {
    e.DejaLance();
    c.ChargeEnvironnement();
    EXPECT_EQ(c.Charge_Taille(), 180);
    EXPECT_FALSE(c.DispositionExiste(res));
    c.Sauve_Emplacement(-3, false, 120, 2);
    c.Sauve_Emplacement(2, true, 0, -1);
    const std::pair<const char*, const char*> ecrits[] = {
        {"Break-3", "0"}, {"Width-3", "120"}, {"Order-3", "2"}, {"Break2", "1"}};
    for (const auto& [nom, texte] : ecrits) {
        EXPECT_EQ(reg.Lire("1024x768\\Emplacement", nom), texte) << nom;
    }
    EXPECT_FALSE(c.Charge_Break(-3));
    c.Sauve_Position(0, -1, 180);
    EXPECT_TRUE(c.DispositionExiste(res));
    c.Fonte.Style = StyleGras | StyleSouligne;
    c.PositionCourante = [] {
        return PositionFenetre{12, 34, 250};
    };
    c.SauveEnvironnement();
    EXPECT_EQ(reg.Lire("1024x768\\Fonte", "Style"), "");
    EXPECT_EQ(reg.Lire(res, "DecalageHaut"), "12");
    EXPECT_EQ(reg.Lire(res, "DecalageGauche"), "34");
    EXPECT_EQ(reg.Lire(res, "Longueur"), "250");
}

// Un fichier où chaque valeur des réglages simples a un texte qui n'est pas
// son défaut : chargé, puis sauvé après effacement, il revient à l'identique
// et rien d'autre n'est écrit. MultiResolution, ModeServeur et Verrouillage
// ne sont pas écrits par SauveEnvironnement.
TEST(TConfigValeurs, ChaqueValeurRevientALIdentique) {
    const std::string fichier =
        "[General]\nPortMesures=9200\nPortProxy=3128\nProxy=proxy.local\nPublierMesures=Oui\n"
        "TestMiseAJour=Oui\nVersion=1.0 Béta 2\n\n[1024x768]\nAuDessus=Oui\nBord=Relief\nChaineDate=dd-mm\n"
        "ChaineHeure=hh:nn:ss\nChargeProcesseur=Oui\nCouleur0To20=1\nCouleur21To40=2\nCouleur41To60=3\n"
        "Couleur61To100=4\nCouleurEcriture=5\nCouleurFond=6\nCouleurSuppression=7\nDate=Non\n"
        "Demarrage=Masqué\nFonte\\Couleur=255\nFonte\\Nom=DejaVu Sans\nFonte\\Style=Gras\n"
        "Fonte\\Taille=10\nHeure=Non\nIndicateurRemplissageDisque=Non\nListeDisques=CDE\nMem=Non\n"
        "MemPhysique=Non\nMemoryLoad=Non\nModeAffichageM%E9moire=Mo\nModeRafraichissementHorloge=Seconde\n"
        "MoyenneChargeProcesseur=Oui\nOrganisation=Ligne\nOuvertureDisque=explore\nRafraichissement=250\n"
        "RepeterAvertir=-1\nSons=Non\nTauxTransparence=128\nTempsMoyenneChargeProcesseur=5\n"
        "TotalDisque=Oui\nTransparence=Oui\n\n[Jauges]\nCpu=Non\nCpuInverse=Non\nCpuMoy=Non\n"
        "CpuMoyInverse=Non\nDisque=Non\nDisqueInverse=Oui\nMem=Non\nMemInverse=Oui\nMemPhysique=Non\n"
        "MemPhysiqueInverse=Oui\nMemoryLoad=Non\nMemoryLoadInverse=Oui\n";
    ConfigFichierEssai m{fichier};
    m.Reg.WriteString("", "MultiResolution", "Non");
    m.Reg.WriteString("1024x768", "ModeServeur", "Non");
    m.Reg.WriteString("1024x768", "Verrouillage", "Oui");
    m.Config.ChargeEnvironnement();
    EXPECT_EQ(Nombres(m.Config.MultiResolution, m.Config.ModeServeur, m.Config.Verrouillage),
              Nombres(0, 0, 1));
    for (const char* section : {"", "1024x768", "Jauges"}) {
        m.Reg.EraseSection(section);
    }
    m.Config.SauveEnvironnement();
    EXPECT_TRUE(m.Config.Enregistrer());
    EXPECT_EQ(m.Stockage.Octets, fichier);
    m.Config.SauveVerrouillage(); // écrits à part
    m.Config.SauveMultiResolution();
    EXPECT_EQ(m.Reg.Lire("1024x768", "Verrouillage"), "Oui");
    EXPECT_EQ(m.Reg.Lire("", "MultiResolution"), "Non");
}

} // namespace
} // namespace pulsodex::test
