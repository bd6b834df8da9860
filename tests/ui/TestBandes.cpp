#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "FenetreEssai.h"
#include "core/app/Disque.h"
#include "ui/app/CoolBar.h"
#include "ui/app/PanneauDisque.h"

namespace pulsodex::test {
namespace {

std::vector<int> Ordre(const TPulsodexForm& f) {
    std::vector<int> cles;
    for (const Bande& b : f.Bandes()->Modele().Bandes()) {
        cles.push_back(b.Cle);
    }
    return cles;
}

// Envoie un événement de souris au contrôle.
void Souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons boutons = Qt::LeftButton,
            Qt::KeyboardModifiers mod = Qt::ControlModifier) {
    QMouseEvent evenement(type, p, w->mapToGlobal(p), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : boutons, mod);
    QApplication::sendEvent(w, &evenement);
}

TEST(BandesFenetre, CtrlGlisserDeplaceUneBandeSaufVerrouillee) {
    FenetreEssai e;
    TPulsodexForm& f = e.Demarrer();
    f.move(100, 100);
    // La bande du taux (4e rangée) glissée sur la première : avant la date ; la fenêtre ne bouge pas.
    auto* taux = Enfant<PanneauBande>(f, "MemoryLoadPanel");
    Souris(taux, QEvent::MouseButtonPress, {20, 8});
    Souris(taux, QEvent::MouseMove, {20, -50});
    Souris(taux, QEvent::MouseButtonRelease, {10, -55});
    EXPECT_EQ(Ordre(f).front(), -4);
    EXPECT_EQ(f.pos(), QPoint(100, 100));
    // Un lâcher perdu (pris par une fenêtre modale) : le glissement s'oublie.
    auto* mem = Enfant<PanneauBande>(f, "MemPanel");
    Souris(mem, QEvent::MouseButtonPress, {20, 8});
    EXPECT_TRUE(f.Bandes()->Glisse());
    Souris(mem, QEvent::MouseMove, {90, 8}, Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(f.Bandes()->Glisse());
    // Verrouillé : rien ne bouge à la souris.
    f.VerrouillerMenuClick();
    const auto avant = Ordre(f);
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonPress, {20, 8});
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonRelease, {20, 70});
    EXPECT_EQ(Ordre(f), avant);
}

TEST(DisquesFenetre, PanneauxDuTotalEtDesLecteurs) {
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "ListeDisques", "C5c;C"); // deux fois C
    e.Reg.WriteString(e.Res(), "TotalDisque", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(f.NombreDisques(), 3);
    EXPECT_EQ(f.Disque(2)->Lecteur, 3);
    PanneauDisque* c = f.PanneauDuDisque(2);
    // Avec témoin : jauge à 14 ; texte de 15 pixels : jauge de 13.
    EXPECT_EQ(c->DisquePaintBox->geometry(), QRect(14, 3, c->width() - 17, 13));
    EXPECT_EQ(c->RemplissagePaintBox->geometry(), QRect(3, 3, 6, 13));
    EXPECT_EQ(f.PanneauDuDisque(1)->y(), c->y()); // disposition avancée : le total et C ensemble
    f.Cacher(); // le démontage enregistre les bandes des lecteurs et libère les panneaux
    EXPECT_EQ(f.NombreDisques(), 0);
    EXPECT_EQ(e.Reg.Lire(e.Res() + "\\Emplacement", "Order1"), "4"); // après les quatre bandes fixes montrées
}

// La fenêtre par défaut (180 pixels, disques deux par rangée) montre ses
// légendes entières avec la police des réglages, « MS Sans Serif » 8.
TEST(DisquesFenetre, LegendesEntieresDansLaFenetreParDefaut) {
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "ListeDisques", "CDQ");
    e.Reg.WriteString(e.Res(), "TotalDisque", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(f.width(), 180);
    ASSERT_EQ(f.NombreDisques(), 4);
    const QFontMetrics mesure(f.font());
    for (int emplacement = 1; emplacement <= 4; ++emplacement) {
        const int largeur = f.PanneauDuDisque(emplacement)->DisquePaintBox->width();
        for (const char* legende : {"C: 233,59 Go", "Q: Indisponible", "468,10 Go"}) {
            EXPECT_LE(mesure.horizontalAdvance(QString::fromUtf8(legende)), largeur)
                << legende << " dans la jauge " << emplacement;
        }
    }
}

// La racine d'un conteneur (overlay) : son espace n'est pas lu sur le fil de l'interface.
constexpr const char* RacineOverlay = "22 1 0:31 / / rw - overlay overlay rw\n";

TEST(DisquesFenetre, LecteurReseauTombeUneQuestionParEpisode) {
    FenetreEssai e;
    e.Montages.Changer("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                       "36 22 0:41 / /mnt/nfs rw - nfs4 serveur:/export rw\n");
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('E', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    e.Reg.WriteString(e.Res(), "ListeDisques", "CE");
    e.Boites.Repondre(ReponseBoite::Oui);
    e.Executeur.Rendre({true, 0, true, 32, "umount: /mnt/nfs: must be superuser to unmount.\n"});
    TPulsodexForm& f = e.Demarrer(); // le tic de la construction
    for (int i = 0; i < 70; ++i) {
        f.MinuterieTimer();
    }
    // Pas de nouvelle question dans l'épisode.
    EXPECT_EQ(e.Textes(),
              (std::vector<std::string>{"Votre unité réseau E est indisponible, voulez-vous la déconnecter ?",
                                        "Vous n'avez pas le droit de déconnecter cette unité."}));
    EXPECT_EQ(e.Boites.Montrees.at(0).Boutons, BoutonsBoite::OuiNon);
    ASSERT_EQ(e.Executeur.Commandes.size(), 1U);
    EXPECT_EQ(LegendeDisque(*f.Disque(2), FormatNombres{}), "E: Indisponible");
}

// E ne répond plus : à chaque tic, le panneau et la règle de D suivent son
// espace ; chaque lecteur n'est lu qu'une fois par tic pour son panneau et sa règle.
TEST(DisquesFenetre, UnLecteurBloqueLesAutresSuiventChaqueTic) {
    FenetreEssai e;
    e.Montages.Changer(RacineOverlay); // tous passent par le releveur
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('D', "/home/a");
    carte.Fixer('E', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    e.Sonde->Bloquer("/mnt/nfs");
    e.Reg.WriteString(e.Res(), "ListeDisques", "CDE");
    e.Reg.WriteInteger(e.Res(), "Rafraichissement", 0); // un relevé par question
    e.Reg.WriteString("", "NombreAvertissements", "1");
    e.Reg.WriteString("Avertissement\\0", "Ressource", "Disque");
    e.Reg.WriteString("Avertissement\\0", "Disque", "D");
    e.Reg.WriteString("Avertissement\\0", "Seuil", "1");
    e.Sonde->Repondre("/home/a", 100LL << 30, 50LL << 30);
    TPulsodexForm& f = e.Demarrer(); // E attend le délai une fois
    EXPECT_EQ(LegendeDisque(*f.Disque(3), FormatNombres{}), "E: Indisponible");
    for (const auto& [libre, messages] : {std::pair{40LL << 30, 0U}, std::pair{1LL << 19, 1U}}) {
        e.Sonde->Repondre("/home/a", 100LL << 30, libre);
        const int appels = e.Sonde->Appels();
        f.MinuterieTimer();
        EXPECT_EQ(f.Disque(2)->Libre, libre);
        EXPECT_EQ(e.Boites.Messages.size(), messages) << libre;
        EXPECT_EQ(e.Sonde->Appels() - appels, 2) << libre; // C et D, une fois chacun
    }
    EXPECT_EQ(e.Boites.Messages.at(0).Texte, "Le disque D est pratiquement remplit.");
    EXPECT_EQ(e.Sonde->Bloquees(), 1);
    e.Sonde->Liberer();
}

} // namespace
} // namespace pulsodex::test
