#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/commun/Textes.h"

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
    EXPECT_EQ(c.Section(), res);

    // Interrupteurs, jauges et leur sens, puis nombres et textes.
    EXPECT_EQ(Nombres(c.Date, c.Heure, c.Mem, c.MemPhysique, c.MemoryLoad, c.ChargeProcesseur,
                      c.MoyenneChargeProcesseur, c.TotalDisque, c.IndicateurRemplissageDisque, c.Transparence,
                      c.AuDessus, c.Sons, c.ModeServeur, c.Verrouillage, c.MultiResolution,
                      c.DemarrageSysteme),
              Nombres(1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 1, 0));
    EXPECT_EQ(Nombres(c.JaugeMem, c.JaugeMemPhysique, c.JaugeMemoryLoad, c.JaugeCpu, c.JaugeCpuMoy,
                      c.JaugeDisque, c.MemInverse, c.MemPhysiqueInverse, c.MemoryLoadInverse, c.CpuInverse,
                      c.CpuMoyInverse, c.DisqueInverse),
              Nombres(1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 0));
    EXPECT_EQ(Nombres(c.CouleurFond, c.TempsMoyenneChargeProcesseur, c.TauxTransparence, c.Rafraichissement,
                      c.Couleur61To100, c.Couleur41To60, c.Couleur21To40, c.Couleur0To20, c.CouleurEcriture,
                      c.CouleurSuppression, c.RepeterAvertir, c.PortProxy),
              Nombres(-2147483633, 1, 255, 1000, 32768, 32896, 16512, 128, 128, 32768, 60, 8080));
    EXPECT_EQ(
        (std::vector<std::string>{c.ListeDisques, c.OuvertureDisque, c.ChaineDate, c.ChaineHeure, c.Proxy}),
        (std::vector<std::string>{"C", "open", "dd/mm/yyyy", "hh:nn", ""}));
    EXPECT_EQ(c.Fonte, (Police{"MS Sans Serif", StyleStandard, 8, 0}));
    EXPECT_EQ(c.Demarrage, Demarrage::Visible);
    EXPECT_EQ(c.ModeAffichageMemoire, ModeAffichageMemoire::Octets);
    EXPECT_EQ(c.ModeRafraichissementHorloge, ModeRafraichissementHorloge::Minute);
    EXPECT_EQ(c.Bord, Bord::Creux);
    EXPECT_EQ(c.Organisation, Organisation::Avancee);
    EXPECT_TRUE(c.Avertissements.empty() && c.Evenements.empty());
}

// La réponse est écrite ; sans réponse (programme arrêté), la question revient.
TEST_F(TConfigTest, ReponseALaQuestionDuPremierLancement) {
    struct Cas {
        ReponseBoite reponse;
        std::optional<std::string> ecrit;
        std::size_t boitesAuSecond;
    };
    const Cas cas[] = {{ReponseBoite::Oui, "Oui", 1U},
                       {ReponseBoite::Non, "Non", 1U},
                       {ReponseBoite::Annuler, std::nullopt, 2U}};
    for (const auto& k : cas) {
        ConfigEssai m;
        m.Boites.Repondre(k.reponse);
        m.Config.ChargeEnvironnement();
        EXPECT_EQ(m.Reg.Lire("", "TestMiseAJour"), k.ecrit);
        EXPECT_EQ(m.Config.TestMiseAJour, k.reponse == ReponseBoite::Oui);
        m.Config.ChargeEnvironnement();
        EXPECT_EQ(m.Boites.Montrees.size(), k.boitesAuSecond);
    }
}

// Chaque texte lu, une fois chargé, est réécrit sous sa forme fixe ; un texte
// illisible ou hors bornes prend le défaut, et le reste se charge.
TEST_F(TConfigTest, TextesLusPuisReecritsSousLeurForme) {
    struct Cas {
        const char* valeur;
        const char* texte;
        const char* reecrit;
        const char* section = "1024x768";
    };
    // clang-format off
    const Cas cas[] = {
        {"Style", "ITALIQUE gras", "Gras Italique", "1024x768\\Fonte"},
        {"Style", "Italique", "Italique", "1024x768\\Fonte"}, {"Style", "", "Standard", "1024x768\\Fonte"},
        // Date a pour défaut « Oui » : un texte non reconnu donne faux malgré tout.
        {"Date", "oUI", "Oui"}, {"Date", "TRUE", "Oui"}, {"Date", "True", "Oui"}, {"Date", "1", "Non"},
        {"Date", "YES", "Non"}, {"Date", "", "Non"}, {"Date", "Oui ", "Non"}, {"Date", "vrai", "Non"},
        // La capitale accentuée reste : rien ne correspond.
        {"Organisation", "AVANCÉ", "Manuelle"}, {"Organisation", "Avancé", "Avancé"},
        {"Organisation", "AVANCE", "Avancé"}, {"Organisation", "colonne", "Colonne"},
        {"Organisation", "n'importe", "Manuelle"}, {"Bord", "n'importe", "Creux"},
        {"Bord", "RELEVé", "Relief"}, {"Bord", "Aucun", "Sans"}, {"Demarrage", "ICONE", "Masqué"},
        {"Demarrage", "caché", "Visible"}, {"ModeAffichageMémoire", "KO", "Ko"},
        {"ModeAffichageMémoire", "Go", "Octet"}, {"ModeRafraichissementHorloge", "Secondes", "Seconde"},
        {"ModeRafraichissementHorloge", "2", "Seconde"}, {"ModeRafraichissementHorloge", "heure", "Minute"},
        {"Rafraichissement", "abc", "1000"}, {"Rafraichissement", "70000", "1000"},
        {"TempsMoyenneChargeProcesseur", "300", "1"}, {"TempsMoyenneChargeProcesseur", "255", "255"},
        {"TauxTransparence", "-1", "255"}, {"RepeterAvertir", "200", "60"}, {"RepeterAvertir", "-1", "-1"},
        {"CouleurFond", "99999999999", "-2147483633"},
    };
    // clang-format on
    for (const auto& k : cas) {
        ConfigEssai m;
        m.DejaLance();
        m.Reg.WriteString(k.section, k.valeur, k.texte);
        m.Reg.WriteString(res, "ChaineHeure", "hh");
        m.Config.ChargeEnvironnement();
        m.Config.SauveEnvironnement();
        EXPECT_EQ(m.Reg.Lire(k.section, k.valeur), k.reecrit) << k.valeur << " = " << k.texte;
        EXPECT_EQ(m.Reg.Lire(res, "ChaineHeure"), "hh");
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
    EXPECT_EQ(c.Section(), "1280x1024");
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

// Ce que la relecture complète ne montre pas : la couleur du système, le
// souligné sans nom, la position, et les trois valeurs écrites à part.
TEST_F(TConfigTest, SauveEnvironnementEcritLesFormesFixes) {
    e.DejaLance();
    c.ChargeEnvironnement();
    c.Fonte.Style = StyleGras | StyleSouligne;
    c.ModeAffichageMemoire = ModeAffichageMemoire::Ko;
    c.Verrouillage = true;
    c.MultiResolution = false;
    c.PositionCourante = [] {
        return PositionFenetre{12, 34, 250};
    };
    c.SauveEnvironnement();
    EXPECT_EQ(reg.Lire("1024x768\\Fonte", "Style"), "");
    EXPECT_EQ(reg.Lire(res, "CouleurFond"), "-2147483633");
    EXPECT_EQ(reg.Lire(res, "ModeAffichageMémoire"), "Ko");
    EXPECT_EQ(reg.Lire(res, "Organisation"), "Avancé");
    EXPECT_EQ(reg.Lire(res, "DecalageHaut"), "12");
    EXPECT_EQ(reg.Lire(res, "DecalageGauche"), "34");
    EXPECT_EQ(reg.Lire(res, "Longueur"), "250");
    EXPECT_FALSE(reg.Lire(res, "Verrouillage").has_value());
    EXPECT_FALSE(reg.Lire("", "MultiResolution").has_value());
    c.SauveVerrouillage();
    c.SauveMultiResolution();
    EXPECT_EQ(reg.Lire(res, "Verrouillage"), "Oui");
    EXPECT_EQ(reg.Lire("", "MultiResolution"), "Non");
}

TEST_F(TConfigTest, TextesCoupesA255Caracteres) {
    e.DejaLance();
    reg.WriteString(res, "ListeDisques", std::string(300, 'D'));
    std::string accents;
    for (int i = 0; i < 300; ++i) {
        accents += "é";
    }
    reg.WriteString(res, "ChaineDate", accents);
    c.ChargeEnvironnement();
    EXPECT_EQ(c.ListeDisques.size(), 255U);
    EXPECT_EQ(NombreCaracteres(c.ChaineDate), 255U);
}

TEST_F(TConfigTest, LancementAOuvertureDeSession) {
    e.DejaLance();
    e.Demarrages.Machine["Pulsodex32"] = "/usr/bin/pulsodex";
    c.ChargeEnvironnement();
    EXPECT_TRUE(c.DemarrageSysteme);
    c.SetDemarrage(true); // passe de la machine à l'utilisateur
    EXPECT_EQ(e.Demarrages.Machine.count("Pulsodex32"), 0U);
    EXPECT_EQ(e.Demarrages.Utilisateur["Pulsodex32"], "/opt/pulsodex/pulsodex");
    EXPECT_TRUE(c.GetDemarrage());
    c.SetDemarrage(false);
    EXPECT_TRUE(e.Demarrages.Utilisateur.empty());
    // Une entrée vide ne compte pas ; une machine non inscriptible est sautée.
    e.Demarrages.Utilisateur["Pulsodex32"] = "";
    EXPECT_FALSE(c.GetDemarrage());
    e.Demarrages.MachineInscriptible = false;
    c.SetDemarrage(true);
    EXPECT_EQ(e.Demarrages.Utilisateur["Pulsodex32"], "/opt/pulsodex/pulsodex");
}

TEST_F(TConfigTest, DispositionParDefautEtSauvee) {
    e.DejaLance();
    c.ChargeEnvironnement();
    EXPECT_EQ(c.Charge_PositionTop(), -1);
    EXPECT_EQ(c.Charge_PositionLeft(), -1);
    EXPECT_EQ(c.Charge_Taille(), 180);
    EXPECT_TRUE(c.Charge_Break(-1));
    EXPECT_EQ(c.Charge_Width(-1), -1);
    EXPECT_EQ(c.Charge_Ordre(-1), -1);
    EXPECT_FALSE(c.DispositionExiste(res));
    c.Sauve_Emplacement(-3, false, 120, 2);
    c.Sauve_Emplacement(2, true, 0, -1);
    EXPECT_EQ(reg.Lire("1024x768\\Emplacement", "Break-3"), "0");
    EXPECT_EQ(reg.Lire("1024x768\\Emplacement", "Width-3"), "120");
    EXPECT_EQ(reg.Lire("1024x768\\Emplacement", "Order-3"), "2");
    EXPECT_EQ(reg.Lire("1024x768\\Emplacement", "Break2"), "1");
    EXPECT_FALSE(c.Charge_Break(-3));
    c.Sauve_Position(0, -1, 180);
    EXPECT_TRUE(c.DispositionExiste(res));
    e.Mesureur.Hauteur = 17;
    EXPECT_EQ(c.HauteurBoite(), 19);
}

// Chaque valeur de la table des réglages simples, avec un texte qui n'est pas
// son défaut, avec la police et les énumérations : chargée, puis sauvée dans
// un magasin vidé, elle revient à l'identique et rien d'autre n'est écrit.
// MultiResolution, ModeServeur et Verrouillage ne sont pas écrits par
// SauveEnvironnement.
TEST(TConfigValeurs, ChaqueValeurRevientALIdentique) {
    const char* const R = "1024x768";
    const char* const F = "1024x768\\Fonte";
    const char* const J = "Jauges";
    struct Valeur {
        const char* section;
        const char* nom;
        const char* texte;
    };
    // clang-format off
    const Valeur valeurs[] = {
        {"", "PortProxy", "3128"}, {"", "Proxy", "proxy.local"}, {"", "TestMiseAJour", "Oui"},
        {"", "Version", "1.0 Béta 2"}, {R, "AuDessus", "Oui"}, {R, "Bord", "Relief"},
        {R, "ChaineDate", "dd-mm"}, {R, "ChaineHeure", "hh:nn:ss"}, {R, "ChargeProcesseur", "Oui"},
        {R, "Couleur0To20", "1"}, {R, "Couleur21To40", "2"}, {R, "Couleur41To60", "3"},
        {R, "Couleur61To100", "4"}, {R, "CouleurEcriture", "5"}, {R, "CouleurFond", "6"},
        {R, "CouleurSuppression", "7"}, {R, "Date", "Non"}, {R, "Demarrage", "Masqué"},
        {F, "Couleur", "255"}, {F, "Nom", "DejaVu Sans"}, {F, "Style", "Gras"}, {F, "Taille", "10"},
        {R, "Heure", "Non"}, {R, "IndicateurRemplissageDisque", "Non"}, {R, "ListeDisques", "CDE"},
        {R, "Mem", "Non"}, {R, "MemPhysique", "Non"}, {R, "MemoryLoad", "Non"},
        {R, "ModeAffichageMémoire", "Mo"}, {R, "ModeRafraichissementHorloge", "Seconde"},
        {R, "MoyenneChargeProcesseur", "Oui"}, {R, "Organisation", "Ligne"},
        {R, "OuvertureDisque", "explore"}, {R, "Rafraichissement", "250"}, {R, "RepeterAvertir", "-1"},
        {R, "Sons", "Non"}, {R, "TauxTransparence", "128"}, {R, "TempsMoyenneChargeProcesseur", "5"},
        {R, "TotalDisque", "Oui"}, {R, "Transparence", "Oui"}, {J, "Cpu", "Non"}, {J, "CpuInverse", "Non"},
        {J, "CpuMoy", "Non"}, {J, "CpuMoyInverse", "Non"}, {J, "Disque", "Non"},
        {J, "DisqueInverse", "Oui"}, {J, "Mem", "Non"}, {J, "MemInverse", "Oui"}, {J, "MemPhysique", "Non"},
        {J, "MemPhysiqueInverse", "Oui"}, {J, "MemoryLoad", "Non"}, {J, "MemoryLoadInverse", "Oui"}};
    // clang-format on
    ConfigEssai m;
    for (const auto& v : valeurs) {
        m.Reg.WriteString(v.section, v.nom, v.texte);
    }
    m.Reg.WriteString("", "MultiResolution", "Non");
    m.Reg.WriteString(R, "ModeServeur", "Non");
    m.Reg.WriteString(R, "Verrouillage", "Oui");
    m.Config.ChargeEnvironnement();
    EXPECT_TRUE(m.Boites.Montrees.empty());
    EXPECT_FALSE(m.Config.MultiResolution);
    EXPECT_FALSE(m.Config.ModeServeur);
    EXPECT_TRUE(m.Config.Verrouillage);
    for (const char* section : {"", R, J}) {
        m.Reg.EraseSection(section);
    }
    ASSERT_EQ(m.Reg.NombreValeurs(), 0U);
    m.Config.SauveEnvironnement();
    for (const auto& v : valeurs) {
        EXPECT_EQ(m.Reg.Lire(v.section, v.nom), v.texte) << v.section << "\\" << v.nom;
    }
    EXPECT_EQ(m.Reg.NombreValeurs(), std::size(valeurs));
}

} // namespace
} // namespace pulsodex::test
