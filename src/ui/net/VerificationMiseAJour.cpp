#include "ui/net/VerificationMiseAJour.h"

#include <QApplication>
#include <QCursor>

#include <mutex>
#include <system_error>
#include <thread>

#include "core/commun/Produit.h"

namespace pulsodex {

// Le sablier de l'application, posé tant que l'objet vit.
class VerificationMiseAJour::SablierPose {
public:
    SablierPose() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~SablierPose() { QApplication::restoreOverrideCursor(); }
    SablierPose(const SablierPose&) = delete;
    SablierPose& operator=(const SablierPose&) = delete;
};

// Le fil ne poste sa réponse que tant que l'objet vit.
struct VerificationMiseAJour::Lien {
    std::mutex Verrou;
    VerificationMiseAJour* Cible = nullptr;
};

VerificationMiseAJour::VerificationMiseAJour(Presentateur& boites, Verifier verifier, QObject* parent)
    : QObject(parent), m_boites(boites), m_verifier(std::move(verifier)), m_lien(std::make_shared<Lien>()) {
    m_lien->Cible = this;
}

VerificationMiseAJour::~VerificationMiseAJour() {
    Arreter();
    const std::scoped_lock verrou(m_lien->Verrou);
    m_lien->Cible = nullptr;
}

void VerificationMiseAJour::Lancer(net::ParametresMiseAJour parametres, net::OrigineVerification origine) {
    if (origine == net::OrigineVerification::Menu) {
        Sablier(true);
    }
    if (m_enCours) {
        if (origine == net::OrigineVerification::Menu) {
            m_origine = origine;
        }
        return;
    }
    m_origine = origine;
    m_enCours = true;
    const std::uint64_t generation = ++m_generation;
    m_arret = std::stop_source();
    try {
        std::thread([lien = m_lien, verifier = m_verifier, arret = m_arret.get_token(), generation,
                     p = std::move(parametres)] {
            net::EtatMiseAJour etat = net::EtatMiseAJour::Inconnu;
            try {
                etat = verifier(p, arret);
            } catch (...) { // NOLINT(bugprone-empty-catch) : une panne vaut « inconnu »
            }
            const std::scoped_lock verrou(lien->Verrou);
            if (VerificationMiseAJour* cible = lien->Cible; cible != nullptr && !arret.stop_requested()) {
                QMetaObject::invokeMethod(
                    cible, [cible, generation, etat] { cible->Arrivee(generation, etat); },
                    Qt::QueuedConnection);
            }
        }).detach();
    } catch (const std::system_error&) {
        QMetaObject::invokeMethod(
            this, [this, generation] { Arrivee(generation, net::EtatMiseAJour::Inconnu); },
            Qt::QueuedConnection);
    }
}

void VerificationMiseAJour::Arreter() {
    m_arret.request_stop();
    m_enCours = false;
    ++m_generation; // une réponse déjà postée ne sera pas montrée
    Sablier(false);
}

void VerificationMiseAJour::Arrivee(std::uint64_t generation, net::EtatMiseAJour etat) {
    if (!m_enCours || generation != m_generation) {
        return;
    }
    m_enCours = false;
    Sablier(false);
    if (const auto avis = net::AvisPour(etat, m_origine)) {
        m_boites.Ouvrir(avis->Texte, produit::Titre, avis->Icone, BoutonsBoite::Ok);
    }
    emit Terminee(etat);
}

void VerificationMiseAJour::Sablier(bool actif) {
    if (!actif) {
        m_sablier.reset();
    } else if (!m_sablier) {
        m_sablier = std::make_unique<SablierPose>();
    }
}

} // namespace pulsodex
