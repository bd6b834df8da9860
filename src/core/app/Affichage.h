#pragma once
// Le système d'affichage : le greffon de Qt à prendre, et ce qu'une session
// Wayland sans XWayland ne permet pas.
#include <string>

namespace pulsodex {

// Les variables d'environnement qui décident du greffon (vides si absentes).
struct EnvironnementAffichage {
    std::string Plateforme; // QT_QPA_PLATFORM, le choix de l'utilisateur
    std::string Wayland;    // WAYLAND_DISPLAY
    std::string X11;        // DISPLAY
};

// Le greffon à imposer avant de créer l'application ; vide : celui que Qt
// choisit. Le choix de l'utilisateur prime ; sous Wayland avec XWayland, X11,
// où la barre se place, reste au-dessus, se glisse et s'élargit ; Wayland seul,
// Wayland ; sans écran, une capture se fait hors écran.
std::string PlateformeImposee(const EnvironnementAffichage& env, bool capture);

// Dit une fois, sur la sortie d'erreur, ce que la session Wayland interdit.
inline constexpr const char* AvisWayland =
    "pulsodex : sous Wayland, la barre ne peut ni reprendre sa position gardée ni rester "
    "au-dessus des autres fenêtres (AuDessus) ; elle ne se glisse et ne s'élargit par ses "
    "bords que si le compositeur le permet. Sous XWayland (paquet xwayland, sans "
    "QT_QPA_PLATFORM), tout fonctionne.\n";

// Wayland seul, sans le greffon Wayland de Qt : le programme ne peut pas s'afficher.
inline constexpr const char* AvisSansGreffonWayland =
    "pulsodex : session Wayland sans XWayland, et le greffon Wayland de Qt n'est pas installé : "
    "installez le paquet qt6-wayland (ou xwayland) pour afficher Pulsodex.\n";

} // namespace pulsodex
