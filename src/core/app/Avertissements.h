#pragma once
// Règles d'avertissement évaluées à chaque tic : une phrase française qui
// nomme chaque ressource concernée.
#include <bitset>
#include <cstdint>
#include <string>

#include "core/config/Enregistrements.h"
#include "core/interfaces/Presentateur.h"
#include "core/probes/InterfacesDisques.h"
#include "core/probes/Memoire.h"

namespace pulsodex {

struct Alarmes {
    bool Totale = false;
    bool Physique = false;
    bool Charge = false;
    bool Disque = false;
    std::bitset<27> Disques; // indices 1 (A) à 26 (Z)
    int Tenues = 0;          // règles dont la condition tient, levées ou non
    [[nodiscard]] bool Aucune() const { return !Totale && !Physique && !Charge && !Disque; }
};

// Évalue chaque règle dans l'ordre (compteurs compris) ; rend les alarmes levées.
Alarmes EvaluerAvertissements(ListeAvertissements& regles, const StatutMemoire& memoire, std::int32_t repeter,
                              EspaceLecteurs& disques);

void Debut_Phrase(std::string& texte, int sujets, int sujet);
void Debut_Disque(std::string& texte, int disques, int disque);
// Le n-ième lecteur de l'ensemble, en ordre croissant (n à partir de 1) ; 0 s'il n'y en a pas.
std::uint8_t Cherche_Disque(const std::bitset<27>& disques, int n);
// « La mémoire physique ainsi que les disques E et F sont pratiquement remplis. »
std::string PhraseAlarme(const Alarmes& alarmes);

inline constexpr const char* LegendeAlarme = "Alarme Pulsodex";

} // namespace pulsodex
