#pragma once
#include <stdexcept>
#include <string>

namespace pulsodex {

// Défaillance du programme ; son message est montré et journalisé tel quel.
class Erreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace pulsodex
