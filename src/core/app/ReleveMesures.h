#pragma once
// Le dernier relevé des mesures que publie la page pour Prometheus : rempli
// par le tic de rafraîchissement avec ce qu'il vient d'échantillonner, lu par
// le fil du serveur sous un verrou bref. Lire ne sonde jamais rien.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/commun/Produit.h"
#include "core/plateforme/SourceMemoire.h"

namespace pulsodex {

class CarteLecteurs;
class DisquesFenetre;
class TConfig;
struct Echantillons;

struct LecteurReleve {
    char Lettre = 'C';
    std::string Dossier;
    bool Repond = false;
    std::int64_t Libre = 0;  // octets, f_bfree × f_frsize
    std::int64_t Taille = 0; // octets, f_blocks × f_frsize
    friend bool operator==(const LecteurReleve&, const LecteurReleve&) = default;
};

struct ReleveMesures {
    bool Pret = false; // faux avant le premier tic
    StatutMemoire Memoire;
    // Pourcentages, seulement quand leur bande est affichée.
    std::optional<std::uint8_t> ChargeCpu;
    std::optional<std::uint8_t> ChargeCpuMoyenne;
    std::vector<LecteurReleve> Lecteurs; // ceux de la liste, sans le total
    int AlarmesTenues = 0;
    std::string Version{produit::Version};
    friend bool operator==(const ReleveMesures&, const ReleveMesures&) = default;
};

// Recopie dans `releve` (sans réallouer d'un tic à l'autre quand rien ne
// change de taille) ce que le tic a relevé.
void RemplirReleve(ReleveMesures& releve, const TConfig& config, const StatutMemoire& memoire,
                   const Echantillons& echantillons, const DisquesFenetre& disques,
                   const CarteLecteurs& carte, int alarmesTenues);

// Le relevé partagé entre le tic (écrivain) et le serveur (lecteur).
class DernierReleve {
public:
    void Publier(const ReleveMesures& releve) {
        const std::lock_guard verrou(m_mutex);
        m_releve = releve;
    }
    [[nodiscard]] ReleveMesures Lire() const {
        const std::lock_guard verrou(m_mutex);
        return m_releve;
    }

private:
    mutable std::mutex m_mutex;
    ReleveMesures m_releve;
};

} // namespace pulsodex
