#pragma once
// Écran, mesure des textes et noms du système vus par Qt.
#include "core/interfaces/Ecran.h"
#include "core/interfaces/InfosSysteme.h"
#include "core/interfaces/MesureurTexte.h"

namespace pulsodex {

class Plateforme;

// Vrai quand un greffon d'affichage de Qt dont le nom commence par « nom »
// est installé (appelable avant la création de l'application).
bool GreffonAffichagePresent(const char* nom);

class EcranQt final : public Ecran {
public:
    [[nodiscard]] TailleEcran Taille() const override;
    [[nodiscard]] std::vector<Rectangle> ZonesTravail() const override;
};

class MesureurTexteQt final : public MesureurTexte {
public:
    [[nodiscard]] int HauteurTexte(const Police& police, std::string_view texte) const override;
};

// Le nom du système vient de la plateforme ; le reste, de Qt.
class InfosSystemeQt final : public InfosSysteme {
public:
    explicit InfosSystemeQt(const Plateforme& plateforme) : m_plateforme(plateforme) {}
    [[nodiscard]] std::string WinVer() const override;
    [[nodiscard]] std::string GetCommonControlsVersion() const override;
    [[nodiscard]] bool Windows2000() const override;

private:
    const Plateforme& m_plateforme;
};

} // namespace pulsodex
