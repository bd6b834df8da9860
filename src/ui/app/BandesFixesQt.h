#pragma once
// Les six bandes fixes dans la barre : leurs panneaux, leurs jauges, leur
// habillage et le dessin des jauges dont la valeur a changé.
#include <QString>

#include <array>
#include <functional>

#include "core/app/Jauge.h"

class QPainter;
class QRect;
class QWidget;

namespace pulsodex {

class BoiteJauge;
class CoolBar;
class PanneauBande;
class SondesMemoire;
struct FormatNombres;
class TConfig;
struct Redessins;

class BandesFixesQt {
public:
    using PeintreJauge = std::function<void(JaugeFixe, QPainter&, const QRect&)>;
    // Crée les panneaux dans la barre, dans l'ordre de conception ; chaque
    // contrôle créé passe par suivre (la souris de la fenêtre).
    BandesFixesQt(CoolBar& barre, const std::function<void(QWidget*)>& suivre, const PeintreJauge& peindre);

    // Visibles selon les réglages.
    void Montrer(const TConfig& config);
    // Fond, bord, couleur du texte et hauteurs (h : hauteur d'une ligne).
    void Habiller(const TConfig& config, int h);
    // Les bulles des deux jauges de mémoire libre : la taille totale.
    void BullesMemoire(SondesMemoire& memoire, const FormatNombres& format);
    // Les jauges dont la valeur a changé.
    void Redessiner(const Redessins& redessins);
    // Le texte de la date et de l'heure, dessiné tout de suite.
    void FixerTexteHorloge(const QString& texte);

    [[nodiscard]] PanneauBande* Panneau(int cle) const;
    [[nodiscard]] BoiteJauge* Boite(JaugeFixe jauge) const;

private:
    CoolBar& m_barre;
    std::array<PanneauBande*, 6> m_panneaux{}; // dans l'ordre de la table
    std::array<BoiteJauge*, 6> m_boites{};
};

} // namespace pulsodex
