#include "linux/LanceurLinux.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace pulsodex {

std::vector<std::string> DecouperParametres(std::string_view p) {
    std::vector<std::string> mots;
    std::string mot;
    bool dansMot = false;
    bool citation = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (!citation && (c == ' ' || c == '\t')) {
            if (dansMot) {
                mots.push_back(std::move(mot));
                mot.clear();
                dansMot = false;
            }
            continue;
        }
        dansMot = true;
        if (c == '\\') {
            std::size_t n = 0;
            while (i + n < p.size() && p[i + n] == '\\') {
                ++n;
            }
            if (i + n < p.size() && p[i + n] == '"') {
                // 2n barres puis « " » : n barres et le guillemet agit ;
                // 2n + 1 : n barres et un guillemet littéral.
                mot.append(n / 2, '\\');
                if (n % 2 == 1) {
                    mot += '"';
                    i += n;
                } else {
                    i += n - 1;
                }
            } else {
                mot.append(n, '\\');
                i += n - 1;
            }
        } else if (c == '"') {
            if (citation && i + 1 < p.size() && p[i + 1] == '"') {
                mot += '"'; // deux guillemets dans une citation : un guillemet
                ++i;
            } else {
                citation = !citation;
            }
        } else {
            mot += c;
        }
    }
    if (dansMot) {
        mots.push_back(std::move(mot));
    }
    return mots;
}

std::string CheminProgramme(std::string_view fichier) {
    if (fichier.find('/') != std::string_view::npos) {
        return std::string(fichier);
    }
    const char* path = std::getenv("PATH");
    std::string_view dossiers = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!dossiers.empty()) {
        const std::size_t fin = dossiers.find(':');
        const std::string_view dossier = dossiers.substr(0, fin);
        std::string candidat = std::string(dossier.empty() ? "." : dossier) + "/" + std::string(fichier);
        if (::access(candidat.c_str(), X_OK) == 0) {
            return candidat;
        }
        dossiers.remove_prefix(fin == std::string_view::npos ? dossiers.size() : fin + 1);
    }
    return {};
}

int DemarrerDetache(const std::vector<std::string>& argv, const std::string& repertoire) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    // Un tube fermé à l'exec rapporte l'échec du petit-enfant.
    int tube[2];
    if (::pipe2(tube, O_CLOEXEC) != 0) {
        return errno;
    }
    const pid_t enfant = ::fork();
    if (enfant < 0) {
        const int erreur = errno;
        ::close(tube[0]);
        ::close(tube[1]);
        return erreur;
    }
    if (enfant == 0) {
        // Seuls des appels sûrs après fork jusqu'à l'exec.
        ::setsid();
        const pid_t petit = ::fork();
        if (petit < 0) {
            // Pas de petit-enfant : l'échec est rapporté, pas un succès.
            const int erreur = errno;
            [[maybe_unused]] const ssize_t n = ::write(tube[1], &erreur, sizeof erreur);
            ::_exit(127);
        }
        if (petit > 0) {
            ::_exit(0);
        }
        sigset_t vide;
        sigemptyset(&vide);
        ::sigprocmask(SIG_SETMASK, &vide, nullptr);
        for (int s = 1; s < NSIG; ++s) {
            ::signal(s, SIG_DFL);
        }
        // Aucun de nos descripteurs (socket 1109, journaux) ne passe.
        if (::close_range(3, static_cast<unsigned>(tube[1]) - 1U, 0) != 0 ||
            ::close_range(static_cast<unsigned>(tube[1]) + 1U, ~0U, 0) != 0) {
            for (int fd = 3; fd < 4096; ++fd) {
                if (fd != tube[1]) {
                    ::close(fd);
                }
            }
        }
        int erreur = 0;
        if (!repertoire.empty() && ::chdir(repertoire.c_str()) != 0) {
            erreur = errno;
        } else {
            ::execv(args[0], args.data());
            erreur = errno;
        }
        [[maybe_unused]] const ssize_t n = ::write(tube[1], &erreur, sizeof erreur);
        ::_exit(127);
    }
    ::close(tube[1]);
    int statut = 0;
    while (::waitpid(enfant, &statut, 0) < 0 && errno == EINTR) {
    }
    int erreur = 0;
    ssize_t lu = 0;
    do {
        lu = ::read(tube[0], &erreur, sizeof erreur);
    } while (lu < 0 && errno == EINTR);
    ::close(tube[0]);
    return lu == static_cast<ssize_t>(sizeof erreur) ? erreur : 0;
}

namespace {
int CodeDe(int erreur) {
    switch (erreur) {
    case 0:
        return LancementReussi;
    case ENOENT:
    case ENOTDIR:
        return 2;
    case EACCES:
    case EPERM:
        return 5;
    case ENOEXEC:
        return 11;
    case ENOMEM:
        return 8;
    default:
        return 0;
    }
}
} // namespace

int LanceurLinux::ShellExecute(std::string_view, std::string_view fichier, std::string_view parametres,
                               std::string_view repertoire, ModeFenetre) {
    const std::string dossier(repertoire);
    if (!dossier.empty()) {
        struct stat infos {};
        if (::stat(dossier.c_str(), &infos) != 0 || !S_ISDIR(infos.st_mode)) {
            return 3;
        }
    }
    std::string chemin = CheminProgramme(fichier);
    if (!chemin.empty() && chemin.front() != '/' && !dossier.empty()) {
        // Un chemin relatif se lit depuis le dossier de travail demandé.
        chemin = dossier + "/" + chemin;
    }
    struct stat infos {};
    if (chemin.empty() || ::stat(chemin.c_str(), &infos) != 0) {
        return 2;
    }
    const bool executable = S_ISREG(infos.st_mode) && ::access(chemin.c_str(), X_OK) == 0;
    if (!executable) {
        // Document ou dossier : l'application associée du bureau.
        if (::access(chemin.c_str(), R_OK) != 0) {
            return 5;
        }
        const std::string ouvrir = CheminProgramme("xdg-open");
        if (ouvrir.empty()) {
            return 31;
        }
        char absolu[PATH_MAX];
        if (::realpath(chemin.c_str(), absolu) == nullptr) {
            return 2;
        }
        return CodeDe(DemarrerDetache({ouvrir, absolu}, dossier));
    }
    std::vector<std::string> mots = DecouperParametres(parametres);
    std::vector<std::string> argv;
    argv.reserve(mots.size() + 1);
    argv.push_back(chemin);
    for (std::string& mot : mots) {
        argv.push_back(std::move(mot));
    }
    return CodeDe(DemarrerDetache(argv, dossier));
}

} // namespace pulsodex
