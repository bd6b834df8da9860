#pragma once
// Déconnexion d'un lecteur réseau par son nom local (« E: »), sans forcer.
#include <cstdint>
#include <string_view>

namespace pulsodex {

class CarteLecteurs;

class Deconnecteur {
public:
    virtual ~Deconnecteur() = default;
    // La réponse de WNetCancelConnection2A : 0, ou un code d'erreur de Windows
    // (core/probes/Deconnexion.h les nomme et donne leurs textes).
    virtual std::uint32_t WNetCancelConnection2A(const CarteLecteurs& carte, std::string_view nomLocal) = 0;
};

} // namespace pulsodex
