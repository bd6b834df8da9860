#pragma once
// Le dialogue de configuration, sans boîte à outils : un membre par contrôle
// nommé, les règles qui gardent les contrôles cohérents, le remplissage depuis
// les réglages et la recopie dans les réglages. L'interface Qt reflète ces
// états et transmet les gestes de l'utilisateur aux méthodes publiques.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/config/Enregistrements.h"
#include "core/config/dialog/Controles.h"
#include "core/config/dialog/TEvenementForm.h"
#include "core/probes/CarteLecteurs.h"

namespace pulsodex {

class TConfig;
class Presentateur;
class LocaleUtilisateur;

struct ServicesOptions {
    TConfig& Config;
    Presentateur& Boites;
    const LocaleUtilisateur& Locale;
    std::vector<std::string> Polices; // polices installées
    bool Windows2000 = true;          // la translucidité est offerte
    // Les lecteurs des panneaux affichés, dans l'ordre de leurs emplacements
    // (0 pour le total).
    std::vector<std::uint8_t> LecteursPanneaux;
    CarteLecteurs Carte; // la carte des lettres, copie de travail
    // Le choix d'une couleur, à partir d'une couleur ; rien si l'utilisateur annule.
    std::function<std::optional<std::int32_t>(std::int32_t)> ChoisirCouleur;
    // L'aide, au sujet donné.
    std::function<void(int)> Aide;
    // Les points des montages réels, à proposer pour une nouvelle lettre.
    std::vector<std::string> Montages;
};

class TOptionsForm {
public:
    explicit TOptionsForm(ServicesOptions services);
    TOptionsForm(const TOptionsForm&) = delete;
    TOptionsForm& operator=(const TOptionsForm&) = delete;

    // --- Cadre ---
    std::string Titre;
    int PageActive = 0;
    std::vector<bool> OngletsVisibles; // huit pages
    // Nom du contrôle qui doit prendre le focus (vide : aucun changement).
    std::string Focus;
    void DonnerFocus(const Controle& controle) { Focus = controle.Nom; }

    // --- Page « &Afficher » ---
    CaseACocher DateCheck{"DateCheck"}, HeureCheck{"HeureCheck"}, MemCheck{"MemCheck"},
        RealMemCheck{"RealMemCheck"}, MemoryLoadCheck{"MemoryLoadCheck"}, CpuCheck{"CpuCheck"},
        CpuMoyCheck{"CpuMoyCheck"}, TotalCheck{"TotalCheck"};
    CaseACocher MemJaugeCheck{"MemJaugeCheck"}, RealMemJaugeCheck{"RealMemJaugeCheck"},
        MemoryLoadJaugeCheck{"MemoryLoadJaugeCheck"}, CpuJaugeCheck{"CpuJaugeCheck"},
        CpuMoyJaugeCheck{"CpuMoyJaugeCheck"}, DisqueJaugeCheck{"DisqueJaugeCheck"};
    CaseACocher MemJaugeInverseCheck{"MemJaugeInverseCheck"},
        RealMemJaugeInverseCheck{"RealMemJaugeInverseCheck"},
        MemoryLoadJaugeInverseCheck{"MemoryLoadJaugeInverseCheck"},
        CpuJaugeInverseCheck{"CpuJaugeInverseCheck"}, CpuMoyJaugeInverseCheck{"CpuMoyJaugeInverseCheck"},
        DisqueJaugeInverseCheck{"DisqueJaugeInverseCheck"};
    CaseACocher RemplissageCheck{"RemplissageCheck"};
    ZoneTexte CpuMoyEdit{"CpuMoyEdit"};
    Forme EcritureShape{"EcritureShape"}, SuppressionShape{"SuppressionShape"};
    Etiquette EcritureLabel{"EcritureLabel"}, SuppressionLabel{"SuppressionLabel"};
    Liste DriveBox{"DriveBox"}; // « C: / », « D: /home »…
    Controle AjouterDisqueCmd{"AjouterDisqueCmd"}, SupprimerDisqueCmd{"SupprimerDisqueCmd"};
    ZoneTexte DisqueBox{"DisqueBox"};

    // --- Page « &Général » ---
    BoutonRadio VisibleOption{"VisibleOption"}, MasqueOption{"MasqueOption"};
    CaseACocher DemarrageCheck{"DemarrageCheck"};
    BoutonRadio ReorgManuelOption{"ReorgManuelOption"}, ReorgAutoOption{"ReorgAutoOption"};
    BoutonRadio NormaleOption{"NormaleOption"}, AuDessusOption{"AuDessusOption"};
    ZoneTexte ChaineDateBox{"ChaineDateBox"}, ChaineHeureBox{"ChaineHeureBox"};
    BoutonRadio MemOctetOption{"MemOctetOption"}, MemKiloOption{"MemKiloOption"},
        MemMegaOption{"MemMegaOption"};
    BoutonRadio ShellNoneOption{"ShellNoneOption"}, ShellOpenOption{"ShellOpenOption"},
        ShellExploreOption{"ShellExploreOption"};
    ZoneTexte RafraichissementBox{"RafraichissementBox"};
    BoutonRadio HorlogeMinuteOption{"HorlogeMinuteOption"}, HorlogeSecondeOption{"HorlogeSecondeOption"};
    BoutonRadio JamaisRepeterOption{"JamaisRepeterOption"}, RepeterOption{"RepeterOption"};
    ZoneTexte NiceAvertissementBox{"NiceAvertissementBox"};
    CaseACocher SonoreCheck{"SonoreCheck"};

    // --- Page « &Style » ---
    Liste FontList{"FontList"}, TailleList{"TailleList"}, StyleCombo{"StyleCombo"}, BordCombo{"BordCombo"},
        CouleurTexteCombo{"CouleurTexteCombo"}, CouleurFondCombo{"CouleurFondCombo"};
    Forme CouleurTexteShape{"CouleurTexteShape"}, CouleurFondShape{"CouleurFondShape"};
    CaseACocher TransparenceCheck{"TransparenceCheck"};
    Curseur TransparenceBar{"TransparenceBar"};
    Etiquette TransparenceLabel{"TransparenceLabel"};
    Forme Shape1{"Shape1"}, Shape2{"Shape2"}, Shape3{"Shape3"}, Shape4{"Shape4"};
    PanneauExemple FontPanel{"FontPanel"};

    // --- Page « &Messages » ---
    Liste AvertirList{"AvertirList"};
    Controle AjouterAvertissementCmd{"AjouterAvertissementCmd"},
        EffacerAvertissementCmd{"EffacerAvertissementCmd"};
    BoutonRadio MemOption{"MemOption"}, RealMemOption{"RealMemOption"}, MemoryLoadOption{"MemoryLoadOption"},
        DisqueOption{"DisqueOption"};
    Liste EspaceDisqueCombo{"EspaceDisqueCombo"};
    BoutonRadio PourcentOption{"PourcentOption"}, OctetOption{"OctetOption"}, KiloOption{"KiloOption"},
        MegaOption{"MegaOption"};
    ZoneTexte SeuilBox{"SeuilBox"};

    // --- Page « Agen&da » ---
    Liste EvenementList{"EvenementList"}; // à cocher : Coches = Actif
    Controle AjouterEvenementCmd{"AjouterEvenementCmd"}, AttributEvenementCmd{"AttributEvenementCmd"},
        EffacerEvenementCmd{"EffacerEvenementCmd"};
    Liste JourList{"JourList"}, MoisList{"MoisList"};
    BoutonRadio AvertirLancementOption{"AvertirLancementOption"}, AvertirHeureOption{"AvertirHeureOption"},
        AvertirRepeterOption{"AvertirRepeterOption"};
    ZoneTexte AvertirHeureBox{"AvertirHeureBox"}, AvertirRepeterBox{"AvertirRepeterBox"};

    // --- Page « Mise à jour » ---
    CaseACocher MiseAJourCheck{"MiseAJourCheck"}, ProxyCheck{"ProxyCheck"};
    ZoneTexte ProxyEdit{"ProxyEdit"}, ProxyPortEdit{"ProxyPortEdit"};
    Etiquette ProxyLabel{"ProxyLabel"}, ProxyPortLabel{"ProxyPortLabel"};
    std::string NoteConfidentialite;

    // --- Page cachée « A&vancé » ---
    Liste CategorieList{"CategorieList"}, ElementList{"ElementList"};
    Etiquette ElementLabel{"ElementLabel"};

    // --- Copies de travail et drapeau de remplissage ---
    ListeAvertissements TempAvertissement;
    ListeEvenements TempEvenement;
    bool RemplissageEnCours = false;

    // --- Opérations du dialogue ---
    void Charge_Contexte();
    // Vérifie d'abord chaque zone numérique : la première invalide est
    // signalée, remise et reprend le focus, et rien n'est recopié (faux).
    bool Sauve_Contexte();
    void AvertissementEnabled(bool actif);
    void EvenementEnabled(bool actif);
    // Un caractère tapé passe-t-il le filtre (retour arrière toujours) ?
    static bool FiltreTouches(std::string_view permis, char32_t touche);

    // --- Boutons : vrai quand le dialogue se ferme ---
    bool OkCmdClick();
    // Recopie et écrit les réglages ; rend faux (dialogue ouvert) si une zone
    // est invalide. enregistrer : l'écriture des réglages, qui rend vrai quand
    // elle a réussi ; sinon elle a dit pourquoi à l'utilisateur, et les
    // réglages restent appliqués (Enregistre est faux).
    bool SauverCmdClick(const std::function<bool()>& enregistrer);
    bool Enregistre = false;
    void CancelBtnClick();
    void AideCmdClick();
    // La carte des lettres, telle que le dialogue l'a laissée.
    [[nodiscard]] const CarteLecteurs& Carte() const { return m_services.Carte; }
    // Les montages qui n'ont pas encore de lettre.
    [[nodiscard]] std::vector<std::string> MontagesSansLettre() const;

    // --- Règles des pages d'affichage (gestes de l'utilisateur) ---
    void FormeClic(Forme& forme);
    void CouleurTexteComboChange();
    void CouleurFondComboChange();
    void FontListClick();
    void TailleListClick();
    void StyleComboChange();
    void BordComboChange();
    void AjouterDisqueCmdClick();
    void SupprimerDisqueCmdClick();
    void DisqueBoxSortie();
    void RafraichissementBoxSortie();
    void NiceAvertissementBoxEntree();
    void NiceAvertissementBoxSortie();
    void RepeterOptionEntree();
    // Donne une lettre à un dossier ou un montage choisi, et la choisit dans
    // DriveBox ; faux s'il ne reste pas de lettre libre.
    bool AjouterLecteur(std::string_view chemin);
    // Plus de lettre libre : le dire.
    void SignalerLettresEpuisees();

private:
    void CreerGroupes();
    // Les cases et les formes liées chacune à un réglage, pour le remplissage et la recopie.
    std::vector<std::pair<CaseACocher*, bool TConfig::*>> CasesDesReglages();
    std::vector<std::pair<Forme*, std::int32_t TConfig::*>> FormesDesReglages();
    // Les boutons radio des réglages codés, pour le remplissage et la recopie.
    RadiosCodes<Demarrage> RadiosDemarrage();
    RadiosCodes<ModeAffichageMemoire> RadiosModeMemoire();
    RadiosCodes<ModeRafraichissementHorloge> RadiosHorloge();
    // Le bord choisi dans BordCombo (« Aucun », « 3D Enfoncé », « 3D Relevé »).
    [[nodiscard]] Bord BordChoisi() const;
    // Règles des pages « &Messages » et « Agen&da ».
    void LierReglesMessages();
    void LierReglesAgenda();
    void LierRegles();
    void ActiverSelon(const CaseACocher& interrupteur, std::initializer_list<Controle*> dependants);
    void RemplirLecteurs();
    void MontrerErreur(const std::string& texte, ZoneTexte& zone, const std::string& remise);
    // Un entier de min à max ; sinon l'erreur est montrée, la zone remise et
    // le focus lui revient (faux).
    bool VerifierZone(ZoneTexte& zone, std::int64_t min, std::int64_t max, const std::string& horsBornes,
                      const std::string& remise);
    // Chaque zone numérique lue par la recopie, dans l'ordre ; s'arrête à la première invalide.
    bool VerifierZonesNumeriques();
    void LibererCopies();
    [[nodiscard]] char LettreChoisie() const;

    ServicesOptions m_services;
    std::vector<std::unique_ptr<GroupeRadio>> m_groupes;

    // ===== Pages « &Messages » et « Agen&da » =====
public:
    // --- « &Messages » : gestes de l'utilisateur ---
    void AvertirListClick();
    void AjouterAvertissementCmdClick();
    void EffacerAvertissementCmdClick();
    void EspaceDisqueComboChange();
    void SeuilBoxSortie();
    // Recopie les contrôles dans la règle choisie et sa légende.
    void UpdateAvertissement();
    void SetUnite(Unite unite);

    // --- « Agen&da » : gestes de l'utilisateur ---
    void EvenementListClick();
    // La coche de la ligne vient de changer (Coches tient déjà son nouvel état).
    void EvenementListClickCheck(int ligne);
    void EvenementListDblClick();
    void AjouterEvenementCmdClick();
    void AttributEvenementCmdClick();
    void EffacerEvenementCmdClick();
    void JourListClick();
    void MoisListClick();
    void AvertirHeureBoxEntree();
    void AvertirHeureBoxSortie();
    void AvertirRepeterBoxEntree();
    void AvertirRepeterBoxSortie();
    // Recopie les contrôles dans l'événement choisi et sa légende.
    void UpdateEvenement();

    // Les caractères que laissent passer SeuilBox et AvertirRepeterBox, puis
    // AvertirHeureBox (chiffres et séparateur d'heure de la langue).
    static constexpr std::string_view ChiffresPermis = "0123456789";
    [[nodiscard]] std::string PermisHeure() const;

    // L'éditeur d'événement, modal : le type et les cinq textes quand il se
    // ferme par « Ok », rien sinon. Sans éditeur, « Propriétés » ne fait rien.
    std::function<std::optional<ResultatEvenement>(const ContenuEvenement&)> EditerEvenement;

private:
    RadiosCodes<Ressource> RadiosRessource();
    RadiosCodes<Unite> RadiosUnite();
    void TypeMemoireOuDisque(const BoutonRadio& clique);
    void TypeTauxMemoire();
    // La règle que décrivent les contrôles ; disque : la lettre à garder
    // quand le sélecteur n'en montre aucune.
    [[nodiscard]] TAvertissement LireControlesAvertissement(const std::string& disque);
    void ChoisirEspaceDisque(std::string_view lettre);
    [[nodiscard]] std::string SeparateurHeure() const;
};

inline constexpr std::size_t MaxAvertissements = 200;
inline constexpr std::size_t MaxEvenements = 200;
inline constexpr const char* TexteMaxAvertissements = "Vous êtes arrivé au nombre maximum d'avertissements.";
inline constexpr const char* TexteMaxEvenements = "Vous êtes arrivé au nombre maximum d'évènements.";
inline constexpr const char* TexteChoisirEvenement =
    "Veuillez choisir un événement pour pouvoir afficher ses propriétés";
// Le titre des boîtes d'avertissement de la boîte à outils.
inline constexpr const char* TitreAvertissement = "Avertissement";

inline constexpr const char* TexteEntierIncorrect = "Valeur entière incorrecte.";
inline constexpr const char* TexteRafraichissementInvalide =
    "Valeur de rafraîchissement invalide (1 à 65535).";
inline constexpr const char* TexteExemple = "AaBbCcDd%0123456789";

// Les lignes de BordCombo, dans l'ordre.
struct LigneBord {
    Bord Valeur;
    const char* Texte;
};
inline constexpr LigneBord BordsDuCombo[] = {
    {Bord::Aucun, "Aucun"}, {Bord::Creux, "3D Enfoncé"}, {Bord::Relief, "3D Relevé"}};

// Le curseur de transparence (0 : opaque) et l'opacité des réglages (255 : opaque).
int PositionDeTransparence(std::int32_t taux);
std::int32_t TauxDeTransparence(int position);

} // namespace pulsodex
