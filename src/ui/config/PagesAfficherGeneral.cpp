// Les pages « &Afficher » et « &Général » de la fenêtre de configuration.
#include "ui/config/TOptionsFormQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/aide/Aide.h"
#include "ui/config/PageAgendaQt.h"
#include "ui/config/PageMessagesQt.h"
#include "ui/config/RefletsControles.h"

namespace pulsodex {

QWidget* TOptionsFormQt::PageAfficher() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "AfficherTabSheet");
    auto* elements = new QGridLayout;
    elements->addWidget(new QLabel(QStringLiteral("jauge")), 0, 1);
    elements->addWidget(new QLabel(QStringLiteral("inverse")), 0, 2);
    struct Ligne {
        CaseACocher* Bande;
        const char* Texte;
        CaseACocher* Jauge;
        CaseACocher* Inverse;
    };
    const Ligne lignes[] = {
        {&d.DateCheck, "&Date", nullptr, nullptr},
        {&d.HeureCheck, "&Heure", nullptr, nullptr},
        {&d.MemoryLoadCheck, "&Utilisation de la mémoire", &d.MemoryLoadJaugeCheck,
         &d.MemoryLoadJaugeInverseCheck},
        {&d.MemCheck, "Mémoire libre (physique+virtuelle)", &d.MemJaugeCheck, &d.MemJaugeInverseCheck},
        {&d.RealMemCheck, "Mémoire physique libre", &d.RealMemJaugeCheck, &d.RealMemJaugeInverseCheck},
        {&d.CpuCheck, "Charge processeur", &d.CpuJaugeCheck, &d.CpuJaugeInverseCheck},
        {&d.CpuMoyCheck, "Moyenne processeur sur", &d.CpuMoyJaugeCheck, &d.CpuMoyJaugeInverseCheck},
    };
    int rang = 1;
    for (const Ligne& l : lignes) {
        auto* bande = Case(l.Texte);
        m_liaisons.Lier(bande, *l.Bande);
        if (l.Bande == &d.CpuMoyCheck) {
            // La zone des minutes se tient dans le blanc de la légende.
            auto* ligne = new QHBoxLayout;
            auto* minutes = new QLineEdit;
            minutes->setFixedWidth(28);
            m_liaisons.Lier(minutes, d.CpuMoyEdit, std::string(TOptionsForm::ChiffresPermis));
            ligne->addWidget(bande);
            ligne->addWidget(minutes);
            ligne->addWidget(new QLabel(QStringLiteral("m")));
            ligne->addStretch();
            elements->addLayout(ligne, rang, 0);
        } else {
            elements->addWidget(bande, rang, 0);
        }
        if (l.Jauge != nullptr) {
            auto* jauge = Case("");
            auto* inverse = Case("");
            m_liaisons.Lier(jauge, *l.Jauge);
            m_liaisons.Lier(inverse, *l.Inverse);
            elements->addWidget(jauge, rang, 1);
            elements->addWidget(inverse, rang, 2);
        }
        ++rang;
    }
    auto* groupeElements = Groupe("Eléments divers", elements);
    groupeElements->setToolTip(QStringLiteral("Sélectionnez ici les éléments de la fenêtre Pulsodex"));

    auto* disques = new QGridLayout;
    auto* jaugeDisque = Case("Avec jauge");
    auto* inverseDisque = Case("Inverse");
    auto* activite = Case("Activité");
    auto* total = Case("Tota&l");
    m_liaisons.Lier(jaugeDisque, d.DisqueJaugeCheck);
    m_liaisons.Lier(inverseDisque, d.DisqueJaugeInverseCheck);
    m_liaisons.Lier(activite, d.RemplissageCheck);
    m_liaisons.Lier(total, d.TotalCheck);
    auto* ecriture = new PastilleCouleur;
    auto* suppression = new PastilleCouleur;
    m_liaisons.Lier(ecriture, d.EcritureShape, [&d] { d.FormeClic(d.EcritureShape); });
    m_liaisons.Lier(suppression, d.SuppressionShape, [&d] { d.FormeClic(d.SuppressionShape); });
    auto* ecritureLabel = new QLabel;
    auto* suppressionLabel = new QLabel;
    m_liaisons.Lier(ecritureLabel, d.EcritureLabel);
    m_liaisons.Lier(suppressionLabel, d.SuppressionLabel);
    auto* choix = new QComboBox;
    choix->setToolTip(QStringLiteral("Disque à afficher"));
    m_liaisons.Lier(choix, d.DriveBox, nullptr);
    auto* autre = Nomme(new QPushButton(QStringLiteral("Autre &lecteur…")), "AutreLecteurCmd");
    autre->setToolTip(QStringLiteral("Donne une lettre à un système de fichiers monté ou à un dossier"));
    m_liaisons.Lier(autre, d.DriveBox, [this, &d, autre] {
        // Les montages sans lettre, puis un dossier au choix.
        QMenu menu(autre);
        for (const std::string& point : d.MontagesSansLettre()) {
            menu.addAction(Q(point))->setData(Q(point));
        }
        menu.addSeparator();
        menu.addAction(QStringLiteral("Un dossier…"));
        const QAction* choisi = menu.exec(autre->mapToGlobal(QPoint(0, autre->height())));
        if (choisi == nullptr) {
            return;
        }
        QString chemin = choisi->data().toString();
        if (chemin.isEmpty()) {
            chemin = QFileDialog::getExistingDirectory(this, QStringLiteral("Choisir un dossier"));
        }
        if (!chemin.isEmpty() && !d.AjouterLecteur(S(chemin))) {
            m_etat.SignalerLettresEpuisees();
        }
    });
    auto* ajouter = new QPushButton(QStringLiteral("A&jouter"));
    auto* supprimer = new QPushButton(QStringLiteral("Su&pprimer"));
    m_liaisons.Lier(ajouter, d.AjouterDisqueCmd, [&d] { d.AjouterDisqueCmdClick(); });
    m_liaisons.Lier(supprimer, d.SupprimerDisqueCmd, [&d] { d.SupprimerDisqueCmdClick(); });
    auto* liste = new QLineEdit;
    m_liaisons.Lier(liste, d.DisqueBox);
    m_liaisons.SurFocus(liste, nullptr, [&d] { d.DisqueBoxSortie(); });
    disques->addWidget(jaugeDisque, 0, 0);
    disques->addWidget(inverseDisque, 0, 1);
    disques->addWidget(activite, 1, 0);
    auto* couleurs = new QHBoxLayout;
    couleurs->addWidget(ecriture);
    couleurs->addWidget(ecritureLabel);
    couleurs->addWidget(suppression);
    couleurs->addWidget(suppressionLabel);
    disques->addLayout(couleurs, 1, 1);
    disques->addWidget(total, 2, 0);
    disques->addWidget(new QLabel(QStringLiteral("Liste des disques disponibles :")), 3, 0, 1, 2);
    auto* ligneChoix = new QHBoxLayout;
    ligneChoix->addWidget(choix, 1);
    ligneChoix->addWidget(autre);
    ligneChoix->addWidget(ajouter);
    ligneChoix->addWidget(supprimer);
    disques->addLayout(ligneChoix, 4, 0, 1, 2);
    disques->addWidget(new QLabel(QStringLiteral("Liste des disques à afficher :")), 5, 0, 1, 2);
    disques->addWidget(liste, 6, 0, 1, 2);
    auto* groupeDisques = Groupe("Espace restant sur disque", disques);
    groupeDisques->setToolTip(QStringLiteral("Sélectionnez les disques de la fenêtre Pulsodex"));

    auto* mise = new QVBoxLayout(page);
    mise->addWidget(groupeElements);
    mise->addWidget(groupeDisques);
    mise->addStretch();
    return page;
}

QWidget* TOptionsFormQt::PageGeneral() {
    TOptionsForm& d = m_etat;
    auto* page = Nomme(new QWidget, "GeneralTabSheet");
    auto radios = [this](std::initializer_list<std::pair<QRadioButton*, BoutonRadio*>> boutons) {
        auto* mise = new QVBoxLayout;
        for (const auto& [widget, etat] : boutons) {
            m_liaisons.Lier(widget, *etat);
            mise->addWidget(widget);
        }
        return mise;
    };
    auto* demarrage =
        radios({{Radio("Fenêtre visible"), &d.VisibleOption}, {Radio("Fenêtre masquée"), &d.MasqueOption}});
    auto* charge = Case("Chargé au démarrage");
    m_liaisons.Lier(charge, d.DemarrageCheck);
    demarrage->addWidget(charge);
    auto* organisation =
        radios({{Radio("Manuelle"), &d.ReorgManuelOption}, {Radio("Automatique"), &d.ReorgAutoOption}});
    auto* fenetre =
        radios({{Radio("Norma&le"), &d.NormaleOption}, {Radio("Toujours au dess&us"), &d.AuDessusOption}});

    auto* formats = new QGridLayout;
    auto* date = new QLineEdit;
    auto* heure = new QLineEdit;
    m_liaisons.Lier(date, d.ChaineDateBox);
    m_liaisons.Lier(heure, d.ChaineHeureBox);
    auto* etiquetteDate = new QLabel(QStringLiteral("&Date:"));
    etiquetteDate->setBuddy(date);
    auto* etiquetteHeure = new QLabel(QStringLiteral("&Heure:"));
    etiquetteHeure->setBuddy(heure);
    auto* aideFormats = Nomme(new QPushButton(QStringLiteral("?")), "AideFormatsCmd");
    aideFormats->setToolTip(QStringLiteral("Les codes des formats de date et d'heure"));
    aideFormats->setFixedWidth(28);
    connect(aideFormats, &QPushButton::clicked, this, [] { AfficherAide(SujetFormats); });
    formats->addWidget(etiquetteDate, 0, 0);
    formats->addWidget(date, 0, 1);
    formats->addWidget(etiquetteHeure, 1, 0);
    formats->addWidget(heure, 1, 1);
    formats->addWidget(aideFormats, 0, 2);

    auto* memoire = radios({{Radio("&Octets"), &d.MemOctetOption},
                            {Radio("&Kilo octets"), &d.MemKiloOption},
                            {Radio("Mega o&ctets"), &d.MemMegaOption}});
    auto* shell = radios({{Radio("Aucun effet"), &d.ShellNoneOption},
                          {Radio("Ouvrir"), &d.ShellOpenOption},
                          {Radio("Explorer"), &d.ShellExploreOption}});

    auto* rafraichissement = new QGridLayout;
    auto* periode = new QLineEdit;
    m_liaisons.Lier(periode, d.RafraichissementBox, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.SurFocus(periode, nullptr, [&d] { d.RafraichissementBoxSortie(); });
    auto* etiquettePeriode = new QLabel(QStringLiteral("&Ressources:"));
    etiquettePeriode->setBuddy(periode);
    rafraichissement->addWidget(etiquettePeriode, 0, 0);
    rafraichissement->addWidget(periode, 0, 1);
    rafraichissement->addWidget(new QLabel(QStringLiteral("ms")), 0, 2);
    rafraichissement->addWidget(new QLabel(QStringLiteral("Heure:")), 1, 0);
    auto* minute = Radio("Min&ute");
    auto* seconde = Radio("&Seconde");
    m_liaisons.Lier(minute, d.HorlogeMinuteOption);
    m_liaisons.Lier(seconde, d.HorlogeSecondeOption);
    rafraichissement->addWidget(minute, 1, 1);
    rafraichissement->addWidget(seconde, 1, 2);
    auto* groupeRafraichissement = Groupe("Rafraîchissement", rafraichissement);
    groupeRafraichissement->setToolTip(QStringLiteral("Fréquence de réaffichage des éléments de Pulsodex"));

    auto* messages = new QGridLayout;
    auto* jamais = Radio("Ne &Jamais répéter");
    jamais->setToolTip(
        QStringLiteral("L'avertissement de ressource faible ne sera affiché qu'une seule fois"));
    auto* repeter = Radio("Ré&péter tous les");
    repeter->setToolTip(
        QStringLiteral("L'avertissement de ressource faible sera réaffiché tous les n rafraichissements"));
    auto* nombre = new QLineEdit;
    nombre->setFixedWidth(48);
    auto* sonore = Case("Jouer le fichier son associé");
    sonore->setToolTip(QStringLiteral("Joue le fichier '.wav' associé par Windows"));
    m_liaisons.Lier(jamais, d.JamaisRepeterOption);
    m_liaisons.Lier(repeter, d.RepeterOption);
    m_liaisons.Lier(nombre, d.NiceAvertissementBox, std::string(TOptionsForm::ChiffresPermis));
    m_liaisons.Lier(sonore, d.SonoreCheck);
    m_liaisons.SurFocus(
        nombre, [&d] { d.NiceAvertissementBoxEntree(); }, [&d] { d.NiceAvertissementBoxSortie(); });
    m_liaisons.SurFocus(
        repeter, [&d] { d.RepeterOptionEntree(); }, nullptr);
    messages->addWidget(jamais, 0, 0, 1, 3);
    messages->addWidget(repeter, 1, 0);
    messages->addWidget(nombre, 1, 1);
    messages->addWidget(new QLabel(QStringLiteral("rafraîchissements")), 1, 2);
    messages->addWidget(sonore, 2, 0, 1, 3);

    auto* grille = new QGridLayout(page);
    grille->addWidget(Groupe("Démarrage", demarrage), 0, 0);
    grille->addWidget(Groupe("Organisation", organisation), 0, 1);
    grille->addWidget(Groupe("Fenêtre", fenetre), 1, 0);
    grille->addWidget(Groupe("Format d'affichage", formats), 1, 1);
    grille->addWidget(Groupe("Mémoire libre", memoire), 2, 0);
    grille->addWidget(Groupe("Double clic disque", shell), 2, 1);
    grille->addWidget(groupeRafraichissement, 3, 0);
    grille->addWidget(Groupe("Messages", messages), 3, 1);
    grille->setRowStretch(4, 1);
    return page;
}

} // namespace pulsodex
