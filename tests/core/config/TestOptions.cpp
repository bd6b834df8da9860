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

TEST_F(OptionsTest, OuvrirEtAnnulerNeChangeRien) {
    c.Avertissements = {{Ressource::Disque, 500, Unite::Mo, "D", 5}};
    TEvenement ev;
    ev.Nom = "x";
    ev.Lance = true;
    c.Evenements = {ev};
    RegistreMemoire avant = e.Reg;
    const auto regles = c.Avertissements;
    auto d = Ouvrir();
    EXPECT_EQ(d->Titre, "Configuration de Pulsodex XP V1.0 Béta 2");
    EXPECT_EQ(d->TempAvertissement, regles); // copies, compteur compris
    EXPECT_FALSE(d->TempEvenement[0].Lance);
    d->MemCheck.Cocher(false);
    d->CancelBtnClick();
    EXPECT_TRUE(c.Mem);
    EXPECT_EQ(c.Avertissements, regles);
    EXPECT_TRUE(c.Evenements[0].Lance);
    EXPECT_EQ(e.Reg.NombreValeurs(), avant.NombreValeurs());
}

TEST_F(OptionsTest, OkSansChangementNeChangeQueCeQueLesControlesImposent) {
    c.OuvertureDisque = "edit";
    c.ListeDisques = "CD";
    c.TauxTransparence = 200;
    c.Fonte.Nom = "Police inconnue";
    c.Fonte.Taille = 30;
    c.Organisation = Organisation::Colonne;
    c.Proxy = "";
    c.PortProxy = 3128;
    auto d = Ouvrir({3, 4});
    EXPECT_FALSE(d->ProxyCheck.Coche());
    EXPECT_FALSE(d->ProxyEdit.Active);
    EXPECT_FALSE(d->ProxyPortEdit.Active);
    EXPECT_EQ(d->DisqueBox.Texte, "C D ");
    EXPECT_EQ(d->TransparenceBar.Position(), 22);
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.OuvertureDisque, "");
    EXPECT_EQ(c.ListeDisques, "C D ");
    EXPECT_EQ(c.TauxTransparence, 199);
    EXPECT_EQ(c.Fonte.Nom, "MS Sans Serif");
    EXPECT_EQ(c.Fonte.Taille, 8);
    EXPECT_EQ(c.Organisation, Organisation::Colonne);
    EXPECT_EQ(c.Proxy, "");
    EXPECT_EQ(c.PortProxy, 3128);
    EXPECT_EQ(e.Reg.Lire("1024x768", "OuvertureDisque"), std::nullopt); // « Ok » n'écrit rien
}

// Un nom de police Windows dessiné par sa remplaçante libre compte comme
// installé : « Ok » le garde.
TEST_F(OptionsTest, PoliceWindowsRemplaceeGardeeAuOk) {
    const std::vector<std::string> installees = {"DejaVu Sans", "Liberation Sans", "Liberation Sans Narrow"};
    const std::vector<std::string> proposees = PolicesProposees(installees);
    for (const char* nom : {"MS Sans Serif", "Arial", "Tahoma", "Arial Narrow"}) {
        EXPECT_NE(std::find(proposees.begin(), proposees.end(), nom), proposees.end()) << nom;
    }
    // Sans Liberation Serif, Times New Roman n'est pas dessinable.
    EXPECT_EQ(std::find(proposees.begin(), proposees.end(), "Times New Roman"), proposees.end());
    EXPECT_EQ(PoliceLibreEquivalente("ms sans serif"), "Liberation Sans Narrow");
    EXPECT_EQ(PoliceLibreEquivalente("Courier New"), "Liberation Mono");
    EXPECT_EQ(PoliceLibreEquivalente("Ubuntu"), "");
    c.Fonte.Nom = "Arial";
    auto d = Ouvrir({3}, proposees);
    ASSERT_TRUE(d->OkCmdClick());
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
    c.RepeterAvertir = 60;
    d = Ouvrir();
    EXPECT_TRUE(d->RepeterOption.Coche());
    EXPECT_EQ(d->NiceAvertissementBox.Texte, "60");
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
    d = Ouvrir();
    d->TransparenceCheck.Cocher(true);
    d->TransparenceBar.FixerPosition(30);
    EXPECT_EQ(d->TransparenceLabel.Texte, "30 %");
}

TEST_F(OptionsTest, CouleursDuSystemeEtPersonnalisees) {
    EXPECT_EQ(ChercheCouleurIndex(CouleurSysteme(15)), 16);
    EXPECT_EQ(CouleursSysteme[15].Nom, "Bouton");
    EXPECT_EQ(ChercheCouleurIndex(0xFF0000), 0);
    c.CouleurFond = CouleurSysteme(15);
    c.Fonte.Couleur = 0xFF0000;
    auto d = Ouvrir();
    EXPECT_EQ(d->CouleurFondCombo.Selection, 16);
    EXPECT_EQ(d->CouleurFondCombo.Elements[16], "Bouton");
    EXPECT_EQ(d->CouleurTexteCombo.Selection, 0);
    d->CouleurFondCombo.Selection = 25;
    d->CouleurFondComboChange();
    EXPECT_EQ(d->FontPanel.CouleurFond, CouleurSysteme(24));
    // Choix annulé : la couleur reste, la liste passe à « Personnalisé ».
    CouleurChoisie.reset();
    d->FormeClic(d->CouleurFondShape);
    EXPECT_EQ(d->CouleurFondShape.Couleur, CouleurSysteme(24));
    EXPECT_EQ(d->CouleurFondCombo.Selection, 0);
    CouleurChoisie = 0x00FF00;
    d->FormeClic(d->Shape1);
    EXPECT_EQ(d->Shape1.Couleur, 0x00FF00);
    // L'écriture n'est choisie que si le témoin est coché.
    d->RemplissageCheck.Cocher(false);
    d->FormeClic(d->EcritureShape);
    EXPECT_NE(d->EcritureShape.Couleur, 0x00FF00);
}

TEST_F(OptionsTest, InterrupteursGardentLesCoches) {
    auto d = Ouvrir();
    EXPECT_TRUE(d->MemJaugeCheck.Active);
    d->MemCheck.Cocher(false);
    EXPECT_FALSE(d->MemJaugeCheck.Active);
    EXPECT_FALSE(d->MemJaugeInverseCheck.Active);
    EXPECT_TRUE(d->MemJaugeCheck.Coche());
    EXPECT_FALSE(d->CpuMoyEdit.Active);
    d->CpuMoyCheck.Cocher(true);
    EXPECT_TRUE(d->CpuMoyEdit.Active);
    EXPECT_FALSE(TOptionsForm::FiltreTouches("0123456789", U'a'));
    EXPECT_TRUE(TOptionsForm::FiltreTouches("0123456789", U'7'));
    EXPECT_TRUE(TOptionsForm::FiltreTouches("0123456789", U'\b'));
    EXPECT_FALSE(TOptionsForm::FiltreTouches("0123456789", 0x16)); // Ctrl+V
    // Le témoin suit « Avec jauge » pour les disques.
    d->DisqueJaugeCheck.Cocher(false);
    EXPECT_FALSE(d->DisqueJaugeInverseCheck.Active);
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_FALSE(c.Mem);
    EXPECT_TRUE(c.JaugeMem);
}

TEST_F(OptionsTest, AjoutEtRetraitDeDisques) {
    auto d = Ouvrir({3, 4});
    EXPECT_EQ(d->DriveBox.Elements, (std::vector<std::string>{"C: /", "D: /home", "E: /media/cle"}));
    d->DriveBox.Selection = 1; // D
    d->AjouterDisqueCmdClick();
    ASSERT_EQ(e.Boites.Montrees.size(), 1U);
    EXPECT_EQ(e.Boites.Montrees[0].Texte, "Ce disque est déjà définit.");
    EXPECT_EQ(d->DisqueBox.Texte, "C D ");
    d->DriveBox.Selection = 0;
    d->SupprimerDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D ");
    d->DriveBox.Selection = 2;
    d->SupprimerDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D ");
    d->AjouterDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D E ");
    // Un dossier sans lettre prend la prochaine lettre libre.
    ASSERT_TRUE(d->AjouterLecteur("/srv/donnees"));
    EXPECT_EQ(d->DriveBox.Elements[static_cast<std::size_t>(d->DriveBox.Selection)], "F: /srv/donnees");
    d->AjouterDisqueCmdClick();
    EXPECT_EQ(d->DisqueBox.Texte, "D E F ");
    EXPECT_EQ(d->Carte().Chemin(6), "/srv/donnees");
    // Seul le montage sans lettre est proposé.
    EXPECT_EQ(d->MontagesSansLettre(), std::vector<std::string>{"/mnt/nas"});
    // Vidée, la liste décoche et désactive le total.
    d->TotalCheck.Cocher(true);
    d->DisqueBox.Texte.clear();
    d->DisqueBoxSortie();
    EXPECT_FALSE(d->TotalCheck.Coche());
    EXPECT_FALSE(d->TotalCheck.Active);
}

TEST_F(OptionsTest, PeriodeDeRafraichissement) {
    auto d = Ouvrir();
    struct Cas {
        const char* texte;
        const char* message;
    };
    const Cas cas[] = {{"0", "Valeur de rafraîchissement invalide (1 à 65535)."},
                       {"70000", "Valeur de rafraîchissement invalide (1 à 65535)."},
                       {"", "Valeur entière incorrecte."},
                       {"250", nullptr}};
    for (const auto& k : cas) {
        e.Boites.Montrees.clear();
        d->Focus.clear();
        d->RafraichissementBox.Texte = k.texte;
        d->RafraichissementBoxSortie();
        if (k.message == nullptr) {
            EXPECT_TRUE(e.Boites.Montrees.empty());
            EXPECT_EQ(d->RafraichissementBox.Texte, k.texte);
            continue;
        }
        ASSERT_EQ(e.Boites.Montrees.size(), 1U) << k.texte;
        EXPECT_EQ(e.Boites.Montrees[0].Texte, k.message);
        EXPECT_EQ(e.Boites.Montrees[0].Icone, IconeBoite::Avertissement);
        EXPECT_EQ(d->RafraichissementBox.Texte, "1000");
        EXPECT_EQ(d->Focus, "RafraichissementBox");
    }
    // Répétition : la zone prise coche « Répéter », vide au départ « Jamais ».
    d->NiceAvertissementBoxEntree();
    EXPECT_TRUE(d->RepeterOption.Coche());
    d->NiceAvertissementBox.Texte.clear();
    d->NiceAvertissementBoxSortie();
    EXPECT_TRUE(d->JamaisRepeterOption.Coche());
}

TEST_F(OptionsTest, ZoneInvalideALaValidationRienNestAppliqueEtLeDialogueResteOuvert) {
    struct Cas {
        std::function<void(TOptionsForm&)> Gater;
        const char* message;
        const char* focus;
    };
    const Cas cas[] = {
        {[](TOptionsForm& d) { d.CpuMoyEdit.Texte.clear(); }, "Valeur entière incorrecte.", "CpuMoyEdit"},
        {[](TOptionsForm& d) {
             d.RepeterOption.Cocher();
             d.NiceAvertissementBox.Texte.clear();
         },
         "Valeur entière incorrecte.", "NiceAvertissementBox"},
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
        EXPECT_FALSE(e.Reg.Lire("1024x768", "Date").has_value());
    }
    // L'écriture échoue : le dialogue se ferme (réglages appliqués), la
    // configuration le dit une fois, avec sa cause.
    {
        e.Boites.Montrees.clear();
        auto echec = Ouvrir();
        e.Reg.FaireEchouerDisque(true);
        EXPECT_TRUE(echec->SauverCmdClick([this] { return c.Enregistrer(TConfig::AvisEchec::Toujours); }));
        e.Reg.FaireEchouerDisque(false);
        EXPECT_FALSE(echec->Enregistre);
        ASSERT_EQ(e.Boites.Montrees.size(), 1U);
        EXPECT_TRUE(e.Boites.Montrees[0].Texte.starts_with("Les réglages n'ont pas pu être enregistrés"));
    }
    // La zone corrigée, « Sauver » écrit tout.
    auto d = Ouvrir();
    d->DateCheck.Cocher(false);
    bool ecrit = false;
    EXPECT_TRUE(d->SauverCmdClick([&ecrit] { return ecrit = true; }));
    EXPECT_TRUE(ecrit);
    EXPECT_EQ(e.Reg.Lire("1024x768", "Date"), "Non");
}

TEST_F(OptionsTest, StyleEtAide) {
    c.Fonte = {"dejavu sans", StyleGras | StyleItalique, 12, 0};
    auto d = Ouvrir();
    EXPECT_EQ(d->FontList.Elements[static_cast<std::size_t>(d->FontList.Selection)], "DejaVu Sans");
    EXPECT_EQ(d->TailleList.Selection, 8);
    EXPECT_EQ(d->StyleCombo.Selection, 3);
    EXPECT_EQ(d->FontPanel.Fonte, (Police{"DejaVu Sans", StyleGras | StyleItalique, 12, 0}));
    d->StyleCombo.Selection = 1;
    d->StyleComboChange();
    d->BordCombo.Selection = 2;
    d->BordComboChange();
    EXPECT_EQ(d->FontPanel.Biseau, Bord::Relief);
    d->AideCmdClick();
    EXPECT_EQ(Aides, std::vector<int>{6});
    ASSERT_TRUE(d->OkCmdClick());
    EXPECT_EQ(c.Fonte.Style, StyleItalique);
    EXPECT_EQ(c.Fonte.Nom, "DejaVu Sans");
    EXPECT_EQ(c.Bord, Bord::Relief);
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
    constexpr TypeEvenement Indefini = TypeEvenement::Indefini;
    constexpr TypeEvenement Message = TypeEvenement::Message;
    constexpr TypeEvenement Tache = TypeEvenement::Tache;
    const Cas cas[] = {
        {Message, 0, 0, "08:30", "", "Message tous les jours à 08:30"},
        {Tache, 2, 4, "", "15", "Tâche les lundis d'avril 15 minutes après l'heure"},
        {Indefini, 12, 5, "", "", "<Indéfini> le 3 mai"},
        {Message, 9, 0, "", "00", "Message le week-end toutes les heures"},
        {Message, 12, 0, "", "1", "Message le 3 du mois 1 minute après l'heure"},
        {Message, -1, 0, "10:00", "", "Message  à 10:00"},
        {Message, 8, 0, "", "", "Message la semaine"},
        {Message, 8, 3, "", "", "Message les semaines de mars"},
        {Message, 0, 8, "", "", "Message au mois d'août"},
        {Message, 0, 6, "", "", "Message au mois de juin"},
        {Tache, 2, 0, "", "", "Tâche le lundi"},
        {static_cast<TypeEvenement>(7), 0, 0, "", "", "tous les jours"},
    };
    for (const auto& k : cas) {
        EXPECT_EQ(Compile_Chaine_Evenement(k.type, k.jour, k.mois, k.heure, k.minute, fr), k.attendu);
    }
}

} // namespace
} // namespace pulsodex::test
