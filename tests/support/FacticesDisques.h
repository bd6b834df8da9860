#pragma once
// Doublures de la couche des disques (et, par Fichiers.h, les fichiers de
// tests/data).
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Fichiers.h"
#include "core/plateforme/Executeur.h"
#include "core/probes/InterfacesDisques.h"

namespace pulsodex::test {

// Réponses par chemin (par défaut : chemin absent). Un chemin bloqué retient
// chaque question, comme un serveur réseau mort, jusqu'à Liberer() : les
// questions retenues rendent alors Echec, les suivantes la réponse prévue.
class SondeEspaceFactice : public SondeEspace {
public:
    void Repondre(const std::string& chemin, std::int64_t taille, std::int64_t libre) {
        Sous([&] { m_reponses[chemin] = ReponseSonde{EtatSonde::Ok, taille, libre}; });
    }
    void Bloquer(const std::string& chemin) {
        Sous([&] { m_bloques.insert(chemin); });
    }
    // La prochaine question de ce chemin tarde d'autant avant sa réponse.
    void Retarder(const std::string& chemin, std::chrono::milliseconds duree) {
        Sous([&] { m_retards[chemin] = duree; });
    }
    void Liberer() {
        Sous([&] { m_bloques.clear(); });
    }
    ReponseSonde Interroger(const std::string& chemin) override;

    [[nodiscard]] int Appels() const {
        return Sous([&] { return m_appels; });
    }
    [[nodiscard]] int Bloquees() const {
        return Sous([&] { return m_bloquees; });
    }
    [[nodiscard]] std::size_t FilsDistincts() const {
        return Sous([&] { return m_fils.size(); });
    }
    // Attend que n questions exactement soient retenues ; faux au bout du délai.
    bool AttendreBloquees(int n, std::chrono::seconds delai);
    // Fait l'action sur un autre fil une fois une question retenue ; vrai quand
    // elle finit sans attendre que la question soit rendue. Sinon libère tout
    // (l'essai ne reste pas pendu) et rend faux.
    bool FinitPendantLeBlocage(const std::function<void()>& action);

private:
    // Fait l'action sous le verrou, puis réveille ceux qui attendent.
    template <typename Action>
    auto Sous(Action action) const -> decltype(action()) {
        std::lock_guard verrou(m_verrou);
        m_signal.notify_all();
        return action();
    }
    mutable std::mutex m_verrou;
    mutable std::condition_variable m_signal;
    std::map<std::string, ReponseSonde> m_reponses;
    std::set<std::string> m_bloques;
    std::map<std::string, std::chrono::milliseconds> m_retards;
    int m_appels = 0;
    int m_bloquees = 0;
    std::set<std::thread::id> m_fils;
};

class SourceMontagesFixe : public SourceMontages {
public:
    SourceMontagesFixe() = default;
    explicit SourceMontagesFixe(std::string_view mountinfo, std::string_view fstab = {}) {
        Changer(mountinfo, fstab);
    }
    void Changer(std::string_view mountinfo, std::string_view fstab = {});
    const TableMontages& Table() override { return m_table; }

private:
    TableMontages m_table;
};

// Le périphérique de chaque source de montage (« /dev/sda1 ») ; aucun pour les autres.
class InfosBlocsFactice : public InfosBlocs {
public:
    std::map<std::string, PeripheriqueBloc, std::less<>> Peripheriques;
    [[nodiscard]] std::optional<PeripheriqueBloc> Chercher(const Montage& m) const override {
        const auto it = Peripheriques.find(m.Source);
        return it == Peripheriques.end() ? std::nullopt : std::optional(it->second);
    }
};

// Garde les commandes et rend les résultats du script, puis « réussi ».
class ExecuteurFactice : public Executeur {
public:
    void Rendre(ResultatProgramme r) { m_resultats.push_back(std::move(r)); }
    ResultatProgramme Executer(const CommandeProgramme& commande) override;
    std::vector<CommandeProgramme> Commandes;
    std::function<void()> Pendant; // ce qui arrive pendant que le programme tourne

private:
    std::deque<ResultatProgramme> m_resultats;
};

} // namespace pulsodex::test
