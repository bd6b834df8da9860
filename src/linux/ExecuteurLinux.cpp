#include "linux/ExecuteurLinux.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>

extern char** environ; // NOLINT(readability-redundant-declaration)

namespace pulsodex {

namespace {

constexpr std::size_t ErreursMax = 4096;

// Partagé entre l'appelant et le fil qui attend le programme.
struct Suivi {
    std::mutex Verrou;
    std::condition_variable Signal;
    pid_t Pid = -1;
    bool Fini = false;
    int Code = -1;
    std::string Erreurs;
};

std::vector<std::string> Environnement(const std::vector<std::string>& ajouts) {
    std::vector<std::string> resultat;
    for (char** e = environ; e != nullptr && *e != nullptr; ++e) {
        const std::string_view variable(*e);
        const std::string_view nom = variable.substr(0, variable.find('=') + 1);
        bool remplacee = false;
        for (const std::string& a : ajouts) {
            remplacee = remplacee || std::string_view(a).starts_with(nom);
        }
        if (!remplacee) {
            resultat.emplace_back(variable);
        }
    }
    resultat.insert(resultat.end(), ajouts.begin(), ajouts.end());
    return resultat;
}

std::vector<char*> Pointeurs(std::vector<std::string>& textes) {
    std::vector<char*> pointeurs;
    pointeurs.reserve(textes.size() + 1);
    for (std::string& t : textes) {
        pointeurs.push_back(t.data());
    }
    pointeurs.push_back(nullptr);
    return pointeurs;
}

// Attend la fin du programme sans le récupérer, lit ce qu'il a laissé dans le
// tube, marque la fin, puis seulement le récupère : tant que Fini est faux, son
// numéro ne peut être réutilisé et l'appelant peut le tuer sans risque.
void Attendre(const std::shared_ptr<Suivi>& suivi, int lecture) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(suivi->Pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    std::string erreurs;
    std::array<char, 512> tampon{};
    ssize_t lus = 0;
    while (erreurs.size() < ErreursMax && (lus = ::read(lecture, tampon.data(), tampon.size())) > 0) {
        erreurs.append(tampon.data(), static_cast<std::size_t>(lus));
    }
    ::close(lecture);
    {
        std::lock_guard verrou(suivi->Verrou);
        suivi->Code = info.si_code == CLD_EXITED ? info.si_status : 128 + info.si_status;
        suivi->Erreurs = std::move(erreurs);
        suivi->Fini = true;
    }
    suivi->Signal.notify_all();
    ::waitpid(suivi->Pid, nullptr, 0);
}

} // namespace

ResultatProgramme ExecuteurLinux::Executer(const CommandeProgramme& commande) {
    ResultatProgramme resultat;
    if (commande.Arguments.empty()) {
        resultat.ErreurLancement = EINVAL;
        return resultat;
    }
    std::array<int, 2> tube{-1, -1};
    if (::pipe2(tube.data(), O_CLOEXEC) != 0) {
        resultat.ErreurLancement = errno;
        return resultat;
    }
    // Lu après la fin du programme : jamais bloquant.
    ::fcntl(tube[0], F_SETFL, O_NONBLOCK);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, tube[1], 2);
    // Aucun autre de nos descripteurs (socket du port 1109, journaux) ne passe.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    // Signaux par défaut, aucun bloqué, et son propre groupe : un Ctrl+C donné
    // au tableau de bord n'atteint pas ce qu'il a lancé.
    posix_spawnattr_t attributs;
    posix_spawnattr_init(&attributs);
    sigset_t signaux;
    sigemptyset(&signaux);
    posix_spawnattr_setsigmask(&attributs, &signaux);
    sigfillset(&signaux);
    posix_spawnattr_setsigdefault(&attributs, &signaux);
    posix_spawnattr_setpgroup(&attributs, 0);
    posix_spawnattr_setflags(&attributs,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

    std::vector<std::string> arguments = commande.Arguments;
    std::vector<std::string> environnement = Environnement(commande.Environnement);
    const std::vector<char*> argv = Pointeurs(arguments);
    const std::vector<char*> envp = Pointeurs(environnement);
    pid_t pid = -1;
    const int erreur = ::posix_spawnp(&pid, argv[0], &actions, &attributs, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributs);
    ::close(tube[1]);
    if (erreur != 0) {
        ::close(tube[0]);
        resultat.ErreurLancement = erreur;
        return resultat;
    }
    resultat.Lance = true;

    auto suivi = std::make_shared<Suivi>();
    suivi->Pid = pid;
    try {
        std::thread([suivi, lecture = tube[0]] { Attendre(suivi, lecture); }).detach();
    } catch (const std::system_error&) {
        // Pas de fil pour l'attendre : on l'arrête et on le récupère ici.
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ::close(tube[0]);
        return resultat;
    }
    std::unique_lock verrou(suivi->Verrou);
    if (!suivi->Signal.wait_for(verrou, commande.Delai, [&] { return suivi->Fini; })) {
        ::kill(pid, SIGKILL);
        return resultat;
    }
    resultat.Termine = true;
    resultat.Code = suivi->Code;
    resultat.Erreurs = suivi->Erreurs;
    return resultat;
}

} // namespace pulsodex
