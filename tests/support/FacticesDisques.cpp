#include "FacticesDisques.h"

#include <future>

namespace pulsodex::test {

ReponseSonde SondeEspaceFactice::Interroger(const std::string& chemin) {
    std::unique_lock verrou(m_verrou);
    ++m_appels;
    m_fils.insert(std::this_thread::get_id());
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

bool SondeEspaceFactice::AttendreBloquees(int n, std::chrono::seconds delai) {
    std::unique_lock verrou(m_verrou);
    return m_signal.wait_for(verrou, delai, [&] { return m_bloquees == n; });
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
