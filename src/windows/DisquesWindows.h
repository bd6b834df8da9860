#pragma once
// Les lecteurs de Windows : leurs lettres (GetLogicalDrives), chacun sa propre
// racine « X:\ » dans la table des montages, leur genre (GetDriveType et
// WNetGetConnection), leur espace (GetDiskFreeSpaceEx, interrogé par les fils
// bornés des sondes : un lecteur réseau mort ne bloque jamais l'interface) et
// la déconnexion d'un lecteur réseau (WNetCancelConnection2).
#include <cstdint>
#include <string>

#include "core/plateforme/Deconnecteur.h"
#include "core/plateforme/InfosBlocs.h"
#include "core/plateforme/SondeEspace.h"
#include "core/plateforme/SourceMontages.h"
#include "core/probes/CarteLecteurs.h"

namespace pulsodex {

// Chaque lettre présente désigne sa racine : C = « C:\ ».
CarteLecteurs LecteursDuSysteme();

// La table n'est refaite que quand l'ensemble des lettres change.
class MontagesWindows final : public SourceMontages {
public:
    const TableMontages& Table() override;

private:
    std::uint32_t m_lettres = 0;
    bool m_lue = false;
    TableMontages m_table;
};

// Le nom distant d'un lecteur réseau (« \\serveur\partage ») ; vide sinon.
std::string NomDistant(char lettre);

class BlocsWindows final : public InfosBlocs {
public:
    // Un disque (amovible ou non) ou un cédérom : son nom « C: ».
    [[nodiscard]] std::optional<PeripheriqueBloc> Chercher(const Montage& m) const override;
    [[nodiscard]] std::string Genre(const Montage& m,
                                    const std::optional<PeripheriqueBloc>& bloc) const override;
};

class SondeEspaceWindows final : public SondeEspace {
public:
    ReponseSonde Interroger(const std::string& chemin) override;
};

// Rend le code de Windows tel quel (0, 1200, 2250, 2401, 2404…).
class DeconnexionWindows final : public Deconnecteur {
public:
    std::uint32_t WNetCancelConnection2A(const CarteLecteurs& carte, std::string_view nomLocal) override;
};

} // namespace pulsodex
