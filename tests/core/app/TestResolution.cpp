#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "ConfigEssai.h"
#include "core/app/SurveillanceResolution.h"

namespace pulsodex::test {
namespace {

// Boîte scriptée : elle reste ouverte jusqu'à Fermer, pendant que les tics
// continuent ; fermée, elle est libérée.
class DialogueScripte : public DialogueResolution {
public:
    bool Existe() const override { return m_existe; }
    void Creer() override { m_existe = true; }
    void FixerQuestion(const std::string& texte, bool chargerPermis) override {
        Question = texte;
        ChargerPermis = chargerPermis;
    }
    void Montrer(std::function<void(Reponse)> fin) override {
        ++Affichages;
        m_fin = std::move(fin);
    }
    void Annuler() override { Fermer(Reponse::Annuler); }
    void Fermer(Reponse reponse) {
        m_existe = false;
        if (auto fin = std::exchange(m_fin, nullptr)) {
            fin(reponse);
        }
    }
    [[nodiscard]] bool Ouverte() const { return m_fin != nullptr; }

    std::string Question;
    bool ChargerPermis = false;
    int Affichages = 0;

private:
    bool m_existe = false;
    std::function<void(Reponse)> m_fin;
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

// Un second changement met à jour la question de la même boîte ; la réponse
// vaut pour la taille qu'elle nomme.
TEST_F(ResolutionTest, SansConfigurationGardeeQuestionDEnregistrementSeul) {
    e.Affichage.TailleCourante = {800, 600};
    e.Config.ChargeProcesseur = true;
    surveillance.Surveiller();
    e.Affichage.TailleCourante = {1280, 1024};
    surveillance.Surveiller();
    dialogue.Fermer(DialogueResolution::Reponse::Enregistrer);
    EXPECT_EQ(
        dialogue.Question,
        "Pulsodex a détecté un changement de résolution, voulez-vous enregistrer la configuration actuelle "
        "pour cette résolution ? \rRemarque: Si vous ne le faites pas, une configuration d'origine sera "
        "utilisée lors du prochain chargement de Pulsodex dans cette résolution (1280x1024)");
    EXPECT_EQ(e.Config.Section(), "1280x1024");
    EXPECT_EQ(e.Reg.Lire("1280x1024", "ChargeProcesseur"), "Oui");
    EXPECT_FALSE(e.Reg.SectionExiste("800x600"));
    surveillance.Surveiller(); // plus de changement : rien
    EXPECT_EQ(dialogue.Affichages, 1);
}

TEST_F(ResolutionTest, ConfigurationGardeeSeCharge) {
    e.Reg.WriteString("800x600", "DecalageHaut", "0");
    e.Reg.WriteString("800x600", "ChargeProcesseur", "Oui");
    e.Affichage.TailleCourante = {800, 600};
    surveillance.Surveiller();
    dialogue.Fermer(DialogueResolution::Reponse::Charger);
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
    surveillance.Surveiller();
    ASSERT_TRUE(dialogue.Ouverte());
    e.Affichage.TailleCourante = {1024, 768};
    surveillance.Surveiller(); // un tic pendant que la boîte est ouverte
    EXPECT_FALSE(dialogue.Ouverte());
    EXPECT_EQ(e.Config.Section(), "1024x768");
    EXPECT_FALSE(e.Reg.SectionExiste("800x600"));
    EXPECT_EQ(recharges, 0);
}

} // namespace
} // namespace pulsodex::test
