#pragma once
// Déconnexion d'un lecteur réseau : démontage de son point (umount, ou
// fusermount -u pour FUSE), lancé sans interpréteur et avec un délai.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/plateforme/Deconnecteur.h"
#include "core/plateforme/Executeur.h"
#include "core/probes/CarteLecteurs.h"
#include "core/probes/InterfacesDisques.h"

namespace pulsodex {

// Réponses de la déconnexion, aux numéros de Windows.
inline constexpr std::uint32_t DeconnexionReussie = 0;
inline constexpr std::uint32_t ErreurAccesRefuse = 5;
inline constexpr std::uint32_t ErreurPeripherique = 1200; // nom local invalide
inline constexpr std::uint32_t ErreurEtendue = 1208;      // tout autre échec
inline constexpr std::uint32_t ErreurNonConnecte = 2250;
inline constexpr std::uint32_t ErreurFichiersOuverts = 2401;
inline constexpr std::uint32_t ErreurUniteOccupee = 2404;

inline constexpr std::chrono::milliseconds DelaiDeconnexion{2000};

// Le texte à montrer pour une réponse ; vide pour celles qui ne se montrent pas.
std::string TexteDeconnexion(std::uint32_t code);

// La déconnexion sous Linux : le démontage du point du lecteur.
class Deconnexion final : public Deconnecteur {
public:
    // fichiersOuverts dit si des fichiers sont ouverts sous un point de montage.
    Deconnexion(Executeur& executeur, SourceMontages& montages,
                std::function<bool(std::string_view)> fichiersOuverts,
                std::chrono::milliseconds delai = DelaiDeconnexion);

    // Déconnecte le lecteur de nom local « E: » sans forcer. Seul un montage
    // réseau se déconnecte : un lecteur local ou sans lettre n'est pas connecté.
    std::uint32_t WNetCancelConnection2A(const CarteLecteurs& carte, std::string_view nomLocal) override;

private:
    ResultatProgramme Demonter(const Montage& m);
    std::uint32_t Echec(const ResultatProgramme& r, const std::string& point);

    Executeur& m_executeur;
    SourceMontages& m_montages;
    std::function<bool(std::string_view)> m_fichiersOuverts;
    std::chrono::milliseconds m_delai;
};

} // namespace pulsodex
