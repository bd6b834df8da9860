#include "ui/adaptateurs/Conversions.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/config/Police.h"
#include "core/config/PolicesWindows.h"

namespace pulsodex {

namespace {
struct CouleurSystemeQt {
    QPalette::ColorGroup Groupe;
    QPalette::ColorRole Role;
};

// Les 25 couleurs du système, dans l'ordre de leurs numéros.
constexpr std::array<CouleurSystemeQt, 25> TableSysteme{{
    {QPalette::Active, QPalette::Midlight},        // barre de défilement
    {QPalette::Active, QPalette::Dark},            // bureau
    {QPalette::Active, QPalette::Highlight},       // barre de titre active
    {QPalette::Inactive, QPalette::Mid},           // barre de titre inactive
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // fenêtre
    {QPalette::Active, QPalette::Shadow},          // bord de fenêtre
    {QPalette::Active, QPalette::WindowText},      // texte de menu
    {QPalette::Active, QPalette::Text},            // texte de fenêtre
    {QPalette::Active, QPalette::HighlightedText}, // texte de la barre de titre
    {QPalette::Active, QPalette::Window},          // bordure active
    {QPalette::Inactive, QPalette::Window},        // bordure inactive
    {QPalette::Active, QPalette::Mid},             // espace de travail
    {QPalette::Active, QPalette::Highlight},       // fond sélectionné
    {QPalette::Active, QPalette::HighlightedText}, // texte sélectionné
    {QPalette::Active, QPalette::Button},          // bouton
    {QPalette::Active, QPalette::Dark},            // ombre de bouton
    {QPalette::Disabled, QPalette::Text},          // texte grisé
    {QPalette::Active, QPalette::ButtonText},      // texte des boutons
    {QPalette::Disabled, QPalette::WindowText},    // texte de titre inactif
    {QPalette::Active, QPalette::Light},           // lumière des boutons
    {QPalette::Active, QPalette::Shadow},          // ombre 3D
    {QPalette::Active, QPalette::Midlight},        // lumière 3D
    {QPalette::Active, QPalette::ToolTipText},     // texte info-bulle
    {QPalette::Active, QPalette::ToolTipBase},     // fond info-bulle
}};
} // namespace

QColor CouleurQt(std::int32_t couleur) {
    const auto valeur = static_cast<std::uint32_t>(couleur);
    if ((valeur & 0xFF000000U) == 0x80000000U) {
        const std::uint32_t numero = valeur & 0xFFU;
        const QPalette palette = QApplication::palette();
        if (numero < TableSysteme.size()) {
            return palette.color(TableSysteme[numero].Groupe, TableSysteme[numero].Role);
        }
        return palette.color(QPalette::Button);
    }
    return {static_cast<int>(valeur & 0xFFU), static_cast<int>((valeur >> 8U) & 0xFFU),
            static_cast<int>((valeur >> 16U) & 0xFFU)};
}

QFont PoliceQt(const Police& police) {
    QFont font(Q(police.Nom));
    // Un nom de police Windows absent d'ici est dessiné par sa remplaçante libre.
    if (const std::string_view libre = PoliceLibreEquivalente(police.Nom);
        !libre.empty() && !QFontDatabase::hasFamily(font.family())) {
        font.setFamilies({Q(libre), font.family()});
    }
    // Les points à 96 points par pouce, comme l'écran du programme décrit
    // (8 points : 11 pixels) ; la mise à l'échelle de Qt fait le reste.
    const int points = police.Taille > 0 ? police.Taille : 8;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    font.setBold((police.Style & StyleGras) != 0);
    font.setItalic((police.Style & StyleItalique) != 0);
    font.setUnderline((police.Style & StyleSouligne) != 0);
    font.setStrikeOut((police.Style & StyleBarre) != 0);
    return font;
}

} // namespace pulsodex
