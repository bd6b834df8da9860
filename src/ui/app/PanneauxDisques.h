#pragma once
// Les lecteurs de la liste et leur total : modèles et panneaux, leur
// traitement à chaque tic, l'offre de déconnexion d'un lecteur réseau tombé
// et l'ouverture du dossier par double-clic.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QRect;
class QWidget;

namespace pulsodex {

class CoolBar;
class Deconnexion;
class Lanceur;
class PanneauDisque;
class Presentateur;
class Sablier;
class SondeDisques;
class TConfig;
class TDisque;
struct FormatNombres;

class PanneauxDisques {
public:
    struct Services {
        CoolBar& Barre;
        SondeDisques& Sonde;
        Lanceur& Lancement;
        Presentateur& Boites;
        Deconnexion& Deconnexions;
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
    // Un tic : chaque lecteur dans l'ordre des emplacements, puis le total ;
    // fermee dit si la fenêtre s'est fermée entre-temps.
    void Traiter(const TConfig& config, const std::function<bool()>& fermee);

    [[nodiscard]] int Nombre() const { return static_cast<int>(m_disques.size()); }
    [[nodiscard]] TDisque* Disque(int emplacement) const;
    [[nodiscard]] PanneauDisque* Panneau(int emplacement) const;
    [[nodiscard]] std::vector<std::uint8_t> Lecteurs() const;

private:
    void CreerUn(const TConfig& config, int emplacement, std::uint8_t lecteur);
    void Peindre(int emplacement, QPainter& peintre, const QRect& zone);
    void ProposerDeconnexion(std::uint8_t lecteur, const std::function<bool()>& fermee);

    Services m_services;
    const TConfig* m_config = nullptr;
    std::vector<std::unique_ptr<TDisque>> m_disques; // emplacement i + 1
    std::vector<PanneauDisque*> m_panneaux;
};

} // namespace pulsodex
