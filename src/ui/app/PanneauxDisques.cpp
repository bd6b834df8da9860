#include "ui/app/PanneauxDisques.h"

#include "core/app/Disque.h"
#include "core/app/Lecteurs.h"
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

TDisque* PanneauxDisques::Disque(int emplacement) const {
    return emplacement >= 1 && emplacement <= Nombre()
               ? m_disques[static_cast<std::size_t>(emplacement - 1)].get()
               : nullptr;
}

PanneauDisque* PanneauxDisques::Panneau(int emplacement) const {
    return emplacement >= 1 && emplacement <= Nombre() ? m_panneaux[static_cast<std::size_t>(emplacement - 1)]
                                                       : nullptr;
}

std::vector<std::uint8_t> PanneauxDisques::Lecteurs() const {
    std::vector<std::uint8_t> lecteurs;
    lecteurs.reserve(m_disques.size());
    for (const auto& d : m_disques) {
        lecteurs.push_back(d->Lecteur);
    }
    return lecteurs;
}

void PanneauxDisques::Creer(const TConfig& c) {
    m_config = &c;
    const auto lecteurs = LecteursListes(c.ListeDisques, c.TotalDisque);
    const int premier = c.TotalDisque ? 2 : 1;
    const std::size_t nombre = lecteurs.size() + (c.TotalDisque ? 1 : 0);
    m_disques.resize(nombre);
    m_panneaux.resize(nombre);
    for (std::size_t i = 0; i < lecteurs.size(); ++i) {
        CreerUn(c, premier + static_cast<int>(i), lecteurs[i]);
    }
    if (c.TotalDisque) {
        CreerUn(c, 1, 0);
    }
}

void PanneauxDisques::CreerUn(const TConfig& c, int emplacement, std::uint8_t lecteur) {
    const auto i = static_cast<std::size_t>(emplacement - 1);
    m_disques[i] = std::make_unique<TDisque>(emplacement, lecteur, c.IndicateurRemplissageDisque,
                                             m_services.Sonde, m_services.Format);
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
    panneau->DisquePaintBox->setToolTip(Q(m_disques[i]->Bulle));
    m_services.Barre.AjouterBande(panneau, emplacement);
    m_services.Barre.FixerVisible(emplacement, true);
}

void PanneauxDisques::Detruire() {
    for (std::size_t i = 0; i < m_disques.size(); ++i) {
        m_services.Barre.RetirerBande(static_cast<int>(i) + 1);
        delete m_panneaux[i];
    }
    m_panneaux.clear();
    m_disques.clear();
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

void PanneauxDisques::Traiter(const TConfig& c, const std::function<bool()>& fermee) {
    if (!c.DisqueListe || m_disques.empty()) {
        return;
    }
    const bool indicateur = c.IndicateurRemplissageDisque;
    auto appliquer = [this](int emplacement, const ActionsDisque& a) {
        PanneauDisque* p = Panneau(emplacement);
        if (a.Repeindre) {
            p->DisquePaintBox->setToolTip(Q(Disque(emplacement)->Bulle));
            p->DisquePaintBox->update();
        }
        if (a.ActiviteChangee && p->RemplissagePaintBox != nullptr) {
            p->RemplissagePaintBox->update();
        }
    };
    for (int i = 1; i <= Nombre() && !fermee(); ++i) {
        TDisque* d = Disque(i);
        const ActionsDisque a = Traite_Disque(*d, m_services.Sonde, indicateur, m_services.Format);
        appliquer(i, a);
        if (a.ProposerDeconnexion) {
            ProposerDeconnexion(d->Lecteur, fermee);
        }
    }
    if (fermee() || !c.TotalDisque || Nombre() == 0) {
        return;
    }
    std::vector<const TDisque*> lecteurs;
    for (int i = 2; i <= Nombre(); ++i) {
        lecteurs.push_back(Disque(i));
    }
    appliquer(1, TotaliserDisques(*Disque(1), lecteurs, indicateur, m_services.Format));
}

void PanneauxDisques::ProposerDeconnexion(std::uint8_t lecteur, const std::function<bool()>& fermee) {
    const std::string lettre(1, LettreDuLecteur(lecteur));
    m_services.Boites.Ouvrir(
        "Votre unité réseau " + lettre + " est indisponible, voulez-vous la déconnecter ?", produit::Titre,
        IconeBoite::Avertissement, BoutonsBoite::OuiNon, [this, lettre, fermee](ReponseBoite reponse) {
            if (reponse != ReponseBoite::Oui || fermee()) {
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
