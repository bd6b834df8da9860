#include "linux/StockageFichier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

#include "core/commun/Textes.h"

namespace pulsodex {

namespace {

// La cause d'une erreur du système, en français.
std::string Cause(int erreur, bool dansLeDossier) {
    switch (erreur) {
    case EACCES:
    case EPERM:
        return dansLeDossier ? "le dossier n'est pas inscriptible" : "le fichier est en lecture seule";
    case EROFS:
        return "le système de fichiers est en lecture seule";
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein";
    case EIO:
        return "erreur d'entrée-sortie du disque";
    case ENOENT:
    case ENOTDIR:
        return "le dossier n'existe pas";
    default:
        return "erreur d'écriture (code " + std::to_string(erreur) + ")";
    }
}

bool MemeFichier(int fd, const std::string& chemin) {
    struct stat ouvert {};
    struct stat nomme {};
    return ::fstat(fd, &ouvert) == 0 && ::stat(chemin.c_str(), &nomme) == 0 &&
           ouvert.st_dev == nomme.st_dev && ouvert.st_ino == nomme.st_ino;
}

std::chrono::system_clock::time_point Modification(int fd) {
    struct stat etat {};
    if (::fstat(fd, &etat) != 0) {
        return {};
    }
    const auto depuis =
        std::chrono::seconds(etat.st_mtim.tv_sec) + std::chrono::nanoseconds(etat.st_mtim.tv_nsec);
    return std::chrono::system_clock::time_point(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(depuis));
}

// Écrit tout, pousse sur le disque et ferme ; l'errno du premier échec, 0 sinon.
int EcrireTout(int fd, std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t ecrits = ::write(fd, octets.data(), octets.size());
        if (ecrits < 0 && errno == EINTR) {
            continue;
        }
        if (ecrits <= 0) {
            const int erreur = ecrits < 0 ? errno : ENOSPC;
            ::close(fd);
            return erreur;
        }
        octets.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    const int synchro = ::fsync(fd) == 0 ? 0 : errno;
    const int fermeture = ::close(fd) == 0 ? 0 : errno;
    return synchro != 0 ? synchro : fermeture;
}

} // namespace

std::chrono::system_clock::time_point TempsVerrouSysteme::Maintenant() const {
    return std::chrono::system_clock::now();
}

void TempsVerrouSysteme::Patienter(std::chrono::milliseconds duree) {
    std::this_thread::sleep_for(duree);
}

StockageFichier::StockageFichier(const std::string& chemin, TempsVerrou& temps)
    : m_chemin(std::filesystem::absolute(chemin).lexically_normal().string()), m_temps(temps) {}

StockageFichier::~StockageFichier() {
    Deverrouiller();
}

std::string StockageFichier::Reel() const {
    std::error_code erreur;
    const auto cible = std::filesystem::canonical(m_chemin, erreur);
    return erreur ? m_chemin : cible.string();
}

std::string StockageFichier::Echec(std::string_view cause) const {
    return "« " + m_chemin + " » : " + std::string(cause);
}

void StockageFichier::Signaler(EtapeEcriture etape) const {
    if (Observateur) {
        Observateur(etape);
    }
}

ContenuReglages StockageFichier::Lire() {
    const int fd = ::open(Reel().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return {};
        }
        return {std::nullopt, Echec(errno == EACCES ? "le fichier ne peut pas être lu (lecture refusée)"
                                                    : "le fichier ne peut pas être lu")};
    }
    std::string octets;
    char tampon[8192];
    for (;;) {
        const ssize_t lus = ::read(fd, tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) {
            continue;
        }
        if (lus < 0) {
            ::close(fd);
            return {std::nullopt, Echec("le fichier ne peut pas être lu")};
        }
        if (lus == 0) {
            break;
        }
        octets.append(tampon, static_cast<std::size_t>(lus));
    }
    ::close(fd);
    return {std::move(octets), {}};
}

std::string StockageFichier::Verrouiller() {
    Deverrouiller();
    const std::filesystem::path fichier = Reel();
    std::error_code dossier;
    std::filesystem::create_directories(fichier.parent_path(), dossier);
    if (dossier) {
        return Echec(Cause(dossier.value(), true));
    }
    m_cheminVerrou = fichier.string() + ".lock";
    int bloque = 0; // observations successives d'un verrou tenu depuis trop longtemps
    int pauses = 0;
    for (int tour = 0; tour < 4 * PausesMax; ++tour) {
        const int fd = ::open(m_cheminVerrou.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            return Echec(Cause(errno, true));
        }
        const bool pris = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        // Un système de fichiers sans flock : écrire sans verrou plutôt que jamais.
        if (pris || errno != EWOULDBLOCK) {
            if (!pris || MemeFichier(fd, m_cheminVerrou)) {
                // L'âge du verrou part de sa prise ; son détenteur y est nommé.
                const std::string pid = std::to_string(::getpid()) + "\n";
                [[maybe_unused]] const bool marque =
                    ::ftruncate(fd, 0) == 0 && ::pwrite(fd, pid.data(), pid.size(), 0) > 0;
                m_verrou = fd;
                Signaler(EtapeEcriture::VerrouPris);
                return {};
            }
            ::close(fd); // retiré par son détenteur entre l'ouverture et la prise
            continue;
        }
        // Deux observations à une pause d'écart : un verrou tout juste pris n'a
        // pas encore rafraîchi son âge.
        bloque = m_temps.Maintenant() - Modification(fd) > AgeBloque ? bloque + 1 : 0;
        if (bloque >= 2 && MemeFichier(fd, m_cheminVerrou)) {
            ::unlink(m_cheminVerrou.c_str());
            ::close(fd);
            ++m_reprises;
            continue;
        }
        ::close(fd);
        if (pauses == PausesMax) {
            break;
        }
        m_temps.Patienter(Pause);
        ++pauses;
        ++m_attentes;
    }
    return Echec("un autre programme écrit ce fichier en ce moment");
}

void StockageFichier::Deverrouiller() {
    if (m_verrou < 0) {
        return;
    }
    if (MemeFichier(m_verrou, m_cheminVerrou)) {
        ::unlink(m_cheminVerrou.c_str());
    }
    ::close(m_verrou);
    m_verrou = -1;
}

std::string StockageFichier::Remplacer(std::string_view octets) {
    const std::string fichier = Reel();
    struct stat etat {};
    const bool existe = ::stat(fichier.c_str(), &etat) == 0;
    if (existe && ::access(fichier.c_str(), W_OK) != 0) {
        return Echec(Cause(errno, false));
    }
    const std::string temporaire = fichier + ".ecriture";
    ::unlink(temporaire.c_str());
    const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Echec(Cause(errno, true));
    }
    // Les droits du fichier remplacé restent les siens.
    [[maybe_unused]] const bool droits = !existe || ::fchmod(fd, etat.st_mode & 07777) == 0;
    int erreur = EcrireTout(fd, octets);
    if (erreur == 0) {
        Signaler(EtapeEcriture::TemporaireEcrit);
        erreur = ::rename(temporaire.c_str(), fichier.c_str()) == 0 ? 0 : errno;
    }
    if (erreur != 0) {
        ::unlink(temporaire.c_str());
        return Echec(Cause(erreur, true));
    }
    Signaler(EtapeEcriture::FichierRemplace);
    return {};
}

CopieReglages StockageFichier::GarderCopie(std::string_view octets, const DateHeure& moment) {
    const std::string base = Reel() + ".illisible-" + Chiffres(moment.Annee, 4) + "-" +
                             Chiffres(moment.Mois, 2) + "-" + Chiffres(moment.Jour, 2) + "-" +
                             Chiffres(moment.Heure, 2) + Chiffres(moment.Minute, 2) +
                             Chiffres(moment.Seconde, 2);
    for (int numero = 1; numero <= 1000; ++numero) {
        const std::string copie = numero == 1 ? base : base + "-" + std::to_string(numero);
        const int fd = ::open(copie.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        if (fd < 0) {
            return {{}, Cause(errno, true)};
        }
        if (const int erreur = EcrireTout(fd, octets); erreur != 0) {
            ::unlink(copie.c_str());
            return {{}, Cause(erreur, true)};
        }
        return {copie, {}};
    }
    return {{}, "mille copies portent déjà ce nom"};
}

} // namespace pulsodex
