#include "core/config/ReglagesSimples.h"

#include <algorithm>
#include <array>

#include "core/commun/Textes.h"
#include "core/config/TConfig.h"

namespace pulsodex {

namespace {

using enum LieuReglage;
using C = TConfig;

constexpr bool PasSauve = false;
constexpr std::size_t TexteMax = 255;

constexpr ReglageSimple OuiNon(LieuReglage lieu, std::string_view nom, bool C::*champ,
                               std::string_view defaut, bool sauve = true) {
    return {lieu, nom, champ, defaut, sauve};
}

constexpr ReglageSimple Texte(LieuReglage lieu, std::string_view nom, std::string C::*champ,
                              std::string_view defaut, std::size_t longueurMax = 0) {
    ReglageSimple r{lieu, nom, champ, defaut};
    r.LongueurMax = longueurMax;
    return r;
}

template <typename Entier>
constexpr ReglageSimple Nombre(LieuReglage lieu, std::string_view nom, Entier C::*champ,
                               std::string_view defaut, std::int64_t min = std::numeric_limits<Entier>::min(),
                               std::int64_t max = std::numeric_limits<Entier>::max()) {
    ReglageSimple r{lieu, nom, champ, defaut};
    r.Min = min;
    r.Max = max;
    return r;
}

// Dans l'ordre du chargement.
const std::array Table{
    Texte(Racine, "Proxy", &C::Proxy, ""),
    Nombre(Racine, "PortProxy", &C::PortProxy, "8080"),
    OuiNon(Racine, "MultiResolution", &C::MultiResolution, "Oui", PasSauve), // SauveMultiResolution

    OuiNon(Resolution, "Date", &C::Date, "Oui"),
    OuiNon(Resolution, "Heure", &C::Heure, "Oui"),
    OuiNon(Resolution, "Mem", &C::Mem, "Oui"),
    OuiNon(Resolution, "MemPhysique", &C::MemPhysique, "Oui"),
    OuiNon(Resolution, "MemoryLoad", &C::MemoryLoad, "Oui"),
    OuiNon(Resolution, "ChargeProcesseur", &C::ChargeProcesseur, "Non"),
    OuiNon(Resolution, "MoyenneChargeProcesseur", &C::MoyenneChargeProcesseur, "Non"),
    OuiNon(Resolution, "TotalDisque", &C::TotalDisque, "Non"),

    OuiNon(Jauges, "Mem", &C::JaugeMem, "Oui"),
    OuiNon(Jauges, "MemPhysique", &C::JaugeMemPhysique, "Oui"),
    OuiNon(Jauges, "MemoryLoad", &C::JaugeMemoryLoad, "Oui"),
    OuiNon(Jauges, "Cpu", &C::JaugeCpu, "Oui"),
    OuiNon(Jauges, "CpuMoy", &C::JaugeCpuMoy, "Oui"),
    OuiNon(Jauges, "Disque", &C::JaugeDisque, "Oui"),
    OuiNon(Jauges, "MemInverse", &C::MemInverse, "Non"),
    OuiNon(Jauges, "MemPhysiqueInverse", &C::MemPhysiqueInverse, "Non"),
    OuiNon(Jauges, "MemoryLoadInverse", &C::MemoryLoadInverse, "Non"),
    OuiNon(Jauges, "CpuInverse", &C::CpuInverse, "Oui"),
    OuiNon(Jauges, "CpuMoyInverse", &C::CpuMoyInverse, "Oui"),
    OuiNon(Jauges, "DisqueInverse", &C::DisqueInverse, "Non"),

    Texte(Resolution, "ListeDisques", &C::ListeDisques, "C", TexteMax),
    OuiNon(Resolution, "IndicateurRemplissageDisque", &C::IndicateurRemplissageDisque, "Oui"),
    Texte(Resolution, "OuvertureDisque", &C::OuvertureDisque, "open"),
    Nombre(Resolution, "CouleurFond", &C::CouleurFond, "-2147483633"), // 0x8000000F, face des boutons
    Nombre(Resolution, "TempsMoyenneChargeProcesseur", &C::TempsMoyenneChargeProcesseur, "1"),
    OuiNon(Resolution, "Transparence", &C::Transparence, "Non"),
    Nombre(Resolution, "TauxTransparence", &C::TauxTransparence, "255", 0, 255),
    OuiNon(Resolution, "AuDessus", &C::AuDessus, "Non"),
    Nombre(Resolution, "Rafraichissement", &C::Rafraichissement, "1000"),
    Nombre(Resolution, "Couleur61To100", &C::Couleur61To100, "32768"),
    Nombre(Resolution, "Couleur41To60", &C::Couleur41To60, "32896"),
    Nombre(Resolution, "Couleur21To40", &C::Couleur21To40, "16512"),
    Nombre(Resolution, "Couleur0To20", &C::Couleur0To20, "128"),
    Nombre(Resolution, "CouleurEcriture", &C::CouleurEcriture, "128"),
    Nombre(Resolution, "CouleurSuppression", &C::CouleurSuppression, "32768"),
    Texte(Resolution, "ChaineDate", &C::ChaineDate, "dd/mm/yyyy", TexteMax),
    Texte(Resolution, "ChaineHeure", &C::ChaineHeure, "hh:nn", TexteMax),
    Nombre(Resolution, "RepeterAvertir", &C::RepeterAvertir, "60", -1, 127),
    OuiNon(Resolution, "Sons", &C::Sons, "Oui"),
    OuiNon(Resolution, "ModeServeur", &C::ModeServeur, "Oui", PasSauve),   // jamais écrit
    OuiNon(Resolution, "Verrouillage", &C::Verrouillage, "Non", PasSauve), // SauveVerrouillage
};

std::string Section(const TConfig& config, LieuReglage lieu) {
    switch (lieu) {
    case Racine:
        return {};
    case Jauges:
        return "Jauges";
    default:
        return config.Section();
    }
}

// Une valeur de la table, lue selon le type de son champ.
void Lire(TConfig& config, const std::string& section, const ReglageSimple& r, bool& valeur) {
    valeur = config.MyReadBool(section, r.Nom, r.Defaut);
}

void Lire(TConfig& config, const std::string& section, const ReglageSimple& r, std::string& valeur) {
    std::string texte = config.Reg().ReadString(section, r.Nom, r.Defaut);
    valeur = r.LongueurMax != 0 ? TronquerCaracteres(texte, r.LongueurMax) : std::move(texte);
}

template <typename Entier>
void Lire(TConfig& config, const std::string& section, const ReglageSimple& r, Entier& valeur) {
    const std::int64_t min = std::max<std::int64_t>(r.Min, std::numeric_limits<Entier>::min());
    const std::int64_t max = std::min<std::int64_t>(r.Max, std::numeric_limits<Entier>::max());
    const std::int64_t defaut = LireEntierDecimal(r.Defaut).value_or(0);
    valeur = static_cast<Entier>(config.Reg().ReadBorne(section, r.Nom, defaut, min, max));
}

// Et écrite : « Oui »/« Non », le texte, le nombre en décimal.
void Ecrire(TConfig& config, const std::string& section, const ReglageSimple& r, bool valeur) {
    config.MyWriteBool(section, r.Nom, valeur);
}

void Ecrire(TConfig& config, const std::string& section, const ReglageSimple& r, const std::string& valeur) {
    config.Reg().WriteString(section, r.Nom, valeur);
}

template <typename Entier>
void Ecrire(TConfig& config, const std::string& section, const ReglageSimple& r, Entier valeur) {
    config.Reg().WriteInteger(section, r.Nom, valeur);
}

} // namespace

std::span<const ReglageSimple> ReglagesSimples() {
    return Table;
}

void ChargerReglagesSimples(TConfig& config) {
    for (const ReglageSimple& r : Table) {
        const std::string section = Section(config, r.Lieu);
        std::visit([&](auto champ) { Lire(config, section, r, config.*champ); }, r.Champ);
    }
}

void SauverReglagesSimples(TConfig& config) {
    for (const ReglageSimple& r : Table) {
        if (r.Sauve) {
            const std::string section = Section(config, r.Lieu);
            std::visit([&](auto champ) { Ecrire(config, section, r, config.*champ); }, r.Champ);
        }
    }
}

} // namespace pulsodex
