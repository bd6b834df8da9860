#pragma once
// Les lecteurs de la liste et leur total : modèles et panneaux, leur
// traitement à chaque tic, l'offre de déconnexion d'un lecteur réseau tombé
// et l'ouverture du dossier par double-clic.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/DisquesFenetre.h"

class QPainter;
class QRect;
class QWidget;

namespace pulsodex {

class CoolBar;
class Deconnecteur;
class Lanceur;
class PanneauDisque;
class Presentateur;
class Sablier;
class SondeDisques;
class TConfig;
struct FormatNombres;

class PanneauxDisques {
public:
    struct Services {
        CoolBar& Barre;
        SondeDisques& Sonde;
        Lanceur& Lancement;
        Presentateur& Boites;
        Deconnecteur& Deconnexions;
        const FormatNombres& Format;
        // La souris de la fenêtre, le sablier, et la barre d'une jauge
        // (pourcentage, inversion, légende).
        std::function<void(QWidget*)> Suivre;
        Sablier& Attente;
        std::function<void(QPainter&, const QRect&, std::uint8_t, bool, const std::string&)> PeindreBarre;
    };
    explicit PanneauxDisques(Services services);
    ~PanneauxDisques();
    PanneauxDisques(const PanneauxDisques&) = delete;
    PanneauxDisques& operator=(const PanneauxDisques&) = delete;

    // Les modèles et panneaux de la liste (emplacement 1 : le total s'il est montré).
    void Creer(const TConfig& config);
    void Detruire();
    // Un tic : chaque lecteur dans l'ordre des emplacements, puis le total.
    void Traiter(const TConfig& config);

    [[nodiscard]] int Nombre() const { return m_modeles.Nombre(); }
    [[nodiscard]] TDisque* Disque(int emplacement) const { return m_modeles.Disque(emplacement); }
    [[nodiscard]] const DisquesFenetre& Modeles() const { return m_modeles; }
    [[nodiscard]] PanneauDisque* Panneau(int emplacement) const;
    [[nodiscard]] std::vector<std::uint8_t> Lecteurs() const;

private:
    void CreerPanneau(const TConfig& config, int emplacement);
    void Peindre(int emplacement, QPainter& peintre, const QRect& zone);
    void ProposerDeconnexion(std::uint8_t lecteur);

    Services m_services;
    const TConfig* m_config = nullptr;
    DisquesFenetre m_modeles;
    std::vector<PanneauDisque*> m_panneaux; // emplacement i + 1
};

} // namespace pulsodex
