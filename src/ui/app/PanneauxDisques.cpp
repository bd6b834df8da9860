#include "ui/app/PanneauxDisques.h"

#include "core/app/Disque.h"
#include "core/commun/LettresLecteurs.h"
#include "core/commun/Produit.h"
#include "core/config/TConfig.h"
#include "core/interfaces/Presentateur.h"
#include "core/probes/Deconnexion.h"
#include "core/probes/Disques.h"
#include "core/probes/Formats.h"
#include "core/probes/OuvertureDisque.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/app/CoolBar.h"
#include "ui/app/PanneauDisque.h"
#include "ui/app/Panneaux.h"
#include "ui/app/Peintres.h"
#include "ui/app/Sablier.h"

namespace pulsodex {

PanneauxDisques::PanneauxDisques(Services services) : m_services(std::move(services)) {}

PanneauxDisques::~PanneauxDisques() = default;

PanneauDisque* PanneauxDisques::Panneau(int emplacement) const {
    return emplacement >= 1 && emplacement <= Nombre() ? m_panneaux[static_cast<std::size_t>(emplacement - 1)]
                                                       : nullptr;
}

std::vector<std::uint8_t> PanneauxDisques::Lecteurs() const {
    std::vector<std::uint8_t> lecteurs;
    lecteurs.reserve(static_cast<std::size_t>(Nombre()));
    for (int e = 1; e <= Nombre(); ++e) {
        lecteurs.push_back(Disque(e)->Lecteur);
    }
    return lecteurs;
}

void PanneauxDisques::Creer(const TConfig& c) {
    m_config = &c;
    m_modeles.Creer(c.ListeDisques, c.TotalDisque, c.IndicateurRemplissageDisque, m_services.Sonde,
                    m_services.Format);
    m_panneaux.resize(static_cast<std::size_t>(Nombre()));
    for (int e = 1; e <= Nombre(); ++e) {
        CreerPanneau(c, e);
    }
}

void PanneauxDisques::CreerPanneau(const TConfig& c, int emplacement) {
    const auto i = static_cast<std::size_t>(emplacement - 1);
    auto* panneau = new PanneauDisque(emplacement, c.IndicateurRemplissageDisque, c.HauteurBoite(), c.Bord,
                                      CouleurQt(c.CouleurFond));
    m_panneaux[i] = panneau;
    panneau->DisquePaintBox->Peindre = [this, emplacement](QPainter& peintre, const QRect& zone) {
        Peindre(emplacement, peintre, zone);
    };
    panneau->DisquePaintBox->DoubleClic = [this, emplacement] {
        const TDisque* d = Disque(emplacement);
        if (d == nullptr || m_config->OuvertureDisque.empty() || d->Lecteur == 0) {
            return;
        }
        m_services.Attente.Poser(true);
        OuvrirDisque(m_services.Sonde, d->Lecteur, m_config->OuvertureDisque, m_services.Lancement);
        m_services.Attente.Poser(false);
    };
    if (panneau->RemplissagePaintBox != nullptr) {
        panneau->RemplissagePaintBox->Peindre = [this, emplacement](QPainter& peintre, const QRect& zone) {
            if (const TDisque* d = Disque(emplacement)) {
                SetActivite(peintre, zone, d->Activite, *m_config);
            }
        };
        m_services.Suivre(panneau->RemplissagePaintBox);
    }
    // Le panneau et la jauge ne déplacent pas la fenêtre (Ctrl + glisser : la bande).
    for (QWidget* w : {static_cast<QWidget*>(panneau), static_cast<QWidget*>(panneau->DisquePaintBox)}) {
        w->setProperty("deplaceFenetre", false);
        m_services.Suivre(w);
    }
    panneau->DisquePaintBox->setToolTip(Q(Disque(emplacement)->Bulle));
    m_services.Barre.AjouterBande(panneau, emplacement);
    m_services.Barre.FixerVisible(emplacement, true);
}

void PanneauxDisques::Detruire() {
    for (std::size_t i = 0; i < m_panneaux.size(); ++i) {
        m_services.Barre.RetirerBande(static_cast<int>(i) + 1);
        delete m_panneaux[i];
    }
    m_panneaux.clear();
    m_modeles.Vider();
}

void PanneauxDisques::Peindre(int emplacement, QPainter& peintre, const QRect& zone) {
    const TDisque* d = Disque(emplacement);
    if (d == nullptr || m_config == nullptr) {
        return;
    }
    const std::uint8_t pourcent = m_config->JaugeDisque ? PourcentageDisque(d->Libre, d->Taille) : 0;
    m_services.PeindreBarre(peintre, zone, pourcent, m_config->DisqueInverse,
                            LegendeDisque(*d, m_services.Format));
}

void PanneauxDisques::Traiter(const TConfig& c) {
    if (!c.DisqueListe || Nombre() == 0) {
        return;
    }
    const std::vector<ActionsDisque>& actions =
        m_modeles.Traiter(m_services.Sonde, c.IndicateurRemplissageDisque, m_services.Format);
    for (int e = 1; e <= Nombre(); ++e) {
        const ActionsDisque& a = actions[static_cast<std::size_t>(e - 1)];
        PanneauDisque* p = Panneau(e);
        if (a.Repeindre) {
            p->DisquePaintBox->setToolTip(Q(Disque(e)->Bulle));
            p->DisquePaintBox->update();
        }
        if (a.ActiviteChangee && p->RemplissagePaintBox != nullptr) {
            p->RemplissagePaintBox->update();
        }
        if (a.ProposerDeconnexion) {
            ProposerDeconnexion(Disque(e)->Lecteur);
        }
    }
}

void PanneauxDisques::ProposerDeconnexion(std::uint8_t lecteur) {
    const std::string lettre(1, LettreDuLecteur(lecteur));
    m_services.Boites.Ouvrir(
        "Votre unité réseau " + lettre + " est indisponible, voulez-vous la déconnecter ?", produit::Titre,
        IconeBoite::Avertissement, BoutonsBoite::OuiNon, [this, lettre](ReponseBoite reponse) {
            if (reponse != ReponseBoite::Oui) {
                return;
            }
            const std::uint32_t code =
                m_services.Deconnexions.WNetCancelConnection2A(m_services.Sonde.Carte(), lettre + ":");
            if (const std::string texte = TexteDeconnexion(code); !texte.empty()) {
                m_services.Boites.Ouvrir(texte, produit::Titre, IconeBoite::Avertissement, BoutonsBoite::Ok);
            }
        });
}

} // namespace pulsodex
