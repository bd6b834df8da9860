#pragma once
// Le magasin des réglages : tous les réglages en mémoire, lus et écrits
// dans le registre sous leurs noms de valeur.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/commun/Codes.h"
#include "core/config/Enregistrements.h"
#include "core/config/Police.h"
#include "core/config/Registre.h"

namespace pulsodex {

class Presentateur;
class Ecran;
class ListeDemarrage;
class LocaleUtilisateur;
class MesureurTexte;

// Position et largeur de la fenêtre principale.
struct PositionFenetre {
    int Haut = 0;
    int Gauche = 0;
    int Largeur = 0;
};

// Couleurs : 0x00BBGGRR, ou 0x80000000 + numéro d'une couleur du système.
inline constexpr std::int32_t CouleurSysteme(int numero) {
    return static_cast<std::int32_t>(0x80000000U | static_cast<std::uint32_t>(numero));
}
inline constexpr std::int32_t CouleurBouton = CouleurSysteme(15);

class TConfig {
public:
    struct Services {
        Registre& Reg;
        Presentateur& Boites;
        const Ecran& Affichage;
        ListeDemarrage& Demarrages;
        const LocaleUtilisateur& Locale;
        const MesureurTexte* Mesureur = nullptr;
        std::string CheminProgramme; // chemin complet de l'exécutable
    };

    explicit TConfig(Services services);

    // --- Champs, dans l'ordre et sous les noms du registre ---
    std::string ChaineDate = "dd/mm/yyyy";
    std::string ChaineHeure = "hh:nn";
    std::string ListeDisques = "C";
    std::string OuvertureDisque = "open";
    bool DemarrageSysteme = false; // lancé à l'ouverture de session
    pulsodex::Demarrage Demarrage = pulsodex::Demarrage::Visible;
    bool AuDessus = false;
    bool Date = true;
    bool Heure = true;
    bool Mem = true;
    bool MemPhysique = true;
    bool MemoryLoad = true;
    bool ChargeProcesseur = false;
    bool MoyenneChargeProcesseur = false;
    bool DisqueListe = false; // calculé par la fenêtre à la construction
    bool TotalDisque = false;
    std::uint16_t Rafraichissement = 1000;
    Police Fonte;
    bool Transparence = false;
    std::int32_t TauxTransparence = 255;
    std::int32_t CouleurFond = CouleurBouton;
    pulsodex::Bord Bord = pulsodex::Bord::Creux;
    // Section « Jauges », commune à toutes les résolutions.
    bool JaugeMem = true;
    bool JaugeMemPhysique = true;
    bool JaugeMemoryLoad = true;
    bool JaugeCpu = true;
    bool JaugeCpuMoy = true;
    bool JaugeDisque = true;
    bool MemInverse = false;
    bool MemPhysiqueInverse = false;
    bool MemoryLoadInverse = false;
    bool CpuInverse = true;
    bool CpuMoyInverse = true;
    bool DisqueInverse = false;
    bool IndicateurRemplissageDisque = true;
    std::int32_t Couleur61To100 = 32768;
    std::int32_t Couleur41To60 = 32896;
    std::int32_t Couleur21To40 = 16512;
    std::int32_t Couleur0To20 = 128;
    std::int32_t CouleurEcriture = 128;
    std::int32_t CouleurSuppression = 32768;
    pulsodex::ModeAffichageMemoire ModeAffichageMemoire = pulsodex::ModeAffichageMemoire::Octets;
    pulsodex::ModeRafraichissementHorloge ModeRafraichissementHorloge =
        pulsodex::ModeRafraichissementHorloge::Minute;
    bool Sons = true;
    std::int32_t RepeterAvertir = 60;
    bool MultiResolution = true;
    pulsodex::Organisation Organisation = pulsodex::Organisation::Avancee;
    bool ModeServeur = true;
    bool Verrouillage = false;
    std::uint8_t TempsMoyenneChargeProcesseur = 1;
    bool TestMiseAJour = false;
    std::string Proxy;
    std::int32_t PortProxy = 8080;

    // Les deux listes, tenues ici pour la fenêtre principale.
    ListeAvertissements Avertissements;
    ListeEvenements Evenements;

    // Position courante de la fenêtre, pour SauveEnvironnement.
    std::function<PositionFenetre()> PositionCourante;

    // --- Section courante (résolution « LxH ») ---
    [[nodiscard]] const std::string& Section() const { return m_section; }
    void FixerSection(std::string section) { m_section = std::move(section); }
    [[nodiscard]] static std::string NomResolution(int largeur, int hauteur);
    [[nodiscard]] std::string SectionFonte() const { return Sous(m_section, "Fonte"); }
    [[nodiscard]] std::string SectionEmplacement() const { return Sous(m_section, "Emplacement"); }

    // --- Chargement et sauvegarde ---
    void ChargeTout();
    void ChargeEnvironnement();
    void SauveTout();
    void SauveEnvironnement();
    void SauveMultiResolution();
    void SauveOrganisation();
    void SauveVerrouillage();
    void ChargeAvertissements();
    void ChargeEvenements();
    void SauveAvertissements();
    void SauveEvenements();

    // --- Écriture sur disque ---
    // Écrit sur disque ce qui est en attente ; vrai si tout y est. Un échec
    // est dit à l'utilisateur : le premier d'une suite d'échecs (sauvegardes
    // d'arrière-plan), ou chaque fois (demande explicite, « Sauver »). Le
    // programme continue et les changements restent en attente.
    enum class AvisEchec { UneFois, Toujours };
    bool Enregistrer(AvisEchec avis = AvisEchec::UneFois);
    // Dit une fois à l'utilisateur que le fichier des réglages n'a pas été lu
    // proprement, et où son contenu d'origine est gardé ; vrai s'il l'a dit.
    bool DireLectureImparfaite();

    [[nodiscard]] bool MyReadBool(std::string_view section, std::string_view nom,
                                  std::string_view defaut) const;
    void MyWriteBool(std::string_view section, std::string_view nom, bool valeur);

    [[nodiscard]] std::uint8_t Lire_StyleFonte() const;
    [[nodiscard]] pulsodex::Demarrage Lire_Demarrage() const;
    [[nodiscard]] pulsodex::ModeAffichageMemoire Lire_ModeAffMem() const;
    [[nodiscard]] pulsodex::ModeRafraichissementHorloge Lire_ModeHorloge() const;
    [[nodiscard]] pulsodex::Bord Lire_Bord() const;
    [[nodiscard]] pulsodex::Organisation Lire_Organisation() const;
    void Ecrire_StyleFonte(std::uint8_t style);
    void Ecrire_Demarrage(pulsodex::Demarrage valeur);
    void Ecrire_ModeAffMem(pulsodex::ModeAffichageMemoire valeur);
    void Ecrire_ModeHorloge(pulsodex::ModeRafraichissementHorloge valeur);
    void Ecrire_Bord(pulsodex::Bord valeur);
    void Ecrire_Organisation(pulsodex::Organisation valeur);

    // Champs des enregistrements (clé « Avertissement\i », « Evenement\i »).
    [[nodiscard]] Ressource Lire_Avertissement(int indice);
    [[nodiscard]] Unite Lire_Unite(int indice) const;
    void Ecrire_Ressource(int indice, Ressource ressource);
    void Ecrire_Unite(int indice, Unite unite);
    [[nodiscard]] std::uint8_t Lire_Jour(std::string_view prefixe, std::string_view nom, int indice) const;
    [[nodiscard]] std::uint8_t Lire_Mois(std::string_view prefixe, std::string_view nom, int indice) const;
    [[nodiscard]] ModeLancement Lire_Lancement(std::string_view cle, std::string_view nom) const;

    // Lancement à l'ouverture de session.
    [[nodiscard]] bool GetDemarrage() const;
    void SetDemarrage(bool actif);

    // Hauteur d'une ligne de texte des bandes : « 1234567890M, » plus 2.
    [[nodiscard]] int HauteurBoite() const;

    // Disposition de la fenêtre et des bandes dans la section courante.
    [[nodiscard]] int Charge_PositionTop() const;
    [[nodiscard]] int Charge_PositionLeft() const;
    [[nodiscard]] int Charge_Taille() const;
    [[nodiscard]] bool Charge_Break(int bande) const;
    [[nodiscard]] int Charge_Width(int bande) const;
    [[nodiscard]] int Charge_Ordre(int bande) const;
    void Sauve_Position(int haut, int gauche, int largeur);
    void Sauve_Emplacement(int bande, bool rupture, int largeur, int ordre);
    // Une disposition est gardée pour cette résolution.
    [[nodiscard]] bool DispositionExiste(std::string_view section) const;

    [[nodiscard]] Registre& Reg() { return m_services.Reg; }
    [[nodiscard]] const LocaleUtilisateur& Locale() const { return m_services.Locale; }

private:
    Services m_services;
    std::string m_section;
    bool m_echecDit = false;
};

// Le texte de la boîte d'un enregistrement raté ; la cause vient du registre.
// « garde son contenu précédent » seulement quand le fichier est intact.
std::string TexteEchecEnregistrement(std::string_view cause, bool intact = true);
// Le texte de la boîte d'un fichier des réglages qui n'a pas été lu proprement.
std::string TexteLectureImparfaite(const LectureImparfaite& lecture);

inline constexpr std::string_view NomDemarrage = "Pulsodex32";
inline constexpr std::string_view QuestionMiseAJour =
    "Pulsodex XP est maintenant capable de vérifier par Internet si une nouvelle version est disponible à "
    "chaque "
    "lancement, voulez activer cette fonctionnalité ?";

} // namespace pulsodex
