#include "core/app/Jauge.h"

#include "core/app/CycleRafraichissement.h"
#include "core/commun/Trace.h"
#include "core/config/TConfig.h"
#include "core/probes/Formats.h"
#include "core/probes/Memoire.h"

namespace pulsodex {

Barre CalculerBarre(std::uint8_t pourcent, bool inverse, int largeur, const TConfig& c) {
    TraceProcedure trace("SetImagePourcent");
    Barre b;
    int p = pourcent;
    b.Couleur = p <= 20    ? c.Couleur0To20
                : p <= 40  ? c.Couleur21To40
                : p <= 60  ? c.Couleur41To60
                : p <= 100 ? c.Couleur61To100
                           : c.CouleurFond;
    if (inverse) {
        p = 100 - p;
    }
    b.Longueur = p > 0 ? p * largeur / 100 : 0;
    return b;
}

Point PositionLegende(int largeur, int hauteur, int largeurTexte, int hauteurTexte) {
    return {(largeur + 1 - largeurTexte) / 2, (hauteur + 1 - hauteurTexte) / 2};
}

std::int32_t CouleurActivite(Activite mode, const TConfig& c) {
    switch (mode) {
    case Activite::Ecriture:
        return c.CouleurEcriture;
    case Activite::Suppression:
        return c.CouleurSuppression;
    default:
        return c.CouleurFond;
    }
}

namespace {
// Une jauge de taux : la barre montre la part restante.
ContenuJauge Taux(bool jauge, bool inverse, std::uint8_t taux, const char* libelle) {
    return {jauge ? static_cast<std::uint8_t>(100 - taux) : std::uint8_t{0}, inverse,
            libelle + std::to_string(taux) + " %"};
}
} // namespace

ContenuJauge Contenu(JaugeFixe jauge, const TConfig& c, const Echantillons& e, const FormatNombres& format) {
    ContenuJauge r;
    switch (jauge) {
    case JaugeFixe::Mem: {
        TraceProcedure trace("TPulsodexForm.MemPaintBoxPaint");
        r.Pourcent = c.JaugeMem ? SondesMemoire::GetMemPercent(e.MemLibre, e.TotalMem) : 0;
        r.Inverse = c.MemInverse;
        r.Legende =
            e.MemLibre > 0 ? ChaineMemoire(e.MemLibre, c.ModeAffichageMemoire, format) : "Mémoire remplie !";
        break;
    }
    case JaugeFixe::RealMem: {
        TraceProcedure trace("TPulsodexForm.RealMemPaintBoxPaint");
        r.Pourcent =
            c.JaugeMemPhysique ? SondesMemoire::GetMemPercent(e.MemPhysiqueLibre, e.TotalRealMem) : 0;
        r.Inverse = c.MemPhysiqueInverse;
        r.Legende = e.MemPhysiqueLibre > 0 ? ChaineMemoire(e.MemPhysiqueLibre, c.ModeAffichageMemoire, format)
                                           : "Mémoire physique remplie";
        break;
    }
    case JaugeFixe::MemoryLoad: {
        TraceProcedure trace("TPulsodexForm.MemoryLoadPaintBoxPaint");
        return Taux(c.JaugeMemoryLoad, c.MemoryLoadInverse, e.TauxMemoire, "Utilisation mémoire : ");
    }
    case JaugeFixe::Cpu: {
        TraceProcedure trace("TPulsodexForm.CpuPaintBoxPaint");
        return Taux(c.JaugeCpu, c.CpuInverse, e.ChargeCpu, "Utilisation CPU : ");
    }
    case JaugeFixe::CpuMoy: {
        TraceProcedure trace("TPulsodexForm.CpuMoyPaintBoxPaint");
        return Taux(c.JaugeCpuMoy, c.CpuMoyInverse, e.ChargeCpuMoyenne, "Moyenne CPU : ");
    }
    }
    return r;
}

} // namespace pulsodex
