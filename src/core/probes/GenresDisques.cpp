#include "core/probes/GenresDisques.h"

#include <algorithm>
#include <iterator>

namespace pulsodex {

namespace {

// Taille du tampon du nom distant, zéro final compris.
constexpr std::size_t NomDistantMax = 250;

// Partages du noyau, et dossiers d'hôtes des machines virtuelles.
constexpr std::string_view TypesReseau[] = {"nfs",   "nfs4",      "cifs",     "smb3",   "smbfs",  "ncpfs",
                                            "9p",    "ceph",      "afs",      "coda",   "lustre", "davfs",
                                            "sshfs", "glusterfs", "virtiofs", "vboxsf", "vmhgfs"};
// Partages par FUSE.
constexpr std::string_view TypesReseauFuse[] = {"sshfs", "davfs2",  "glusterfs", "ceph-fuse", "rclone",
                                                "s3fs",  "gcsfuse", "curlftpfs", "smbnetfs",  "vmhgfs-fuse"};

constexpr std::string_view TypesDisque[] = {"ext2",     "ext3", "ext4",    "xfs",   "btrfs",    "zfs",
                                            "f2fs",     "vfat", "msdos",   "exfat", "ntfs",     "ntfs3",
                                            "fuseblk",  "hfs",  "hfsplus", "jfs",   "reiserfs", "nilfs2",
                                            "bcachefs", "ufs",  "minix"};

constexpr std::string_view TypesVirtuels[] = {
    "proc",       "sysfs",        "cgroup",   "cgroup2",  "devpts",    "devtmpfs",        "securityfs",
    "debugfs",    "tracefs",      "pstore",   "bpf",      "mqueue",    "hugetlbfs",       "configfs",
    "fusectl",    "binfmt_misc",  "autofs",   "efivarfs", "selinuxfs", "rpc_pipefs",      "nsfs",
    "overlay",    "aufs",         "squashfs", "rootfs",   "nfsd",      "fuse.gvfsd-fuse", "fuse.portal",
    "fuse.lxcfs", "fuse.snapfuse"};

// Dossiers du système : aucun de leurs montages ne reçoit de lettre d'office.
constexpr std::string_view DossiersSysteme[] = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"};

template <std::size_t N>
bool Parmi(const std::string_view (&liste)[N], std::string_view valeur) {
    return std::find(std::begin(liste), std::end(liste), valeur) != std::end(liste);
}

bool EstMemoireVive(std::string_view type) {
    return type == "tmpfs" || type == "ramfs";
}

bool EstHote(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == '@' || c == '%';
}

} // namespace

bool EstSourceReseau(std::string_view source) {
    if (source.starts_with("//")) {
        return source.size() > 2 && source[2] != '/';
    }
    // « [fe80::1]:/export » : une adresse IPv6 entre crochets.
    if (source.starts_with('[')) {
        const std::size_t fin = source.find("]:");
        return fin != std::string_view::npos && fin > 1 &&
               std::all_of(source.begin() + 1, source.begin() + static_cast<std::ptrdiff_t>(fin),
                           [](char c) { return EstHote(c) || c == ':'; });
    }
    const std::size_t fin = source.find(':');
    return fin != std::string_view::npos && fin > 0 &&
           std::all_of(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(fin), EstHote);
}

bool EstReseau(const Montage& m) {
    if (Parmi(TypesReseau, m.Type) ||
        (m.Type.starts_with("fuse.") && Parmi(TypesReseauFuse, m.Type.substr(5)))) {
        return true;
    }
    const bool typeConnu =
        Parmi(TypesDisque, m.Type) || Parmi(TypesVirtuels, m.Type) || EstMemoireVive(m.Type);
    return !typeConnu && EstSourceReseau(m.Source);
}

bool EstAutofs(const Montage& m) {
    return m.Type == "autofs";
}

std::string LibelleReseau(std::string_view source) {
    if (source.empty() || source == "none" || source.size() >= NomDistantMax) {
        return std::string(ConnexionReseau);
    }
    std::string libelle(ConnexionReseau);
    libelle += ' ';
    libelle += source;
    return libelle;
}

std::string GenreMontage(const Montage& m, const std::optional<PeripheriqueBloc>& bloc) {
    if (EstReseau(m)) {
        return LibelleReseau(m.Source);
    }
    if (EstMemoireVive(m.Type)) {
        return std::string(DisqueMemoireVive);
    }
    const bool optique = m.Type == "iso9660" || m.Type == "udf" || m.Source.starts_with("/dev/sr") ||
                         (bloc && bloc->Nom.starts_with("sr"));
    if (optique) {
        return std::string(Cederom);
    }
    if (bloc) {
        return std::string(bloc->Amovible ? DisqueAmovible : DisqueLocal);
    }
    if (Parmi(TypesDisque, m.Type) || m.Source.starts_with("/dev/")) {
        return std::string(DisqueLocal);
    }
    return std::string(UniteInconnue);
}

std::string GenreTypeLecteur(std::uint32_t type, std::string_view distant) {
    switch (type) {
    case 1:
        return std::string(UniteInvalide);
    case 2:
        return std::string(DisqueAmovible);
    case 3:
        return std::string(DisqueLocal);
    case 4:
        return LibelleReseau(distant);
    case 5:
        return std::string(Cederom);
    case 6:
        return std::string(DisqueMemoireVive);
    default:
        return std::string(UniteInconnue);
    }
}

bool EstMontageReel(const Montage& m) {
    if (m.Type.empty() || Parmi(TypesVirtuels, m.Type)) {
        return false;
    }
    const bool systeme = !EstSous(m.Point, "/run/media") &&
                         std::any_of(std::begin(DossiersSysteme), std::end(DossiersSysteme),
                                     [&](std::string_view dossier) { return EstSous(m.Point, dossier); });
    return !systeme && (m.Racine == "/" || m.Type == "btrfs" || EstReseau(m));
}

} // namespace pulsodex
