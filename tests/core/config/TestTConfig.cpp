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

TEST_F(TConfigTest, PremierLancementEcritLaVersionEtPoseLaQuestionUneFois) {
    e.Boites.Repondre(ReponseBoite::Oui);
    c.ChargeTout();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, QuestionMiseAJour);
    EXPECT_EQ(e.Boites.Montrees[0].Legende, "Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::OuiNon);
    EXPECT_EQ(reg.Lire("", "Version"), "1.0 Béta 2");
    EXPECT_EQ(reg.Lire("", "TestMiseAJour"), "Oui");
    EXPECT_TRUE(c.TestMiseAJour);
    EXPECT_EQ(c.Section(), res);

    // Le premier chargement n'écrit que la version et la réponse.
    EXPECT_EQ(reg.NombreValeurs(), 2U);

    // Toutes les valeurs par défaut.
    EXPECT_TRUE(c.Date && c.Heure && c.Mem && c.MemPhysique && c.MemoryLoad);
    EXPECT_FALSE(c.ChargeProcesseur || c.MoyenneChargeProcesseur || c.TotalDisque);
    EXPECT_EQ(c.ListeDisques, "C");
    EXPECT_TRUE(c.IndicateurRemplissageDisque);
    EXPECT_EQ(c.OuvertureDisque, "open");
    EXPECT_EQ(c.Fonte, (Police{"MS Sans Serif", StyleStandard, 8, 0}));
    EXPECT_EQ(c.CouleurFond, static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(c.TempsMoyenneChargeProcesseur, 1);
    EXPECT_FALSE(c.Transparence);
    EXPECT_EQ(c.TauxTransparence, 255);
    EXPECT_FALSE(c.AuDessus);
    EXPECT_EQ(c.Rafraichissement, 1000);
    EXPECT_EQ(c.Couleur61To100, 32768);
    EXPECT_EQ(c.Couleur41To60, 32896);
    EXPECT_EQ(c.Couleur21To40, 16512);
    EXPECT_EQ(c.Couleur0To20, 128);
    EXPECT_EQ(c.CouleurEcriture, 128);
    EXPECT_EQ(c.CouleurSuppression, 32768);
    EXPECT_EQ(c.ChaineDate, "dd/mm/yyyy");
    EXPECT_EQ(c.ChaineHeure, "hh:nn");
    EXPECT_EQ(c.RepeterAvertir, 60);
    EXPECT_TRUE(c.Sons);
    EXPECT_EQ(c.Demarrage, Demarrage::Visible);
    EXPECT_EQ(c.ModeAffichageMemoire, ModeAffichageMemoire::Octets);
    EXPECT_EQ(c.ModeRafraichissementHorloge, ModeRafraichissementHorloge::Minute);
    EXPECT_EQ(c.Bord, Bord::Creux);
    EXPECT_EQ(c.Organisation, Organisation::Avancee);
    EXPECT_TRUE(c.ModeServeur);
    EXPECT_FALSE(c.Verrouillage);
    EXPECT_TRUE(c.MultiResolution);
    EXPECT_EQ(c.Proxy, "");
    EXPECT_EQ(c.PortProxy, 8080);
    EXPECT_FALSE(c.DemarrageSysteme);
    EXPECT_TRUE(c.JaugeMem && c.JaugeMemPhysique && c.JaugeMemoryLoad && c.JaugeCpu && c.JaugeCpuMoy &&
                c.JaugeDisque);
    EXPECT_FALSE(c.MemInverse || c.MemPhysiqueInverse || c.MemoryLoadInverse || c.DisqueInverse);
    EXPECT_TRUE(c.CpuInverse && c.CpuMoyInverse);
    EXPECT_TRUE(c.Avertissements.empty());
    EXPECT_TRUE(c.Evenements.empty());

    // Le second chargement ne demande plus rien.
    c.ChargeTout();
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_TRUE(c.TestMiseAJour);
}

TEST_F(TConfigTest, QuestionSansReponseEstReposee) {
    e.Boites.Repondre(ReponseBoite::Annuler); // programme arrêté pendant la question
    c.ChargeEnvironnement();
    EXPECT_FALSE(c.TestMiseAJour);
    EXPECT_FALSE(reg.Lire("", "TestMiseAJour").has_value());
    c.ChargeEnvironnement();
    EXPECT_EQ(e.Boites.Montrees.size(), 2U);
}

TEST_F(TConfigTest, ReponseNonEcritNon) {
    e.Boites.Repondre(ReponseBoite::Non);
    c.ChargeEnvironnement();
    EXPECT_EQ(reg.Lire("", "TestMiseAJour"), "Non");
    EXPECT_FALSE(c.TestMiseAJour);
}

TEST_F(TConfigTest, FormeTexteDesBooleens) {
    e.DejaLance();
    struct Cas {
        const char* texte;
        bool attendu;
    };
    const Cas cas[] = {{"Oui", true},  {"oUI", true},   {"TRUE", true}, {"true", true},
                       {"True", true}, {"1", false},    {"YES", false}, {"Non", false},
                       {"", false},    {"Oui ", false}, {"vrai", false}};
    for (const auto& k : cas) {
        // Date a pour défaut « Oui » : un texte non reconnu donne faux malgré tout.
        reg.WriteString(res, "Date", k.texte);
        reg.WriteString(res, "ChargeProcesseur", k.texte);
        c.ChargeEnvironnement();
        EXPECT_EQ(c.Date, k.attendu) << k.texte;
        EXPECT_EQ(c.ChargeProcesseur, k.attendu) << k.texte;
    }
}

// Le nombre d'un code, pour une table qui en mêle plusieurs.
template <typename Code>
constexpr int N(Code code) {
    return static_cast<int>(code);
}

TEST_F(TConfigTest, FormesTexteDesEnumerations) {
    e.DejaLance();
    struct Cas {
        const char* valeur;
        const char* texte;
        int attendu;
    };
    const Cas cas[] = {
        // La capitale accentuée reste : rien ne correspond.
        {"Organisation", "AVANCÉ", N(Organisation::Manuelle)},
        {"Organisation", "Avancé", N(Organisation::Avancee)},
        {"Organisation", "AVANCE", N(Organisation::Avancee)},
        {"Organisation", "Ligne", N(Organisation::Ligne)},
        {"Organisation", "colonne", N(Organisation::Colonne)},
        {"Organisation", "Sans", N(Organisation::Manuelle)},
        {"Organisation", "n'importe", N(Organisation::Manuelle)},
        {"Bord", "n'importe", N(Bord::Creux)},
        {"Bord", "RELEVé", N(Bord::Relief)},
        {"Bord", "Aucun", N(Bord::Aucun)},
        {"Bord", "Enfoncé", N(Bord::Creux)},
        {"Demarrage", "Masqué", N(Demarrage::Masquee)},
        {"Demarrage", "ICONE", N(Demarrage::Masquee)},
        {"Demarrage", "normal", N(Demarrage::Visible)},
        {"Demarrage", "caché", N(Demarrage::Visible)},
        {"ModeAffichageMémoire", "Kilo Octets", N(ModeAffichageMemoire::Octets)},
        {"ModeAffichageMémoire", "KO", N(ModeAffichageMemoire::Ko)},
        {"ModeAffichageMémoire", "Mo", N(ModeAffichageMemoire::Mo)},
        {"ModeAffichageMémoire", "Go", N(ModeAffichageMemoire::Octets)},
        {"ModeRafraichissementHorloge", "Secondes", N(ModeRafraichissementHorloge::Seconde)},
        {"ModeRafraichissementHorloge", "2", N(ModeRafraichissementHorloge::Seconde)},
        {"ModeRafraichissementHorloge", "heure", N(ModeRafraichissementHorloge::Minute)},
    };
    for (const auto& k : cas) {
        e.Reg.EraseSection(res);
        reg.WriteString(res, k.valeur, k.texte);
        c.ChargeEnvironnement();
        const std::string valeur = k.valeur;
        const int lu = valeur == "Organisation"           ? N(c.Organisation)
                       : valeur == "Bord"                 ? N(c.Bord)
                       : valeur == "Demarrage"            ? N(c.Demarrage)
                       : valeur == "ModeAffichageMémoire" ? N(c.ModeAffichageMemoire)
                                                          : N(c.ModeRafraichissementHorloge);
        EXPECT_EQ(lu, k.attendu) << k.valeur << " = " << k.texte;
    }
}

TEST_F(TConfigTest, NombresIllisiblesOuHorsBornesPrennentLeDefautEtLeResteSeCharge) {
    e.DejaLance();
    reg.WriteString(res, "Rafraichissement", "abc");
    reg.WriteString(res, "TempsMoyenneChargeProcesseur", "300");
    reg.WriteString(res, "TauxTransparence", "-1");
    reg.WriteString(res, "RepeterAvertir", "200");
    reg.WriteString(res, "CouleurFond", "99999999999");
    reg.WriteString(res, "ChaineHeure", "hh");
    reg.WriteString("", "PortProxy", "3128");
    c.ChargeEnvironnement();
    EXPECT_EQ(c.Rafraichissement, 1000);
    EXPECT_EQ(c.TempsMoyenneChargeProcesseur, 1);
    EXPECT_EQ(c.TauxTransparence, 255);
    EXPECT_EQ(c.RepeterAvertir, 60);
    EXPECT_EQ(c.CouleurFond, CouleurBouton);
    EXPECT_EQ(c.ChaineHeure, "hh");
    EXPECT_EQ(c.PortProxy, 3128);

    reg.WriteString(res, "Rafraichissement", "70000");
    reg.WriteString(res, "RepeterAvertir", "-1");
    reg.WriteString(res, "TempsMoyenneChargeProcesseur", "255");
    c.ChargeEnvironnement();
    EXPECT_EQ(c.Rafraichissement, 1000);
    EXPECT_EQ(c.RepeterAvertir, -1);
    EXPECT_EQ(c.TempsMoyenneChargeProcesseur, 255);
}

TEST_F(TConfigTest, DeuxResolutionsCoteACote) {
    e.DejaLance();
    c.ChargeEnvironnement();
    c.ChargeProcesseur = true;
    c.ChaineDate = "dd/mm";
    c.JaugeCpu = false;
    c.Proxy = "proxy.local";
    c.Avertissements.push_back({Ressource::MemoireTotale, 10, Unite::Pourcent, "C", 0});
    c.SauveTout();

    e.Affichage.TailleCourante = {1280, 1024};
    c.ChargeTout();
    EXPECT_EQ(c.Section(), "1280x1024");
    EXPECT_FALSE(c.ChargeProcesseur); // réglages de la résolution : par défaut
    EXPECT_EQ(c.ChaineDate, "dd/mm/yyyy");
    EXPECT_FALSE(c.JaugeCpu); // « Jauges » commune
    EXPECT_EQ(c.Proxy, "proxy.local");
    EXPECT_EQ(c.Avertissements.size(), 1U);

    c.Sauve_Position(5, 6, 300);
    EXPECT_EQ(reg.Lire("1280x1024", "Longueur"), "300");
    EXPECT_FALSE(reg.Lire("1024x768", "Longueur").has_value());

    e.Affichage.TailleCourante = {1024, 768};
    c.ChargeEnvironnement();
    EXPECT_TRUE(c.ChargeProcesseur);
    EXPECT_EQ(c.ChaineDate, "dd/mm");
}

TEST_F(TConfigTest, SauveEnvironnementEcritLesFormesFixes) {
    e.DejaLance();
    c.ChargeEnvironnement();
    c.Fonte.Style = StyleGras | StyleSouligne;
    c.Demarrage = Demarrage::Masquee;
    c.ModeAffichageMemoire = ModeAffichageMemoire::Ko;
    c.ModeRafraichissementHorloge = ModeRafraichissementHorloge::Seconde;
    c.Bord = Bord::Relief;
    c.Organisation = Organisation::Avancee;
    c.ModeServeur = false;
    c.Verrouillage = true;
    c.MultiResolution = false;
    c.PositionCourante = [] {
        return PositionFenetre{12, 34, 250};
    };
    c.SauveEnvironnement();

    EXPECT_EQ(reg.Lire("1024x768\\Fonte", "Style"), ""); // souligné : texte vide
    EXPECT_EQ(reg.Lire(res, "CouleurFond"), "-2147483633");
    EXPECT_EQ(reg.Lire(res, "Demarrage"), "Masqué");
    EXPECT_EQ(reg.Lire(res, "ModeAffichageMémoire"), "Ko");
    EXPECT_EQ(reg.Lire(res, "ModeRafraichissementHorloge"), "Seconde");
    EXPECT_EQ(reg.Lire(res, "Bord"), "Relief");
    EXPECT_EQ(reg.Lire(res, "Organisation"), "Avancé");
    EXPECT_EQ(reg.Lire(res, "Date"), "Oui");
    EXPECT_EQ(reg.Lire(res, "ChargeProcesseur"), "Non");
    EXPECT_EQ(reg.Lire("Jauges", "CpuInverse"), "Oui");
    EXPECT_EQ(reg.Lire(res, "DecalageHaut"), "12");
    EXPECT_EQ(reg.Lire(res, "DecalageGauche"), "34");
    EXPECT_EQ(reg.Lire(res, "Longueur"), "250");
    EXPECT_EQ(reg.Lire("", "Version"), "1.0 Béta 2");
    // Ni ModeServeur, ni Verrouillage, ni MultiResolution.
    EXPECT_FALSE(reg.Lire(res, "ModeServeur").has_value());
    EXPECT_FALSE(reg.Lire(res, "Verrouillage").has_value());
    EXPECT_FALSE(reg.Lire("", "MultiResolution").has_value());

    c.ChargeEnvironnement();
    EXPECT_EQ(c.Fonte.Style, StyleStandard);
    EXPECT_EQ(c.Demarrage, Demarrage::Masquee);
    EXPECT_EQ(c.Bord, Bord::Relief);
    EXPECT_TRUE(c.ModeServeur);

    c.Verrouillage = true;
    c.SauveVerrouillage();
    c.MultiResolution = false;
    c.SauveMultiResolution();
    EXPECT_EQ(reg.Lire(res, "Verrouillage"), "Oui");
    EXPECT_EQ(reg.Lire("", "MultiResolution"), "Non");
}

TEST_F(TConfigTest, StylesDePolice) {
    e.DejaLance();
    struct Cas {
        std::uint8_t style;
        const char* ecrit;
    };
    const Cas cas[] = {{StyleStandard, "Standard"},
                       {StyleItalique, "Italique"},
                       {StyleGras, "Gras"},
                       {StyleGras | StyleItalique, "Gras Italique"},
                       {StyleBarre, ""}};
    c.ChargeEnvironnement();
    for (const auto& k : cas) {
        c.Ecrire_StyleFonte(k.style);
        EXPECT_EQ(reg.Lire("1024x768\\Fonte", "Style"), k.ecrit);
        EXPECT_EQ(c.Lire_StyleFonte(), k.style == StyleBarre ? std::uint8_t{StyleStandard} : k.style);
    }
    reg.WriteString("1024x768\\Fonte", "Style", "ITALIQUE gras");
    EXPECT_EQ(c.Lire_StyleFonte(), StyleGras | StyleItalique);
}

TEST_F(TConfigTest, TextesCoupesA255Caracteres) {
    e.DejaLance();
    std::string long_(300, 'D');
    reg.WriteString(res, "ListeDisques", long_);
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
    EXPECT_FALSE(c.GetDemarrage());

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
    EXPECT_EQ(c.Charge_Width(-3), 120);
    EXPECT_EQ(c.Charge_Ordre(-3), 2);

    c.Sauve_Position(0, -1, 180);
    EXPECT_TRUE(c.DispositionExiste(res));
}

// Chaque valeur de la table des réglages simples, avec un texte qui n'est pas
// son défaut, avec la police et les énumérations : chargée, puis sauvée dans
// un magasin vidé, elle revient à l'identique. MultiResolution, ModeServeur et
// Verrouillage ne sont pas écrits par SauveEnvironnement.
TEST(TConfigFichier, ChaqueValeurRevientALIdentique) {
    constexpr std::string_view Ecrit = R"([General]
PortProxy=3128
Proxy=proxy.local
TestMiseAJour=Oui
Version=1.0 Béta 2

[1024x768]
AuDessus=Oui
Bord=Relief
ChaineDate=dd-mm
ChaineHeure=hh:nn:ss
ChargeProcesseur=Oui
Couleur0To20=1
Couleur21To40=2
Couleur41To60=3
Couleur61To100=4
CouleurEcriture=5
CouleurFond=6
CouleurSuppression=7
Date=Non
Demarrage=Masqué
Fonte\Couleur=255
Fonte\Nom=DejaVu Sans
Fonte\Style=Gras
Fonte\Taille=10
Heure=Non
IndicateurRemplissageDisque=Non
ListeDisques=CDE
Mem=Non
MemPhysique=Non
MemoryLoad=Non
ModeAffichageM%E9moire=Mo
ModeRafraichissementHorloge=Seconde
MoyenneChargeProcesseur=Oui
Organisation=Ligne
OuvertureDisque=explore
Rafraichissement=250
RepeterAvertir=-1
Sons=Non
TauxTransparence=128
TempsMoyenneChargeProcesseur=5
TotalDisque=Oui
Transparence=Oui

[Jauges]
Cpu=Non
CpuInverse=Non
CpuMoy=Non
CpuMoyInverse=Non
Disque=Non
DisqueInverse=Oui
Mem=Non
MemInverse=Oui
MemPhysique=Non
MemPhysiqueInverse=Oui
MemoryLoad=Non
MemoryLoadInverse=Oui
)";
    // Les trois valeurs que la sauvegarde n'écrit pas, chacune sous sa section.
    const std::string lu = std::string(Ecrit) +
                           "[General]\nMultiResolution=Non\n[1024x768]\nModeServeur=Non\nVerrouillage=Oui\n";
    ConfigFichierEssai m{lu};
    m.Config.ChargeEnvironnement();
    EXPECT_TRUE(m.Boites.Montrees.empty());
    EXPECT_FALSE(m.Config.MultiResolution);
    EXPECT_FALSE(m.Config.ModeServeur);
    EXPECT_TRUE(m.Config.Verrouillage);
    m.Reg.EraseSection("");
    m.Config.SauveEnvironnement();
    ASSERT_TRUE(m.Config.Enregistrer());
    EXPECT_EQ(m.Stockage.Octets, Ecrit);
}

TEST_F(TConfigTest, HauteurBoiteMesureLaPolice) {
    e.Mesureur.Hauteur = 17;
    EXPECT_EQ(c.HauteurBoite(), 19);
}

} // namespace
} // namespace pulsodex::test
