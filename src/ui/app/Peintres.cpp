#include "ui/app/Peintres.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdio>

#include "core/app/ChronoPeinture.h"
#include "core/app/Jauge.h"
#include "core/config/TConfig.h"
#include "ui/adaptateurs/Conversions.h"

namespace pulsodex {

void SetImagePourcent(QPainter& peintre, const QRect& jauge, std::uint8_t pourcent, bool inverse,
                      const TConfig& config) {
    const Barre barre = CalculerBarre(pourcent, inverse, jauge.width(), config);
    const int longueur = std::min(barre.Longueur, jauge.width());
    peintre.fillRect(QRect(jauge.left(), jauge.top(), longueur, jauge.height()), CouleurQt(barre.Couleur));
    peintre.fillRect(QRect(jauge.left() + longueur, jauge.top(), jauge.width() - longueur, jauge.height()),
                     CouleurQt(config.CouleurFond));
}

void SetImageText(QPainter& peintre, const QRect& jauge, const QString& texte, const QFont& police,
                  const QColor& couleur) {
    const QFontMetrics mesure(police);
    const Point p =
        PositionLegende(jauge.width(), jauge.height(), mesure.horizontalAdvance(texte), mesure.height());
    peintre.setFont(police);
    peintre.setPen(couleur);
    peintre.setBackgroundMode(Qt::TransparentMode);
    peintre.drawText(jauge.left() + p.X, jauge.top() + p.Y + mesure.ascent(), texte);
}

void SetActivite(QPainter& peintre, const QRect& temoin, Activite mode, const TConfig& config) {
    peintre.fillRect(temoin, CouleurQt(CouleurActivite(mode, config)));
}

void PeindreJauge(QPainter& peintre, const QRect& jauge, std::uint8_t pourcent, bool inverse,
                  const std::string& legende, const QFont& police, const TConfig& config,
                  ChronoPremierePeinture* chrono) {
    SetImagePourcent(peintre, jauge, pourcent, inverse, config);
    SetImageText(peintre, jauge, Q(legende), police, CouleurQt(config.Fonte.Couleur));
    if (chrono != nullptr) {
        if (const auto delai = chrono->Peinte()) {
            std::fputs(LigneChrono(*delai).c_str(), stderr);
        }
    }
}

} // namespace pulsodex
