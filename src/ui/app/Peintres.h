#pragma once
// Les trois peintres des jauges : barre, légende, témoin d'activité.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>

class QPainter;

namespace pulsodex {

class TConfig;

void SetImagePourcent(QPainter& peintre, const QRect& jauge, std::uint8_t pourcent, bool inverse,
                      const TConfig& config);
void SetImageText(QPainter& peintre, const QRect& jauge, const QString& texte, const QFont& police,
                  const QColor& couleur);
void SetActivite(QPainter& peintre, const QRect& temoin, std::uint8_t mode, const TConfig& config);

} // namespace pulsodex
