#include "ui/net/RelaisBoites.h"

#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace pulsodex {

namespace {
// Partagé entre le fil qui attend et la boîte à montrer : chacun peut
// disparaître avant l'autre.
struct Attente {
    std::mutex Mutex;
    std::condition_variable_any Fin;
    bool Fermee = false;
    bool Abandonnee = false;

    void Fermer() {
        {
            const std::lock_guard verrou(Mutex);
            Fermee = true;
        }
        Fin.notify_all();
    }
};
} // namespace

RelaisBoites::RelaisBoites(Presentateur& boites, QObject* parent) : QObject(parent), m_boites(boites) {}

void RelaisBoites::Montrer(std::string texte, std::string legende, IconeBoite icone,
                           const std::stop_token& arret) {
    ++m_demandes;
    if (QThread::currentThread() == thread()) {
        m_boites.Ouvrir(texte, legende, icone, BoutonsBoite::Ok);
        return;
    }
    auto attente = std::make_shared<Attente>();
    QMetaObject::invokeMethod(
        this,
        [this, attente, texte = std::move(texte), legende = std::move(legende), icone] {
            {
                const std::lock_guard verrou(attente->Mutex);
                if (attente->Abandonnee) {
                    return;
                }
            }
            try {
                m_boites.Ouvrir(texte, legende, icone, BoutonsBoite::Ok,
                                [attente](ReponseBoite) { attente->Fermer(); });
            } catch (...) {
                attente->Fermer();
                throw;
            }
        },
        Qt::QueuedConnection);
    std::unique_lock verrou(attente->Mutex);
    attente->Fin.wait(verrou, arret, [&] { return attente->Fermee; });
    if (!attente->Fermee) {
        attente->Abandonnee = true;
    }
}

} // namespace pulsodex
