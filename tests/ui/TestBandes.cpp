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

TEST(BandesFenetre, ReorganisationParLeMenu) {
    struct Cas {
        const char* action;
        const char* organisation;
        int largeurA404; // la première bande, la fenêtre élargie à 404
    };
    for (const Cas& k : {Cas{"enLigneManuelMenu", "Manuelle", 44}, Cas{"enLigneAutoMenu", "Ligne", 100}}) {
        FenetreEssai e;
        TPulsodexForm& f = e.Demarrer();
        // Avancée par défaut, dans l'ordre canonique : la mémoire physique avant le taux.
        EXPECT_EQ(Ordre(f), (std::vector<int>{-1, -2, -3, -4, -5, -6}));
        EXPECT_EQ(f.height(), 84);
        Enfant<QAction>(f, k.action)->trigger();
        EXPECT_EQ(e.Reg.Lire(e.Res(), "Organisation"), k.organisation);
        EXPECT_FALSE(Enfant<QAction>(f, "AvanceAutoMenu")->isChecked());
        EXPECT_EQ(f.height(), 24);
        f.resize(404, f.height());
        EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, k.largeurA404) << k.action;
        // Un second clic : manuelle, en ligne à la largeur du moment.
        Enfant<QAction>(f, k.action)->trigger();
        EXPECT_EQ(e.Reg.Lire(e.Res(), "Organisation"), "Manuelle");
        EXPECT_EQ(f.Bandes()->Modele().A(0).Largeur, 100) << k.action;
    }
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
    // Verrouillé : rien ne bouge à la souris, les menus arrangent encore.
    f.VerrouillerMenuClick();
    const auto avant = Ordre(f);
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonPress, {20, 8});
    Souris(Enfant<PanneauBande>(f, "DateHeurePanel"), QEvent::MouseButtonRelease, {20, 70});
    EXPECT_EQ(Ordre(f), avant);
    Enfant<QAction>(f, "enLigneManuelMenu")->trigger();
    EXPECT_EQ(f.height(), 24);
}

TEST(DisquesFenetre, PanneauxDuTotalEtDesLecteurs) {
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "ListeDisques", "C5c;C"); // deux fois C
    e.Reg.WriteString(e.Res(), "TotalDisque", "Oui");
    TPulsodexForm& f = e.Demarrer();
    ASSERT_EQ(f.NombreDisques(), 3);
    EXPECT_EQ(f.Disque(2)->Lecteur, 3);
    PanneauDisque* total = f.PanneauDuDisque(1);
    PanneauDisque* c = f.PanneauDuDisque(2);
    EXPECT_EQ(c->objectName().toStdString(), "DisquePanel2");
    EXPECT_EQ(c->DisquePaintBox->objectName().toStdString(), "DisquePaintBox2");
    // Avec témoin : jauge à 14 ; texte de 15 pixels : jauge de 13.
    EXPECT_EQ(c->DisquePaintBox->geometry(), QRect(14, 3, c->width() - 17, 13));
    EXPECT_EQ(c->RemplissagePaintBox->geometry(), QRect(3, 3, 6, 13));
    EXPECT_EQ(c->DisquePaintBox->toolTip().toStdString(), "Disque local (100,00 Go)");
    EXPECT_EQ(total->DisquePaintBox->toolTip().toStdString(), "Total des unités (200,00 Go)");
    // Disposition avancée : le total et C d'abord ensemble.
    EXPECT_EQ(total->y(), c->y());
    f.Cacher(); // le démontage enregistre les bandes des lecteurs et libère les panneaux
    EXPECT_EQ(f.NombreDisques(), 0);
    EXPECT_EQ(e.Reg.Lire(e.Res() + "\\Emplacement", "Order1"), "4"); // après les quatre bandes fixes montrées

    FenetreEssai sans;
    sans.Reg.WriteString(sans.Res(), "ListeDisques", "C");
    sans.Reg.WriteString(sans.Res(), "IndicateurRemplissageDisque", "Non");
    sans.Reg.WriteString(sans.Res(), "Bord", "Sans");
    TPulsodexForm& g = sans.Demarrer();
    PanneauDisque* seul = g.PanneauDuDisque(1);
    EXPECT_EQ(seul->RemplissagePaintBox, nullptr);
    EXPECT_FALSE(seul->DisqueBevel->isVisible());
    g.resize(300, g.height()); // la jauge commence à 3 et suit la largeur de sa bande
    EXPECT_EQ(seul->DisquePaintBox->geometry(), QRect(3, 3, seul->width() - 6, 13));
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

// Les sondes relèvent d'elles-mêmes à la période de la fenêtre ; sans minuteur
// (période nulle), un relevé par question ; un disque ext4 est lu sans fil.
TEST(DisquesFenetre, LesSondesSuiventLaPeriodeDuRafraichissement) {
    struct Cas {
        int Periode;
        std::uint64_t Releves;
        bool EnCadence;
    };
    for (const Cas& k : {Cas{1000, 1, true}, Cas{0, 2, false}}) {
        FenetreEssai e;
        e.Montages.Changer(RacineOverlay);
        e.Reg.WriteString(e.Res(), "ListeDisques", "C");
        e.Reg.WriteInteger(e.Res(), "Rafraichissement", k.Periode);
        e.Demarrer();
        EXPECT_EQ(e.Disques.Bilan().Releves, k.Releves) << k.Periode;
        EXPECT_EQ(e.Disques.Bilan().EnCadence, k.EnCadence) << k.Periode;
    }
    FenetreEssai e;
    e.Reg.WriteString(e.Res(), "ListeDisques", "C");
    e.Sonde->Repondre("/", 1000, 10);
    TPulsodexForm& f = e.Demarrer();
    EXPECT_EQ(f.Disque(1)->Libre, 10);
    EXPECT_EQ(e.Disques.NombreSondes(), 0U);
    EXPECT_EQ(e.Sonde->FilsDistincts(), 1U);
}

TEST(DisquesFenetre, LecteurReseauTombeUneQuestionParEpisode) {
    FenetreEssai e;
    e.Montages.Changer("22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                       "36 22 0:41 / /mnt/nfs rw - nfs4 serveur:/export rw\n");
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('E', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    e.Reg.WriteString(e.Res(), "ListeDisques", "CE");
    e.Boites.Repondre(ReponseBoite::Oui);
    ResultatProgramme refus{true, 0, true, 32, "umount: /mnt/nfs: must be superuser to unmount.\n"};
    e.Executeur.Rendre(refus);
    TPulsodexForm& f = e.Demarrer(); // le tic de la construction
    for (int i = 0; i < 70; ++i) {
        f.MinuterieTimer();
    }
    ASSERT_EQ(e.Boites.Montrees.size(), 2U); // pas de nouvelle question dans l'épisode
    EXPECT_EQ(e.Boites.Montrees[0].Texte,
              "Votre unité réseau E est indisponible, voulez-vous la déconnecter ?");
    EXPECT_EQ(e.Boites.Montrees[0].Boutons, BoutonsBoite::OuiNon);
    EXPECT_EQ(e.Boites.Montrees[1].Texte, "Vous n'avez pas le droit de déconnecter cette unité.");
    ASSERT_EQ(e.Executeur.Commandes.size(), 1U);
    EXPECT_EQ(LegendeDisque(*f.Disque(2), FormatNombres{}), "E: Indisponible");
}

// F ne répond plus : à chaque tic, les panneaux et les règles de C, D et E
// suivent leur espace. Chaque lecteur n'est lu qu'une fois par tic pour son
// panneau et toutes ses règles ; F répond « occupé » sans nouveau fil.
TEST(DisquesFenetre, UnLecteurBloqueLesAutresSuiventChaqueTic) {
    FenetreEssai e;
    e.Montages.Changer(RacineOverlay); // tous passent par le releveur
    CarteLecteurs carte = FenetreEssai::CarteC();
    carte.Fixer('D', "/home/a");
    carte.Fixer('E', "/home/b");
    carte.Fixer('F', "/mnt/nfs");
    e.Disques.ChangerCarte(carte);
    e.Sonde->Bloquer("/mnt/nfs");
    e.Reg.WriteString(e.Res(), "ListeDisques", "CDEF");
    e.Reg.WriteInteger(e.Res(), "Rafraichissement", 0); // un relevé par question
    e.Reg.WriteString("", "NombreAvertissements", "6");
    const char* regles[][3] = {{"D", "1", "Mo"}, {"D", "2", "Mo"}, {"D", "1", "%"},
                               {"E", "1", "Mo"}, {"E", "1", "%"},  {"F", "1", "Mo"}};
    for (int i = 0; i < 6; ++i) {
        const std::string cle = "Avertissement\\" + std::to_string(i);
        e.Reg.WriteString(cle, "Ressource", "Disque");
        e.Reg.WriteString(cle, "Disque", regles[i][0]);
        e.Reg.WriteString(cle, "Seuil", regles[i][1]);
        e.Reg.WriteString(cle, "Unité", regles[i][2]);
    }
    const std::int64_t taille = 100LL << 30;
    e.Sonde->Repondre("/", taille, 50LL << 30);
    e.Sonde->Repondre("/home/a", taille, 40LL << 30);
    e.Sonde->Repondre("/home/b", taille, 30LL << 30);
    TPulsodexForm& f = e.Demarrer(); // F attend le délai une fois
    EXPECT_EQ(LegendeDisque(*f.Disque(4), FormatNombres{}), "F: Indisponible");
    struct Cas {
        std::int64_t D, E;
        std::size_t Messages;
    };
    const Cas tics[] = {
        {40LL << 30, 30LL << 30, 0}, {39LL << 30, 31LL << 30, 0}, {38LL << 30, 32LL << 30, 0},
        {37LL << 30, 33LL << 30, 0}, {36LL << 30, 34LL << 30, 0}, {1LL << 19, 35LL << 30, 1},
    };
    for (const Cas& k : tics) {
        e.Sonde->Repondre("/home/a", taille, k.D);
        e.Sonde->Repondre("/home/b", taille, k.E);
        const int appels = e.Sonde->Appels();
        f.MinuterieTimer();
        EXPECT_EQ(f.Disque(2)->Libre, k.D);
        EXPECT_EQ(f.Disque(3)->Libre, k.E);
        EXPECT_EQ(e.Boites.Messages.size(), k.Messages) << k.D;
        EXPECT_EQ(e.Sonde->Appels() - appels, 3) << k.D; // C, D et E, une fois chacun
    }
    ASSERT_EQ(e.Boites.Messages.size(), 1U);
    EXPECT_EQ(e.Boites.Messages[0].Texte, "Le disque D est pratiquement remplit.");
    EXPECT_EQ(e.Sonde->Bloquees(), 1);
    // Le fil bloqué sur F et celui qui a pris la suite, pas un de plus.
    EXPECT_EQ(e.Disques.Bilan().Fils, 2);
    EXPECT_EQ(e.Sonde->FilsDistincts(), 2U);
    e.Sonde->Liberer();
}

} // namespace
} // namespace pulsodex::test
