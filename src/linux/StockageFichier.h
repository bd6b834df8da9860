#pragma once
// Le fichier des réglages sur un système de fichiers POSIX.
// Écriture : « Pulsodex.conf.ecriture » à côté, poussé sur le disque, puis
// renommé sur le fichier. Verrou : « Pulsodex.conf.lock », tenu par flock, que
// le noyau rend à la mort de son détenteur : un verrou laissé par un arrêt
// brutal est repris aussitôt. Tenu par un programme vivant, il est attendu un
// instant (PausesMax pauses), puis l'écriture échoue et sera refaite ; tenu
// depuis plus de AgeBloque, son détenteur est bloqué et le verrou est repris.
// Un lien symbolique est suivi : c'est sa cible qui est réécrite.
#include <chrono>
#include <functional>
#include <string>

#include "core/plateforme/StockageReglages.h"

namespace pulsodex {

// Le temps du verrou : l'heure, pour l'âge d'un verrou, et ses courtes pauses.
class TempsVerrou {
public:
    virtual ~TempsVerrou() = default;
    [[nodiscard]] virtual std::chrono::system_clock::time_point Maintenant() const = 0;
    virtual void Patienter(std::chrono::milliseconds duree) = 0;
};

class TempsVerrouSysteme final : public TempsVerrou {
public:
    [[nodiscard]] std::chrono::system_clock::time_point Maintenant() const override;
    void Patienter(std::chrono::milliseconds duree) override;
};

// Les étapes d'une écriture (essais d'arrêt brutal).
enum class EtapeEcriture { VerrouPris, TemporaireEcrit, FichierRemplace };

class StockageFichier final : public StockageReglages {
public:
    static constexpr std::chrono::milliseconds Pause{5};
    static constexpr int PausesMax = 50;
    static constexpr std::chrono::seconds AgeBloque{5};

    StockageFichier(const std::string& chemin, TempsVerrou& temps);
    ~StockageFichier() override;
    StockageFichier(const StockageFichier&) = delete;
    StockageFichier& operator=(const StockageFichier&) = delete;

    [[nodiscard]] std::string Chemin() const override { return m_chemin; }
    ContenuReglages Lire() override;
    std::string Verrouiller() override;
    void Deverrouiller() override;
    std::string Remplacer(std::string_view octets) override;
    CopieReglages GarderCopie(std::string_view octets, const DateHeure& moment) override;

    // Pauses faites à attendre le verrou, et verrous repris à un programme bloqué.
    [[nodiscard]] int Attentes() const { return m_attentes; }
    [[nodiscard]] int Reprises() const { return m_reprises; }
    std::function<void(EtapeEcriture)> Observateur;

private:
    [[nodiscard]] std::string Reel() const;
    [[nodiscard]] std::string Echec(std::string_view cause) const;
    void Signaler(EtapeEcriture etape) const;

    std::string m_chemin;
    TempsVerrou& m_temps;
    std::string m_cheminVerrou;
    int m_verrou = -1;
    int m_attentes = 0;
    int m_reprises = 0;
};

} // namespace pulsodex
