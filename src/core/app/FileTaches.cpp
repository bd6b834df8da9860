#include "core/app/FileTaches.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace pulsodex {

struct FileTaches::Etat {
    std::mutex Verrou;
    std::condition_variable Signal;
    std::deque<TacheALancer> Taches;
    bool Occupe = false;
    bool Fin = false;
    std::function<void(const TacheALancer&)> Executer;
};

FileTaches::FileTaches(std::function<void(const TacheALancer&)> executer) : m_etat(std::make_shared<Etat>()) {
    m_etat->Executer = std::move(executer);
    // Le fil ne tient que l'état partagé : il peut survivre à la file.
    std::thread([etat = m_etat] {
        std::unique_lock verrou(etat->Verrou);
        for (;;) {
            etat->Signal.wait(verrou, [&] { return etat->Fin || !etat->Taches.empty(); });
            if (etat->Fin) {
                return; // la file n'existe plus : son lanceur non plus, peut-être
            }
            TacheALancer tache = std::move(etat->Taches.front());
            etat->Taches.pop_front();
            etat->Occupe = true;
            verrou.unlock();
            etat->Executer(tache);
            verrou.lock();
            etat->Occupe = false;
            etat->Signal.notify_all();
        }
    }).detach();
}

FileTaches::~FileTaches() {
    {
        const std::scoped_lock verrou(m_etat->Verrou);
        m_etat->Fin = true;
    }
    m_etat->Signal.notify_all();
}

void FileTaches::Ajouter(TacheALancer tache) {
    {
        const std::scoped_lock verrou(m_etat->Verrou);
        m_etat->Taches.push_back(std::move(tache));
    }
    m_etat->Signal.notify_all();
}

bool FileTaches::AttendreVide(std::chrono::milliseconds delai) {
    std::unique_lock verrou(m_etat->Verrou);
    return m_etat->Signal.wait_for(verrou, delai,
                                   [this] { return m_etat->Taches.empty() && !m_etat->Occupe; });
}

} // namespace pulsodex
