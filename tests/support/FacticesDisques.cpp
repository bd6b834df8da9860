#include "FacticesDisques.h"

#include <future>

namespace pulsodex::test {

void SondeEspaceFactice::Repondre(const std::string& chemin, std::int64_t taille, std::int64_t libre) {
    std::lock_guard verrou(m_verrou);
    m_reponses[chemin] = ReponseSonde{EtatSonde::Ok, taille, libre};
}

void SondeEspaceFactice::Bloquer(const std::string& chemin) {
    std::lock_guard verrou(m_verrou);
    m_bloques.insert(chemin);
}

void SondeEspaceFactice::Retarder(const std::string& chemin, std::chrono::milliseconds duree) {
    std::lock_guard verrou(m_verrou);
    m_retards[chemin] = duree;
}

void SondeEspaceFactice::Liberer() {
    {
        std::lock_guard verrou(m_verrou);
        m_bloques.clear();
    }
    m_signal.notify_all();
}

ReponseSonde SondeEspaceFactice::Interroger(const std::string& chemin) {
    std::unique_lock verrou(m_verrou);
    ++m_appels;
    m_fils.insert(std::this_thread::get_id());
    m_signal.notify_all();
    if (m_bloques.count(chemin) != 0) {
        ++m_bloquees;
        m_signal.notify_all();
        m_signal.wait(verrou, [&] { return m_bloques.count(chemin) == 0; });
        --m_bloquees;
        m_signal.notify_all();
        return ReponseSonde{EtatSonde::Echec};
    }
    if (auto retard = m_retards.extract(chemin)) {
        verrou.unlock();
        std::this_thread::sleep_for(retard.mapped());
        verrou.lock();
    }
    auto it = m_reponses.find(chemin);
    return it == m_reponses.end() ? ReponseSonde{EtatSonde::Absent} : it->second;
}

int SondeEspaceFactice::Appels() const {
    std::lock_guard verrou(m_verrou);
    return m_appels;
}

int SondeEspaceFactice::Bloquees() const {
    std::lock_guard verrou(m_verrou);
    return m_bloquees;
}

std::size_t SondeEspaceFactice::FilsDistincts() const {
    std::lock_guard verrou(m_verrou);
    return m_fils.size();
}

bool SondeEspaceFactice::AttendreBloquees(int n, std::chrono::seconds delai) {
    std::unique_lock verrou(m_verrou);
    return m_signal.wait_for(verrou, delai, [&] { return m_bloquees == n; });
}

bool SondeEspaceFactice::AttendreAppels(int n, std::chrono::seconds delai) {
    std::unique_lock verrou(m_verrou);
    return m_signal.wait_for(verrou, delai, [&] { return m_appels >= n; });
}

bool SondeEspaceFactice::FinitPendantLeBlocage(const std::function<void()>& action) {
    constexpr std::chrono::seconds garde{10};
    if (!AttendreBloquees(1, garde)) {
        return false;
    }
    auto fin = std::async(std::launch::async, action);
    if (fin.wait_for(garde) != std::future_status::ready) {
        Liberer();
        return false;
    }
    return Bloquees() == 1;
}

void SourceMontagesFixe::Changer(std::string_view mountinfo, std::string_view fstab) {
    m_table.Montes = LireMountinfo(mountinfo);
    m_table.Prevus = LireFstab(fstab);
    ++m_table.Version;
}

ResultatProgramme ExecuteurFactice::Executer(const CommandeProgramme& commande) {
    Commandes.push_back(commande);
    if (Pendant) {
        Pendant();
    }
    if (m_resultats.empty()) {
        return ResultatProgramme{true, 0, true, 0, {}};
    }
    ResultatProgramme r = std::move(m_resultats.front());
    m_resultats.pop_front();
    return r;
}

} // namespace pulsodex::test
