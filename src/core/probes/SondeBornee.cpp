#include "SondeBornee.h"

#include <condition_variable>
#include <mutex>
#include <system_error>

namespace pulsodex {

// Partagé par l'appelant et le fil : survit au premier tant que le second tourne.
struct SondeBornee::Etat {
    std::mutex Verrou;
    std::condition_variable Signal;
    std::shared_ptr<SondeEspace> Sonde;
    std::string Chemin;
    bool Demande = false;
    bool EnCours = false;
    bool Arret = false;
    std::uint64_t Numero = 0;  // dernière question posée
    std::uint64_t Repondu = 0; // dernière question répondue
    ReponseSonde Reponse;
};

SondeBornee::SondeBornee(std::shared_ptr<SondeEspace> sonde, std::string chemin,
                         std::chrono::milliseconds delai)
    : m_etat(std::make_shared<Etat>()), m_delai(delai) {
    m_etat->Sonde = std::move(sonde);
    m_etat->Chemin = std::move(chemin);
}

SondeBornee::~SondeBornee() {
    bool bloquee = false;
    {
        std::lock_guard verrou(m_etat->Verrou);
        m_etat->Arret = true;
        bloquee = m_etat->EnCours;
    }
    m_etat->Signal.notify_all();
    if (m_fil.joinable()) {
        // Un fil au repos s'arrête aussitôt ; un fil bloqué n'est pas attendu.
        if (bloquee) {
            m_fil.detach();
        } else {
            m_fil.join();
        }
    }
}

void SondeBornee::Boucle(const std::shared_ptr<Etat>& etat) {
    std::unique_lock verrou(etat->Verrou);
    for (;;) {
        etat->Signal.wait(verrou, [&] { return etat->Demande || etat->Arret; });
        if (etat->Arret) {
            return;
        }
        etat->Demande = false;
        const std::uint64_t numero = etat->Numero;
        verrou.unlock();
        ReponseSonde reponse;
        try {
            reponse = etat->Sonde->Interroger(etat->Chemin);
        } catch (...) {
            reponse = ReponseSonde{};
        }
        verrou.lock();
        etat->Reponse = reponse;
        etat->Repondu = numero;
        etat->EnCours = false;
        // Signalé verrou rendu : le fil réveillé ne se rendort pas aussitôt
        // sur le verrou encore tenu (un réveil de moins par question).
        verrou.unlock();
        etat->Signal.notify_all();
        verrou.lock();
    }
}

ReponseSonde SondeBornee::Interroger() {
    if (!m_fil.joinable()) {
        try {
            // Le fil tient sa propre part de l'état, pas l'objet.
            m_fil = std::thread([etat = m_etat] { Boucle(etat); });
        } catch (const std::system_error&) {
            return ReponseSonde{}; // pas de fil : réessayé à la question suivante
        }
    }
    std::unique_lock verrou(m_etat->Verrou);
    if (m_etat->EnCours) {
        return ReponseSonde{EtatSonde::Occupee};
    }
    m_etat->EnCours = true;
    m_etat->Demande = true;
    const std::uint64_t numero = ++m_etat->Numero;
    // Signalé verrou rendu, comme la réponse ; l'attente revérifie l'état.
    verrou.unlock();
    m_etat->Signal.notify_all();
    verrou.lock();
    if (!m_etat->Signal.wait_for(verrou, m_delai, [&] { return m_etat->Repondu == numero; })) {
        return ReponseSonde{EtatSonde::Delai};
    }
    return m_etat->Reponse;
}

bool SondeBornee::Occupee() const {
    std::lock_guard verrou(m_etat->Verrou);
    return m_etat->EnCours;
}

} // namespace pulsodex
