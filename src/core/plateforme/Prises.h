#pragma once
// Les prises TCP du système : ce dont ont besoin le serveur de contrôle et la
// vérification des mises à jour. Écoute, connexion, attentes bornées avec un
// réveil, envoi et réception ; toutes les prises sont non bloquantes.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/commun/Erreur.h"

namespace pulsodex::net {

// Une prise du système (un descripteur sous Linux, un SOCKET sous Windows).
using Poignee = std::intptr_t;
inline constexpr Poignee PoigneeInvalide = -1;

// Échec d'un appel du système sur une prise : son nom et son code d'erreur.
class ErreurPrise : public Erreur {
public:
    ErreurPrise(std::string_view appel, int code);
    [[nodiscard]] int Code() const noexcept { return m_code; }
    // Le correspondant est parti (remise à zéro, tube rompu…) : une fin de
    // connexion ordinaire plutôt qu'une panne.
    [[nodiscard]] bool CorrespondantParti() const noexcept;

private:
    int m_code;
};

// Prise fermée à la destruction.
class Descripteur {
public:
    Descripteur() = default;
    explicit Descripteur(Poignee fd) noexcept : m_fd(fd) {}
    ~Descripteur() { Fermer(); }
    Descripteur(Descripteur&& autre) noexcept : m_fd(std::exchange(autre.m_fd, PoigneeInvalide)) {}
    Descripteur& operator=(Descripteur&& autre) noexcept;
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;

    [[nodiscard]] Poignee Fd() const noexcept { return m_fd; }
    [[nodiscard]] bool Valide() const noexcept { return m_fd != PoigneeInvalide; }
    void Fermer() noexcept;

private:
    Poignee m_fd = PoigneeInvalide;
};

// Une fois déclenché, il réveille toutes les attentes qui le surveillent
// jusqu'à ce qu'on le vide.
class Reveil {
public:
    Reveil(); // lève ErreurPrise
    void Declencher() noexcept;
    void Vider() noexcept;
    [[nodiscard]] Poignee Fd() const noexcept { return m_lecture.Fd(); }

private:
    Descripteur m_lecture;
    Descripteur m_ecriture;
};

enum class Attente { Prete, Delai, Reveil };

// Attente sans limite de temps.
inline constexpr std::chrono::milliseconds SansFin{-1};

// Attend qu'une des prises soit lisible (une erreur ou un raccrochage
// comptent : l'appel suivant les dira) au plus `delai`, ou que le réveil
// (facultatif) soit déclenché ; pretes[i] dit si prises[i] l'est. Le réveil
// passe avant tout. Lève ErreurPrise si l'attente échoue.
Attente AttendrePrises(std::span<const Poignee> prises, std::span<bool> pretes, const Reveil* reveil,
                       std::chrono::milliseconds delai);
// Une prise d'un ensemble surveillé, en lecture ou en écriture ; Prete dit
// au retour si elle l'est (une erreur ou un raccrochage comptent).
struct PriseSurveillee {
    Poignee Prise = PoigneeInvalide;
    bool Ecriture = false;
    bool Prete = false;
};
// La même attente pour un nombre quelconque de prises, chacune dans son sens.
Attente AttendreEnsemble(std::span<PriseSurveillee> prises, const Reveil* reveil,
                         std::chrono::milliseconds delai);
// La même attente pour une seule prise, en lecture ou en écriture.
Attente AttendreLecture(Poignee fd, const Reveil* reveil, std::chrono::milliseconds delai);
Attente AttendreEcriture(Poignee fd, const Reveil* reveil, std::chrono::milliseconds delai);

// Écoute TCP sur l'adresse (vide : toutes, IPv6 et IPv4 ensemble quand la
// machine le permet) et le port (0 : un port libre). Lève ErreurPrise.
Descripteur Ecouter(const std::string& adresse, std::uint16_t port);
// Le port local d'une prise. Lève ErreurPrise.
std::uint16_t PortLocal(Poignee fd);
// Le client suivant de l'écoute ; invalide s'il n'y en a pas. ressourcesEpuisees
// dit alors si le système manque de descripteurs ou de mémoire (le client
// reste en file d'attente).
Descripteur Accepter(Poignee ecoute, bool& ressourcesEpuisees);

// Envoie tout le texte ; faux si le délai passe ou si le réveil sonne avant
// la fin. Lève ErreurPrise sur une erreur.
bool EnvoyerTout(Poignee fd, std::string_view donnees, const Reveil* reveil, std::chrono::milliseconds delai);
// Envoie ce que la prise accepte sans attendre : le nombre d'octets partis,
// -1 si elle n'en prend aucun pour l'instant. Lève ErreurPrise sur une erreur.
std::ptrdiff_t Envoyer(Poignee fd, std::string_view donnees);
// Ce qui est arrivé, au plus la taille de la zone : le nombre d'octets, 0 si
// le correspondant a fermé, -1 si rien n'est encore arrivé. Lève ErreurPrise.
std::ptrdiff_t Recevoir(Poignee fd, std::span<char> zone);

// Connexion TCP à hote:port, bornée par `delai` pour l'ensemble des adresses
// essayées. Invalide en cas d'échec.
Descripteur Connecter(const std::string& hote, std::uint16_t port, std::chrono::milliseconds delai,
                      const Reveil* reveil);

} // namespace pulsodex::net
