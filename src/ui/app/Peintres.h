#pragma once
// Les trois peintres des jauges : barre, légende, témoin d'activité.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>

#include "core/app/Disque.h"

class QPainter;

namespace pulsodex {

class ChronoPremierePeinture;
class TConfig;

void SetImagePourcent(QPainter& peintre, const QRect& jauge, std::uint8_t pourcent, bool inverse,
                      const TConfig& config);
void SetImageText(QPainter& peintre, const QRect& jauge, const QString& texte, const QFont& police,
                  const QColor& couleur);
void SetActivite(QPainter& peintre, const QRect& temoin, Activite mode, const TConfig& config);

// La barre puis sa légende, dans la couleur de texte des réglages ; la
// première jauge peinte avec des valeurs relevées donne son délai au
// chronomètre (nul sans lui), sur la sortie d'erreur.
void PeindreJauge(QPainter& peintre, const QRect& jauge, std::uint8_t pourcent, bool inverse,
                  const std::string& legende, const QFont& police, const TConfig& config,
                  ChronoPremierePeinture* chrono);

} // namespace pulsodex
