#include <gtest/gtest.h>

#include <functional>

#include "ConfigEssai.h"
#include "app/SurveillanceResolution.h"

namespace pulsodex::test {
namespace {

// Boîte scriptée : pendant qu'elle est « ouverte », une action simule les
// tics qui continuent ; puis elle rend sa réponse.
class DialogueScripte : public DialogueResolution {
public:
    bool Existe() const override { return m_existe; }
    void Creer() override {
        m_existe = true;
        ++Creations;
    }
    void FixerQuestion(const std::string& texte, bool chargerPermis) override {
        Question = texte;
        ChargerPermis = chargerPermis;
    }
    Reponse Montrer() override {
        ++Affichages;
        m_ouverte = true;
        if (PendantAffichage) {
            PendantAffichage();
        }
        m_ouverte = false;
        m_existe = false; // libérée à la fermeture
        return m_annulee ? Reponse::Annuler : ReponseVoulue;
    }
    void Annuler() override {
        if (m_ouverte) {
            m_annulee = true;
        }
    }

    Reponse ReponseVoulue = Reponse::Annuler;
    std::function<void()> PendantAffichage;
    std::string Question;
    bool ChargerPermis = false;
    int Creations = 0;
    int Affichages = 0;

private:
    bool m_existe = false;
    bool m_ouverte = false;
    bool m_annulee = false;
};

class ResolutionTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.DejaLance();
        e.Config.ChargeEnvironnement();
        surveillance.Reinitialiser();
    }
    ConfigEssai e;
    DialogueScripte dialogue;
    int recharges = 0;
    SurveillanceResolution surveillance{e.Config, e.Affichage, dialogue, [this] {
                                            ++recharges;
                                            e.Config.ChargeEnvironnement();
                                        }};
};

TEST_F(ResolutionTest, SansConfigurationGardeeQuestionDEnregistrementSeul) {
    e.Affichage.TailleCourante = {800, 600};
    dialogue.ReponseVoulue = DialogueResolution::Reponse::Enregistrer;
    e.Config.ChargeProcesseur = true;
    surveillance.Surveiller();
    EXPECT_EQ(
        dialogue.Question,
        "Pulsodex a détecté un changement de résolution, voulez-vous enregistrer la configuration actuelle "
        "pour cette résolution ? \rRemarque: Si vous ne le faites pas, une configuration d'origine sera "
        "utilisée lors du prochain chargement de Pulsodex dans cette résolution (800x600)");
    EXPECT_FALSE(dialogue.ChargerPermis);
    // Enregistrer : la section courante devient 800x600, les réglages y sont écrits.
    EXPECT_EQ(e.Config.Section(), "800x600");
    EXPECT_EQ(e.Reg.Lire("800x600", "ChargeProcesseur"), "Oui");
    EXPECT_FALSE(surveillance.DialogueResolutionOuvert);
    EXPECT_EQ(surveillance.LargeurOrigine, 1024);
    surveillance.Surveiller(); // plus de changement : rien
    EXPECT_EQ(dialogue.Affichages, 1);
}

TEST_F(ResolutionTest, ConfigurationGardeeSeCharge) {
    e.Reg.WriteString("800x600", "DecalageHaut", "0");
    e.Reg.WriteString("800x600", "ChargeProcesseur", "Oui");
    e.Affichage.TailleCourante = {800, 600};
    dialogue.ReponseVoulue = DialogueResolution::Reponse::Charger;
    surveillance.Surveiller();
    EXPECT_EQ(dialogue.Question, "Pulsodex a détecté un changement de résolution, voulez-vous charger la "
                                 "configuration de Pulsodex relative à cette résolution, ou enregistrer la "
                                 "configuration actuelle pour cette résolution (800x600)?");
    EXPECT_TRUE(dialogue.ChargerPermis);
    EXPECT_EQ(recharges, 1);
    EXPECT_EQ(e.Config.Section(), "800x600");
    EXPECT_TRUE(e.Config.ChargeProcesseur);
}

TEST_F(ResolutionTest, RetourALaTailleDOrigineAnnuleSansRienEnregistrer) {
    e.Affichage.TailleCourante = {800, 600};
    dialogue.ReponseVoulue = DialogueResolution::Reponse::Enregistrer;
    dialogue.PendantAffichage = [this] {
        e.Affichage.TailleCourante = {1024, 768};
        surveillance.Surveiller(); // un tic pendant que la boîte est ouverte
    };
    surveillance.Surveiller();
    EXPECT_EQ(dialogue.Affichages, 1);
    EXPECT_EQ(e.Config.Section(), "1024x768");
    EXPECT_FALSE(e.Reg.SectionExiste("800x600"));
    EXPECT_EQ(recharges, 0);
}

TEST_F(ResolutionTest, SecondChangementMetAJourLaQuestionDUneSeuleBoite) {
    e.Affichage.TailleCourante = {800, 600};
    dialogue.PendantAffichage = [this] {
        e.Affichage.TailleCourante = {1280, 1024};
        surveillance.Surveiller();
    };
    surveillance.Surveiller();
    EXPECT_EQ(dialogue.Affichages, 1);
    EXPECT_EQ(dialogue.Creations, 1);
    EXPECT_NE(dialogue.Question.find("(1280x1024)"), std::string::npos);
    EXPECT_EQ(surveillance.LargeurEcran, 1280);
}

TEST_F(ResolutionTest, MultiResolutionEteinteIgnoreLeChangement) {
    e.Config.MultiResolution = false;
    e.Affichage.TailleCourante = {800, 600};
    surveillance.Surveiller();
    EXPECT_EQ(dialogue.Creations, 0);
    EXPECT_EQ(e.Config.Section(), "1024x768");
}

} // namespace
} // namespace pulsodex::test
