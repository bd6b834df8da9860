#pragma once
// Ce que la fenêtre principale reçoit du point d'entrée : le système et ses
// doublures, le dossier du programme et son chemin.
#include <string>

namespace pulsodex {

class Registre;
class Presentateur;
class Ecran;
class ListeDemarrage;
class LocaleUtilisateur;
class MesureurTexte;
class InfosSysteme;
class Horloge;
class SourceMemoire;
class SourceCpu;
class SourceProcesseur;
class Lanceur;
class SondeDisques;
class Deconnecteur;

struct ServicesFenetre {
    Registre& Reg;
    Presentateur& Boites;
    const Ecran& Affichage;
    ListeDemarrage& Demarrages;
    const LocaleUtilisateur& Locale;
    const MesureurTexte& Mesureur;
    const InfosSysteme& Infos;
    const Horloge& Montre;
    SourceMemoire& Memoire;
    SourceCpu& Processeur;
    const SourceProcesseur& IdentiteProcesseurs; // pour la boîte « A propos »
    Lanceur& Lancement;
    SondeDisques& Disques;
    Deconnecteur& Deconnexions;
    std::string RepertoireProgramme; // avec son séparateur final
    std::string CheminProgramme;
};

} // namespace pulsodex
