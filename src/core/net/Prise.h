#pragma once
// Petits outils de prises TCP (POSIX) : descripteur, réveil, attentes bornées.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/commun/Erreur.h"

namespace pulsodex::net {

// Échec d'un appel système sur une prise : son nom et son code errno.
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

// Descripteur de fichier fermé à la destruction.
class Descripteur {
public:
    Descripteur() = default;
    explicit Descripteur(int fd) noexcept : m_fd(fd) {}
    ~Descripteur() { Fermer(); }
    Descripteur(Descripteur&& autre) noexcept : m_fd(std::exchange(autre.m_fd, -1)) {}
    Descripteur& operator=(Descripteur&& autre) noexcept;
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;

    [[nodiscard]] int Fd() const noexcept { return m_fd; }
    [[nodiscard]] bool Valide() const noexcept { return m_fd >= 0; }
    void Fermer() noexcept;

private:
    int m_fd = -1;
};

// Un tube : une fois déclenché, il réveille toutes les attentes qui le
// surveillent jusqu'à ce qu'on le vide.
class Reveil {
public:
    Reveil(); // lève ErreurPrise
    void Declencher() noexcept;
    void Vider() noexcept;
    [[nodiscard]] int Fd() const noexcept { return m_lecture.Fd(); }

private:
    Descripteur m_lecture;
    Descripteur m_ecriture;
};

enum class Attente { Prete, Delai, Reveil };

// Attend que la prise soit lisible (ou inscriptible) au plus `delai`, ou que
// le réveil (facultatif) soit déclenché. Lève ErreurPrise si poll échoue.
Attente AttendreLecture(int fd, const Reveil* reveil, std::chrono::milliseconds delai);
Attente AttendreEcriture(int fd, const Reveil* reveil, std::chrono::milliseconds delai);

// Envoie tout le texte sur une prise non bloquante ; faux si le délai passe
// ou si le réveil sonne avant la fin. Lève ErreurPrise sur une erreur.
bool EnvoyerTout(int fd, std::string_view donnees, const Reveil* reveil, std::chrono::milliseconds delai);

// Connexion TCP non bloquante à hote:port, bornée par `delai` pour
// l'ensemble des adresses essayées. Descripteur invalide en cas d'échec.
Descripteur Connecter(const std::string& hote, std::uint16_t port, std::chrono::milliseconds delai,
                      const Reveil* reveil);

} // namespace pulsodex::net
