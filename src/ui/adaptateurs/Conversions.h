#pragma once
// Passages entre les types du cœur et ceux de Qt.
#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace pulsodex {

struct Police;

inline QString Q(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}
inline std::string S(const QString& texte) {
    return texte.toStdString();
}

// Couleur 0x00BBGGRR, ou couleur du système (0x80000000 + numéro) prise dans
// la palette de l'application.
QColor CouleurQt(std::int32_t couleur);
QFont PoliceQt(const Police& police);

} // namespace pulsodex
