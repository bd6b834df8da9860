#include "core/probes/SondeBornee.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>

namespace pulsodex {

namespace {
using Montre = std::chrono::steady_clock;
}

// Partagé par l'appelant et le fil : survit au premier tant que le second tourne.
struct SondeBornee::Etat {
    std::mutex Verrou;
    std::condition_variable Signal;
    std::shared_ptr<SondeEspace> Sonde;
    std::string Chemin;
    Montre::duration Cadence{}; // nulle : pas de relevé sans question
    bool Demande = false;       // relevé demandé par une question
    bool EnCours = false;       // relevé demandé ou en cours
    bool Recaler = false;       // échéance à refaire (cadence changée, reprise)
    bool Arret = false;
    std::optional<Montre::time_point> Echeance; // prochain relevé ; vide : au repos
    Montre::time_point Lance;                   // demande ou début du relevé en cours
    Montre::time_point DerniereQuestion;
    Montre::time_point Releve; // début du dernier relevé achevé
    std::uint64_t Releves = 0;
    std::uint64_t Reveils = 0;
    ReponseSonde Reponse;
};

namespace {

// Le prochain relevé tombe un dixième de période avant un tic attendu (la
// dernière question plus un nombre entier de périodes) : le tic lit une
// réponse toute fraîche. Au moins une demi-période après maintenant : le tic
// qui suit un relevé ne le fait pas refaire aussitôt. Rien après
// PeriodesSansQuestion périodes sans question.
template <typename Partage>
std::optional<Montre::time_point> ProchaineEcheance(const Partage& e, Montre::time_point maintenant) {
    const Montre::duration p = e.Cadence;
    if (p <= Montre::duration::zero()) {
        return std::nullopt;
    }
    const Montre::time_point repos = e.DerniereQuestion + PeriodesSansQuestion * p;
    Montre::time_point echeance = e.DerniereQuestion + p - p / 10;
    while (echeance < maintenant + p / 2 && echeance < repos) {
        echeance += p;
    }
    if (echeance >= repos) {
        return std::nullopt;
    }
    return echeance;
}

} // namespace

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
        // Un fil au repos s'arrête aussitôt : il ne lance un relevé qu'après
        // avoir vu, sous le verrou, qu'on ne l'arrête pas. Un fil bloqué n'est
        // pas attendu.
        if (bloquee) {
            m_fil.detach();
        } else {
            m_fil.join();
        }
    }
}

void SondeBornee::FixerCadence(std::chrono::milliseconds cadence) {
    const Montre::duration nouvelle = std::max(Montre::duration(cadence), Montre::duration::zero());
    {
        std::lock_guard verrou(m_etat->Verrou);
        if (m_etat->Cadence == nouvelle) {
            return;
        }
        m_etat->Cadence = nouvelle;
        m_etat->Recaler = true;
    }
    m_etat->Signal.notify_all();
}

void SondeBornee::Boucle(const std::shared_ptr<Etat>& etat) {
    std::unique_lock verrou(etat->Verrou);
    for (;;) {
        if (etat->Arret) {
            return;
        }
        const Montre::time_point maintenant = Montre::now();
        if (etat->Recaler) {
            etat->Recaler = false;
            etat->Echeance = ProchaineEcheance(*etat, maintenant);
        }
        const bool echu = etat->Echeance && maintenant >= *etat->Echeance;
        if (!etat->Demande && !echu) {
            // Les questions ordinaires ne réveillent pas le fil : seuls
            // l'échéance, une demande, une reprise ou l'arrêt le font.
            if (etat->Echeance) {
                etat->Signal.wait_until(verrou, *etat->Echeance);
            } else {
                etat->Signal.wait(verrou);
            }
            ++etat->Reveils;
            continue;
        }
        if (!etat->Demande) {
            etat->EnCours = true;
            etat->Lance = maintenant;
        }
        etat->Demande = false;
        verrou.unlock();
        const Montre::time_point debut = Montre::now();
        ReponseSonde reponse;
        try {
            reponse = etat->Sonde->Interroger(etat->Chemin);
        } catch (...) {
            reponse = ReponseSonde{};
        }
        verrou.lock();
        etat->Reponse = reponse;
        etat->Releve = debut;
        ++etat->Releves;
        etat->EnCours = false;
        etat->Echeance = ProchaineEcheance(*etat, Montre::now());
        // Signalé verrou rendu : une question qui attend ne se rendort pas
        // aussitôt sur le verrou encore tenu. Sans question en attente, rien
        // n'est réveillé.
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
    Etat& e = *m_etat;
    std::unique_lock verrou(e.Verrou);
    const Montre::time_point maintenant = Montre::now();
    e.DerniereQuestion = maintenant;
    if (e.EnCours && maintenant - e.Lance >= m_delai) {
        return ReponseSonde{EtatSonde::Occupee};
    }
    const bool cadence = e.Cadence > Montre::duration::zero();
    // Fil au repos : la cadence reprend à partir de cette question.
    bool reveiller = cadence && !e.Echeance;
    if (reveiller) {
        e.Recaler = true;
    }
    if (cadence && e.Releves > 0 && maintenant - e.Releve <= 2 * e.Cadence) {
        const ReponseSonde reponse = e.Reponse;
        if (reveiller) {
            verrou.unlock();
            e.Signal.notify_all();
        }
        return reponse;
    }
    // Pas de réponse assez récente : un relevé neuf (celui en cours s'il y en
    // a un), attendu au plus le délai depuis sa demande.
    if (!e.EnCours) {
        e.EnCours = true;
        e.Demande = true;
        e.Lance = maintenant;
        reveiller = true;
    }
    const std::uint64_t avant = e.Releves;
    const Montre::time_point limite = e.Lance + m_delai;
    if (reveiller) {
        // Signalé verrou rendu, comme la réponse ; l'attente revérifie l'état.
        verrou.unlock();
        e.Signal.notify_all();
        verrou.lock();
    }
    if (!e.Signal.wait_until(verrou, limite, [&] { return e.Releves != avant; })) {
        return ReponseSonde{EtatSonde::Delai};
    }
    return e.Reponse;
}

bool SondeBornee::Occupee() const {
    std::lock_guard verrou(m_etat->Verrou);
    return m_etat->EnCours;
}

SondeBornee::Compteurs SondeBornee::Bilan() const {
    std::lock_guard verrou(m_etat->Verrou);
    return Compteurs{m_etat->Releves, m_etat->Reveils, m_etat->Echeance.has_value()};
}

} // namespace pulsodex
