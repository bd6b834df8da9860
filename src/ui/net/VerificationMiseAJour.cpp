#include "VerificationMiseAJour.h"

#include <QApplication>
#include <QCursor>

#include <system_error>

#include "commun/Produit.h"

namespace pulsodex {

// Le sablier de l'application, posé tant que l'objet vit.
class VerificationMiseAJour::SablierPose {
public:
    SablierPose() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~SablierPose() { QApplication::restoreOverrideCursor(); }
    SablierPose(const SablierPose&) = delete;
    SablierPose& operator=(const SablierPose&) = delete;
};

VerificationMiseAJour::VerificationMiseAJour(Presentateur& boites, QObject* parent)
    : QObject(parent), m_boites(boites) {}

VerificationMiseAJour::~VerificationMiseAJour() {
    Arreter();
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
    if (m_fil.joinable()) {
        m_fil.join(); // la précédente a déjà répondu
    }
    try {
        m_fil = std::jthread([this, generation, p = std::move(parametres)](const std::stop_token& arret) {
            net::EtatMiseAJour etat = net::EtatMiseAJour::Inconnu;
            try {
                etat = net::VerifierMiseAJour(p, arret);
            } catch (...) { // NOLINT(bugprone-empty-catch) : une panne vaut « inconnu »
            }
            if (!arret.stop_requested()) {
                QMetaObject::invokeMethod(
                    this, [this, generation, etat] { Arrivee(generation, etat); }, Qt::QueuedConnection);
            }
        });
    } catch (const std::system_error&) {
        QMetaObject::invokeMethod(
            this, [this, generation] { Arrivee(generation, net::EtatMiseAJour::Inconnu); },
            Qt::QueuedConnection);
    }
}

void VerificationMiseAJour::Arreter() {
    if (m_fil.joinable()) {
        m_fil.request_stop();
        m_fil.join();
    }
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
        m_boites.Boite(avis->Texte, produit::Titre, avis->Icone, BoutonsBoite::Ok);
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
