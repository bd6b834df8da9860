#include "ui/app/MenuOutils.h"

#include <QMenu>

#include <array>

#include "ui/app/TPulsodexForm.h"

namespace pulsodex {

namespace {
// Une entrée : nom et texte, son gestionnaire ; les sous-menus et les
// séparateurs n'en ont pas.
enum class Genre { Entree, SousMenu, FinSousMenu, Separateur };
struct Entree {
    Genre Sorte;
    const char* Nom;
    const char* Texte;
    void (TPulsodexForm::*Gestionnaire)();
    bool Cochable = false;
};

using F = TPulsodexForm;
constexpr std::array<Entree, 22> Entrees = {{
    {Genre::Entree, "ConfigurationMenu", "&Configuration", &F::ConfigurationMenuClick},
    {Genre::SousMenu, "ReorgManuel", "Réorganisation ma&nuelle", nullptr},
    {Genre::Entree, "enLigneManuelMenu", "en &Ligne", &F::enLigneManuelMenuClick},
    {Genre::Entree, "enColonneManuelMenu", "en &Colonne", &F::enColonneManuelMenuClick},
    {Genre::Entree, "AvanceManuelMenu", "&Avancée", &F::AvanceManuelMenuClick},
    {Genre::FinSousMenu, "", "", nullptr},
    {Genre::SousMenu, "ReorgAuto", "Réorganisation &automatique", nullptr},
    {Genre::Entree, "enLigneAutoMenu", "en &Ligne", &F::enLigneAutoMenuClick, true},
    {Genre::Entree, "enColonneAutoMenu", "en &Colonne", &F::enColonneAutoMenuClick, true},
    {Genre::Entree, "AvanceAutoMenu", "&Avancée", &F::AvanceAutoMenuClick, true},
    {Genre::FinSousMenu, "", "", nullptr},
    {Genre::Entree, "MasquerMenu", "&Masquer", &F::MasquerMenuClick},
    {Genre::Entree, "VerrouillerMenu", "&Verrouiller les jauges", &F::VerrouillerMenuClick, true},
    {Genre::Separateur, "N3", "", nullptr},
    {Genre::Entree, "ErreursLancementMenu", "Erreurs de &lancement", &F::ErreursLancementMenuClick},
    {Genre::Entree, "EffacerErreurMenu", "Effacer &fichier des erreurs", &F::EffacerErreurMenuClick},
    {Genre::Separateur, "N2", "", nullptr},
    {Genre::Entree, "MiseAJourMenu", "Vérifier si une mise à jour est disponible", &F::MiseAJourMenuClick},
    {Genre::Entree, "AideMenu", "A&ide", &F::AideMenuClick},
    {Genre::Entree, "AProposMenu", "A &propos", &F::AProposMenuClick},
    {Genre::Separateur, "N1", "", nullptr},
    {Genre::Entree, "QuitterMenu", "&Quitter", &F::QuitterMenuClick},
}};
} // namespace

MenuOutils::MenuOutils(TPulsodexForm& fenetre) : m_menu(new QMenu(&fenetre)) {
    m_menu->setObjectName(QStringLiteral("OutilsMenu"));
    QMenu* courant = m_menu;
    for (const Entree& e : Entrees) {
        switch (e.Sorte) {
        case Genre::SousMenu:
            courant = m_menu->addMenu(QString::fromUtf8(e.Texte));
            courant->setObjectName(QString::fromLatin1(e.Nom));
            break;
        case Genre::FinSousMenu:
            courant = m_menu;
            break;
        case Genre::Separateur:
            m_menu->addSeparator()->setObjectName(QString::fromLatin1(e.Nom));
            break;
        case Genre::Entree: {
            QAction* action = courant->addAction(QString::fromUtf8(e.Texte));
            action->setObjectName(QString::fromLatin1(e.Nom));
            action->setCheckable(e.Cochable);
            QObject::connect(action, &QAction::triggered, &fenetre, e.Gestionnaire);
            break;
        }
        }
    }
}

void MenuOutils::Ouvrir(QPoint global) {
    m_menu->popup(global);
}

bool MenuOutils::Raccourci(const QString& touche, QPoint coin) {
    const QString t = touche.toLower();
    if (t == QLatin1String("q")) {
        Action("QuitterMenu")->trigger();
    } else if (t == QLatin1String("c")) {
        if (QAction* configuration = Action("ConfigurationMenu"); configuration->isEnabled()) {
            configuration->trigger();
        }
    } else if (t == QLatin1String("o")) {
        Ouvrir(coin);
    } else {
        return false;
    }
    return true;
}

void MenuOutils::CocherOrganisation(Organisation organisation) {
    Action("enLigneAutoMenu")->setChecked(organisation == Organisation::Ligne);
    Action("enColonneAutoMenu")->setChecked(organisation == Organisation::Colonne);
    Action("AvanceAutoMenu")->setChecked(organisation == Organisation::Avancee);
}

void MenuOutils::CocherVerrou(bool verrouille) {
    Action("VerrouillerMenu")->setChecked(verrouille);
}

QAction* MenuOutils::Action(const char* nom) const {
    return m_menu->findChild<QAction*>(QString::fromLatin1(nom));
}

} // namespace pulsodex
