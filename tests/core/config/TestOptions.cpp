#include <gtest/gtest.h>

#include "ConfigEssai.h"
#include "core/config/PolicesWindows.h"
#include "core/config/dialog/CouleursSysteme.h"
#include "core/config/dialog/Legendes.h"
#include "core/config/dialog/TOptionsForm.h"

namespace pulsodex::test {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        e.Config.ChargeTout();
    }
    std::unique_ptr<TOptionsForm> Ouvrir(std::vector<std::uint8_t> lecteurs = {3},
                                         std::vector<std::string> polices = {"DejaVu Sans", "MS Sans Serif",
                                                                             "Liberation Serif"}) {
        CarteLecteurs carte;
        carte.Fixer('C', "/");
        carte.Fixer('D', "/home");
        carte.Fixer('E', "/media/cle");
        return std::make_unique<TOptionsForm>(ServicesOptions{e.Config,
                                                              e.Boites,
                                                              e.Locale,
                                                              std::move(polices),
                                                              true,
                                                              lecteurs,
                                                              carte,
                                                              [this](std::int32_t) { return CouleurChoisie; },
                                                              [this](int sujet) { Aides.push_back(sujet); },
                                                              {"/", "/home", "/mnt/nas"}});
    }
    ConfigEssai e;
    TConfig& c = e.Config;
    std::optional<std::int32_t> CouleurChoisie;
    std::vector<int> Aides;
};

TEST_F(OptionsTest, AnnulerNeChangeRienEtOkNeChangeQueCeQueLesControlesImposent) {
    c.Avertissements = {{Ressource::Disque, 500, Unite::Mo, "D", 5}};
    TEvenement ev;
    ev.Lance = true;
    c.Evenements = {ev};
    const std::size_t valeurs = e.Reg.NombreValeurs();
    auto d = Ouvrir();
    EXPECT_EQ(d->TempAvertissement, c.Avertissements); // copies, compteur compris
    EXPECT_FALSE(d->TempEvenement[0].Lance);
    d->MemCheck.Cocher(false);
    d->CancelBtnClick();
    EXPECT_TRUE(c.Mem);
    EXPECT_TRUE(c.Evenements[0].Lance);

    c.OuvertureDisque = "edit";
    c.ListeDisques = "CD";
    c.TauxTransparence = 200;
    c.Fonte.Nom = "Police inconnue";
    c.Fonte.Taille = 30;
    c.Organisation = Organisation::Colonne;
    c.PortProxy = 3128;
    d = Ouvrir({3, 4});
    EXPECT_FALSE(d->ProxyEdit.Active);
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.OuvertureDisque, "");
    EXPECT_EQ(c.ListeDisques, "C D ");
    EXPECT_EQ(c.TauxTransparence, 199);
    EXPECT_EQ(c.Fonte.Nom, "MS Sans Serif");
    EXPECT_EQ(c.Fonte.Taille, 8);
    EXPECT_EQ(c.Organisation, Organisation::Colonne);
    EXPECT_EQ(c.PortProxy, 3128);
    EXPECT_EQ(e.Reg.NombreValeurs(), valeurs); // ni « Annuler » ni « Ok » n'écrivent
}

// Un nom de police Windows dessiné par sa remplaçante libre compte comme
// installé : « Ok » le garde.
TEST_F(OptionsTest, PoliceWindowsRemplaceeGardeeAuOk) {
    const std::vector<std::string> proposees =
        PolicesProposees({"DejaVu Sans", "Liberation Sans", "Liberation Sans Narrow"});
    for (const char* nom : {"MS Sans Serif", "Arial", "Tahoma", "Arial Narrow"}) {
        EXPECT_NE(std::find(proposees.begin(), proposees.end(), nom), proposees.end()) << nom;
    }
    // Sans Liberation Serif, Times New Roman n'est pas dessinable.
    EXPECT_EQ(std::find(proposees.begin(), proposees.end(), "Times New Roman"), proposees.end());
    EXPECT_EQ(PoliceLibreEquivalente("ms sans serif"), "Liberation Sans Narrow");
    EXPECT_EQ(PoliceLibreEquivalente("Ubuntu"), "");
    c.Fonte.Nom = "Arial";
    ASSERT_TRUE(Ouvrir({3}, proposees)->OkCmdClick());
    EXPECT_EQ(c.Fonte.Nom, "Arial");
}

TEST_F(OptionsTest, OrganisationRepetitionEtCurseur) {
    c.Organisation = Organisation::Colonne;
    c.RepeterAvertir = -1;
    auto d = Ouvrir();
    EXPECT_TRUE(d->ReorgAutoOption.Coche());
    EXPECT_TRUE(d->JamaisRepeterOption.Coche());
    EXPECT_EQ(d->NiceAvertissementBox.Texte, "");
    d->ReorgManuelOption.Cocher();
    d->ReorgAutoOption.Cocher();
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.Organisation, Organisation::Colonne); // repassée en automatique : la valeur gardée
    c.Organisation = Organisation::Manuelle;
    d = Ouvrir();
    d->ReorgAutoOption.Cocher();
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.Organisation, Organisation::Avancee);

    struct Cas {
        int taux, position;
    };
    for (const Cas k : {Cas{255, 0}, Cas{128, 50}, Cas{0, 99}}) {
        c.TauxTransparence = k.taux;
        EXPECT_EQ(Ouvrir()->TransparenceBar.Position(), k.position) << k.taux;
    }
    for (const Cas k : {Cas{255, 0}, Cas{3, 99}, Cas{128, 50}}) {
        d = Ouvrir();
        d->TransparenceBar.FixerPosition(k.position);
        ASSERT_TRUE(d->OkCmdClick());
        EXPECT_EQ(c.TauxTransparence, k.taux) << k.position;
    }
}

TEST_F(OptionsTest, CouleursDuSystemeEtPersonnalisees) {
    EXPECT_EQ(ChercheCouleurIndex(static_cast<std::int32_t>(0x8000000F)), 16);
    EXPECT_EQ(ChercheCouleurIndex(0xFF0000), 0);
    c.Fonte.Couleur = 0xFF0000;
    auto d = Ouvrir();
    EXPECT_EQ(d->CouleurFondCombo.Selection, 16);
    EXPECT_EQ(d->CouleurFondCombo.Elements[16], "Bouton");
    EXPECT_EQ(d->CouleurTexteCombo.Selection, 0);
    d->CouleurFondCombo.Selection = 25;
    d->CouleurFondComboChange();
    EXPECT_EQ(d->FontPanel.CouleurFond, static_cast<std::int32_t>(0x80000018));
    // Choix annulé : la couleur reste, la liste passe à « Personnalisé ».
    CouleurChoisie.reset();
    d->FormeClic(d->CouleurFondShape);
    EXPECT_EQ(d->CouleurFondShape.Couleur, static_cast<std::int32_t>(0x80000018));
    EXPECT_EQ(d->CouleurFondCombo.Selection, 0);
    CouleurChoisie = 0x00FF00;
    d->FormeClic(d->Shape1);
    EXPECT_EQ(d->Shape1.Couleur, 0x00FF00);
    // L'écriture n'est choisie que si le témoin est coché.
    d->RemplissageCheck.Cocher(false);
    d->FormeClic(d->EcritureShape);
    EXPECT_EQ(d->EcritureShape.Couleur, 128);
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
    d->DriveBox.Selection = 2;
    d->SupprimerDisqueCmdClick(); // absent : rien
    d->AjouterDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D E ");
    // Un dossier sans lettre prend la prochaine lettre libre ; seul le montage sans lettre est proposé.
    EXPECT_EQ(d->MontagesSansLettre(), std::vector<std::string>{"/mnt/nas"});
    ASSERT_TRUE(d->AjouterLecteur("/srv/donnees"));
    d->AjouterDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D E F ");
    EXPECT_EQ(d->Carte().Chemin(6), "/srv/donnees");
    // Vidée, la liste décoche et désactive le total.
    d->TotalCheck.Cocher(true);
    d->DisqueBox.Texte.clear();
    d->DisqueBoxSortie();
    EXPECT_FALSE(d->TotalCheck.Coche());
    EXPECT_FALSE(d->TotalCheck.Active);
}

TEST_F(OptionsTest, ZoneInvalideALaSortieOuALaValidation) {
    // À la sortie de la zone de la période : la valeur par défaut et le focus.
    const std::pair<const char*, const char*> periodes[] = {
        {"0", "Valeur de rafraîchissement invalide (1 à 65535)."}, {"", "Valeur entière incorrecte."}};
    for (const auto& [texte, message] : periodes) {
        e.Boites.Montrees.clear();
        auto d = Ouvrir();
        d->RafraichissementBox.Texte = texte;
        d->RafraichissementBoxSortie();
        ASSERT_EQ(e.Boites.Montrees.size(), 1U) << texte;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, message);
        EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
        EXPECT_EQ(d->RafraichissementBox.Texte, "1000");
        EXPECT_EQ(d->Focus, "RafraichissementBox");
    }
    // À la validation : rien n'est appliqué et le dialogue reste ouvert.
    struct Cas {
        std::function<void(TOptionsForm&)> Gater;
        const char* message;
        const char* focus;
    };
    const Cas cas[] = {
        {[](TOptionsForm& d) {
             d.RepeterOption.Cocher();
             d.NiceAvertissementBox.Texte = "9999";
         },
         "Valeur de répétition invalide (0 à 127).", "NiceAvertissementBox"},
        {[](TOptionsForm& d) {
             d.ProxyCheck.Cocher(true);
             d.ProxyPortEdit.Texte.clear();
         },
         "Valeur entière incorrecte.", "ProxyPortEdit"},
        {[](TOptionsForm& d) { d.RafraichissementBox.Texte = "70000"; },
         "Valeur de rafraîchissement invalide (1 à 65535).", "RafraichissementBox"},
    };
    for (const auto& k : cas) {
        e.Boites.Montrees.clear();
        auto d = Ouvrir();
        d->DateCheck.Cocher(false); // un changement qui ne doit pas passer
        k.Gater(*d);
        EXPECT_FALSE(d->SauverCmdClick(nullptr));
        ASSERT_EQ(e.Boites.Montrees.size(), 1U) << k.focus;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, k.message);
        EXPECT_EQ(d->Focus, k.focus);
        EXPECT_TRUE(c.Date);
    }
    // L'écriture échoue : le dialogue se ferme (réglages appliqués), la
    // configuration le dit une fois.
    e.Boites.Montrees.clear();
    auto echec = Ouvrir();
    echec->DateCheck.Cocher(false);
    e.Reg.FaireEchouerDisque(true);
    EXPECT_TRUE(echec->SauverCmdClick([this] { return c.Enregistrer(TConfig::AvisEchec::Toujours); }));
    EXPECT_FALSE(echec->Enregistre);
    EXPECT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_FALSE(c.Date);
    EXPECT_EQ(e.Reg.Lire("1024x768", "Date"), "Non");
}

TEST_F(OptionsTest, StyleToucheEtAide) {
    c.Fonte = {"dejavu sans", StyleGras | StyleItalique, 12, 0};
    auto d = Ouvrir();
    EXPECT_EQ(d->FontList.Elements[static_cast<std::size_t>(d->FontList.Selection)], "DejaVu Sans");
    EXPECT_EQ(d->TailleList.Selection, 8);
    EXPECT_EQ(d->StyleCombo.Selection, 3);
    d->StyleCombo.Selection = 1;
    d->StyleComboChange();
    d->BordCombo.Selection = 2;
    d->BordComboChange();
    d->AideCmdClick();
    EXPECT_EQ(Aides, std::vector<int>{6});
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.Fonte, (Police{"DejaVu Sans", StyleItalique, 12, 0}));
    EXPECT_EQ(c.Bord, Bord::Relief);
    EXPECT_TRUE(TOptionsForm::FiltreTouches("0123456789", U'\b'));
    EXPECT_FALSE(TOptionsForm::FiltreTouches("0123456789", 0x16)); // Ctrl+V
}

TEST(Legendes, RessourcesEtEvenements) {
    EXPECT_EQ(Compile_Chaine_Ressource(Ressource::Disque, "C", 500, Unite::Mo), "Disque C < 500 Mo");
    EXPECT_EQ(Compile_Chaine_Ressource(Ressource::ChargeMemoire, "", 90, Unite::Pourcent),
              "Utilisation mémoire > 90 %");
    EXPECT_EQ(Compile_Chaine_Ressource(Ressource::MemoirePhysique, "", 32, Unite::Octets),
              "Mémoire physique < 32 octet(s)");
    EXPECT_EQ(Compile_Chaine_Ressource(Ressource::MemoireTotale, "", 7, Unite::Ko), "Mémoire totale < 7 Ko");
    EXPECT_EQ(Compile_Chaine_Ressource(static_cast<Ressource>(9), "", 7, static_cast<Unite>(9)), "7");
    const LocaleFrancaise fr;
    struct Cas {
        TypeEvenement type;
        int jour, mois;
        const char* heure;
        const char* minute;
        const char* attendu;
    };
    constexpr TypeEvenement Message = TypeEvenement::Message;
    const Cas cas[] = {
        {Message, 0, 0, "08:30", "", "Message tous les jours à 08:30"},
        {TypeEvenement::Tache, 2, 4, "", "15", "Tâche les lundis d'avril 15 minutes après l'heure"},
        {TypeEvenement::Indefini, 12, 5, "", "", "<Indéfini> le 3 mai"},
        {Message, 9, 0, "", "00", "Message le week-end toutes les heures"},
        {Message, 12, 0, "", "1", "Message le 3 du mois 1 minute après l'heure"},
        {Message, -1, 0, "10:00", "", "Message  à 10:00"},
        {Message, 8, 0, "", "", "Message la semaine"},
        {Message, 8, 3, "", "", "Message les semaines de mars"},
        {Message, 0, 8, "", "", "Message au mois d'août"},
        {Message, 0, 6, "", "", "Message au mois de juin"},
        {TypeEvenement::Tache, 2, 0, "", "", "Tâche le lundi"},
        {static_cast<TypeEvenement>(7), 0, 0, "", "", "tous les jours"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(Compile_Chaine_Evenement(k.type, k.jour, k.mois, k.heure, k.minute, fr), k.attendu);
    }
}

} // namespace
} // namespace pulsodex::test
