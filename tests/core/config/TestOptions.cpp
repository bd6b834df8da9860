#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/config/PolicesWindows.h"
#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex::test {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        e.Config.ChargeTout();
    }
    std::unique_ptr<TOptionsForm> Ouvrir(std::vector<std::uint8_t> lecteurs = {3}) {
        CarteLecteurs carte;
        carte.Fixer('C', "/");
        carte.Fixer('D', "/home");
        carte.Fixer('E', "/media/cle");
        ServicesOptions s{e.Config, e.Boites, e.Locale, Polices, true, std::move(lecteurs),
                          carte,    nullptr,  nullptr,  Montages};
        return std::make_unique<TOptionsForm>(std::move(s));
    }
    ConfigEssai e;
    TConfig& c = e.Config;
    std::vector<std::string> Polices = {"DejaVu Sans", "MS Sans Serif", "Liberation Serif"};
    std::vector<std::string> Montages = {"/", "/home", "/mnt/nas"};
};

TEST_F(OptionsTest, AnnulerNeChangeRienEtOkNeChangeQueCeQueLesControlesImposent) {
    c.Avertissements = {{Ressource::Disque, 500, Unite::Mo, "D", 5}};
    c.Evenements.resize(1);
    c.Evenements[0].Lance = true;
    const std::size_t valeurs = e.Reg.NombreValeurs();
    auto d = Ouvrir();
    EXPECT_EQ(d->TempAvertissement, c.Avertissements); // copies, compteur compris
    d->MemCheck.Cocher(false);
    d->CancelBtnClick();
    EXPECT_TRUE(c.Mem);
    EXPECT_TRUE(c.Evenements[0].Lance);

    c.OuvertureDisque = "edit";
    c.ListeDisques = "CD";
    c.Fonte.Nom = "Police inconnue";
    c.PortProxy = 3128;
    d = Ouvrir({3, 4});
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.OuvertureDisque, "");
    EXPECT_EQ(c.ListeDisques, "C D ");
    EXPECT_EQ(c.Fonte.Nom, "MS Sans Serif");
    EXPECT_EQ(c.PortProxy, 3128);
    EXPECT_EQ(e.Reg.NombreValeurs(), valeurs); // ni « Annuler » ni « Ok » n'écrivent
}

// Un nom de police Windows dessiné par sa remplaçante libre compte comme
// installé : « Ok » le garde. Sans Liberation Serif, Times New Roman n'est pas
// dessinable.
TEST_F(OptionsTest, PoliceWindowsRemplaceeGardeeAuOk) {
    Polices = PolicesProposees({"DejaVu Sans", "Liberation Sans", "Liberation Sans Narrow"});
    EXPECT_EQ(std::find(Polices.begin(), Polices.end(), "Times New Roman"), Polices.end());
    EXPECT_EQ(PoliceLibreEquivalente("ms sans serif"), "Liberation Sans Narrow");
    c.Fonte.Nom = "Arial";
    ASSERT_TRUE(Ouvrir()->OkCmdClick());
    EXPECT_EQ(c.Fonte.Nom, "Arial");
}

TEST_F(OptionsTest, CurseurDeTransparence) {
    // Le taux de transparence, la position du curseur, le taux relu au « Ok ».
    const std::tuple<int, int, int> cas[] = {{255, 0, 255}, {200, 22, 199}, {128, 50, 128}, {0, 99, 3}};
    for (const auto& [taux, position, relu] : cas) {
        c.TauxTransparence = taux;
        auto d = Ouvrir();
        EXPECT_EQ(d->TransparenceBar.Position(), position) << taux;
        ASSERT_TRUE(d->OkCmdClick());
        EXPECT_EQ(c.TauxTransparence, relu) << taux;
    }
}

TEST_F(OptionsTest, AjoutEtRetraitDeDisques) {
    auto d = Ouvrir({3, 4});
    EXPECT_EQ(d->DriveBox.Elements, (std::vector<std::string>{"C: /", "D: /home", "E: /media/cle"}));
    d->DriveBox.Selection = 1; // D
    d->AjouterDisqueCmdClick();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Ce disque est déjà définit.");
    d->DriveBox.Selection = 0;
    d->SupprimerDisqueCmdClick();
    // Un dossier sans lettre prend la prochaine lettre libre ; seul le montage sans lettre est proposé.
    EXPECT_EQ(d->MontagesSansLettre(), std::vector<std::string>{"/mnt/nas"});
    ASSERT_TRUE(d->AjouterLecteur("/srv/donnees"));
    d->AjouterDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D F ");
    EXPECT_EQ(d->Carte().Chemin(6), "/srv/donnees");
    // Vidée, la liste décoche et désactive le total.
    d->TotalCheck.Cocher(true);
    d->DisqueBox.Texte.clear();
    d->DisqueBoxSortie();
    EXPECT_FALSE(d->TotalCheck.Coche() || d->TotalCheck.Active);
}

// À la validation, une zone fausse : rien n'est appliqué, le dialogue reste
// ouvert. Le proxy et la publication des mesures sont cochés partout.
TEST_F(OptionsTest, ZoneInvalideALaValidation) {
    std::unique_ptr<TOptionsForm> d;
    struct Cas {
        ZoneTexte TOptionsForm::*zone;
        const char* texte;
        const char* message;
    };
    const Cas cas[] = {
        {&TOptionsForm::RafraichissementBox, "0", "Valeur de rafraîchissement invalide (1 à 65535)."},
        {&TOptionsForm::RafraichissementBox, "70000", "Valeur de rafraîchissement invalide (1 à 65535)."},
        {&TOptionsForm::NiceAvertissementBox, "9999", "Valeur de répétition invalide (0 à 127)."},
        {&TOptionsForm::ProxyPortEdit, "", "Valeur entière incorrecte."},
        {&TOptionsForm::MesuresPortEdit, "65536", "Numéro de port invalide (1 à 65535)."}};
    for (const auto& k : cas) {
        e.Boites.Montrees.clear();
        d = Ouvrir();
        d->DateCheck.Cocher(false); // un changement qui ne doit pas passer
        d->ProxyCheck.Cocher(true);
        d->MesuresCheck.Cocher(true);
        ((*d).*k.zone).Texte = k.texte;
        EXPECT_FALSE(d->SauverCmdClick(nullptr));
        ASSERT_EQ(e.Boites.Montrees.size(), 1U) << k.texte;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, k.message);
        EXPECT_EQ(d->Focus, ((*d).*k.zone).Nom);
        EXPECT_TRUE(c.Date);
    }
    // L'écriture échoue : le dialogue se ferme (réglages appliqués), la
    // configuration le dit une fois.
    e.Boites.Montrees.clear();
    d = Ouvrir();
    d->DateCheck.Cocher(false);
    e.Reg.FaireEchouerDisque(true);
    EXPECT_TRUE(d->SauverCmdClick([this] { return c.Enregistrer(TConfig::AvisEchec::Toujours); }));
    EXPECT_FALSE(d->Enregistre);
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Reg.Lire("1024x768", "Date"), "Non");
}

// La publication des mesures : la case active la zone du port, que « Ok »
// recopie seulement quand la case est cochée (un port faux est alors ignoré).
TEST_F(OptionsTest, PublicationDesMesuresEtSonPort) {
    // Publiée avant, cochée à la fermeture, le port tapé, le port gardé.
    const std::tuple<bool, bool, const char*, std::int32_t> cas[] = {
        {false, false, "abc", 11090}, {false, true, "9200", 9200}, {true, false, "1", 11090}};
    for (const auto& [publie, cocher, port, garde] : cas) {
        c.PublierMesures = publie;
        c.PortMesures = 11090;
        auto d = Ouvrir();
        d->MesuresCheck.Cocher(cocher);
        EXPECT_EQ(d->MesuresPortEdit.Active, cocher);
        d->MesuresPortEdit.Texte = port;
        ASSERT_TRUE(d->OkCmdClick()) << port;
        EXPECT_EQ(c.PublierMesures, cocher) << port;
        EXPECT_EQ(c.PortMesures, garde) << port;
    }
}

} // namespace
} // namespace pulsodex::test
