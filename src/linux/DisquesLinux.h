#pragma once
// Versions Linux des accès de la couche des disques : statvfs, mountinfo et
// fstab, /sys/block, descripteurs ouverts de /proc.
#include <string>
#include <string_view>

#include "core/probes/InterfacesDisques.h"
#include "linux/FichierProc.h"

namespace pulsodex {

// Taille = f_blocks × f_frsize, libre = f_bfree × f_frsize (bornés à 2^63 - 1).
class SondeEspaceStatvfs : public SondeEspace {
public:
    ReponseSonde Interroger(const std::string& chemin) override;
};

// Lit mountinfo et fstab, puis ne les relit que quand le noyau signale un
// changement de la table des montages.
class MontagesProc : public SourceMontages {
public:
    explicit MontagesProc(std::string mountinfo = "/proc/self/mountinfo", std::string fstab = "/etc/fstab");
    const TableMontages& Table() override;

private:
    FichierProc m_mountinfo;
    std::string m_cheminFstab;
    bool m_lue = false;
    TableMontages m_table;
};

// Le disque d'un montage dans <racine>/block : par majeur:mineur, sinon par le
// nom de la source /dev/… ; une partition donne son disque.
class BlocsSys : public InfosBlocs {
public:
    explicit BlocsSys(std::string racine = "/sys") : m_racine(std::move(racine)) {}
    [[nodiscard]] std::optional<PeripheriqueBloc> Chercher(const Montage& m) const override;

private:
    std::string m_racine;
};

// Un processus visible a-t-il un fichier ouvert sous ce point ? Lit les liens
// <racineProc>/<pid>/fd/* sans toucher le montage ; les processus des autres
// utilisateurs, illisibles, ne comptent pas.
bool FichiersOuvertsSous(const std::string& racineProc, std::string_view point);

} // namespace pulsodex
