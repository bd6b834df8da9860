#pragma once
// Doublures de test des interfaces du système.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/app/Avertissements.h"
#include "core/interfaces/Ecran.h"
#include "core/interfaces/InfosSysteme.h"
#include "core/interfaces/MesureurTexte.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/Horloge.h"
#include "core/plateforme/Lanceur.h"
#include "core/plateforme/ListeDemarrage.h"
#include "core/plateforme/StockageReglages.h"
#include "core/probes/Memoire.h"
#include "core/probes/Processeur.h"

namespace pulsodex::test {

// Répond aux boîtes dans l'ordre d'un script et garde ce qui a été montré.
// Par défaut une boîte reçoit sa réponse dès son ouverture ; avec
// GarderOuvertes, elle reste ouverte jusqu'à Fermer (les tics continuent).
class PresentateurScripte : public Presentateur {
public:
    struct BoiteMontree {
        std::string Texte;
        std::string Legende;
        IconeBoite Icone;
        BoutonsBoite Boutons;
    };
    struct MessageMontre {
        std::string Texte;
        std::string Legende;
        std::uint16_t Son;
    };

    void Repondre(ReponseBoite reponse) { m_reponses.push_back(reponse); }
    void Ouvrir(std::string_view texte, std::string_view legende, IconeBoite icone, BoutonsBoite boutons,
                SuiteBoite suite) override;
    void OuvrirMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                       std::function<void()> fermee) override;
    void FermerTout() override { m_ouvertes.clear(); }
    ReponseBoite Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                       BoutonsBoite boutons) override;
    void Son(std::uint16_t son) override { Sons.push_back(son); }

    // Ferme la plus ancienne boîte ouverte avec cette réponse ; faux sans boîte ouverte.
    bool Fermer(ReponseBoite reponse = ReponseBoite::Ok);
    [[nodiscard]] std::size_t Ouvertes() const { return m_ouvertes.size(); }

    bool GarderOuvertes = false;
    std::vector<BoiteMontree> Montrees;
    std::vector<MessageMontre> Messages;
    std::vector<std::uint16_t> Sons;

private:
    ReponseBoite Prochaine(BoutonsBoite boutons);
    std::deque<ReponseBoite> m_reponses;
    std::deque<SuiteBoite> m_ouvertes;
};

class EcranFactice : public Ecran {
public:
    TailleEcran TailleCourante{1024, 768};
    std::vector<Rectangle> Zones{{0, 0, 1024, 740}};
    [[nodiscard]] TailleEcran Taille() const override { return TailleCourante; }
    [[nodiscard]] std::vector<Rectangle> ZonesTravail() const override { return Zones; }
};

class HorlogeFactice : public Horloge {
public:
    DateHeure Moment{2026, 12, 5, 7, 9, 52, 10, 0};
    bool Echouer = false; // la lecture de l'heure lève une erreur
    [[nodiscard]] DateHeure Maintenant() const override;
};

class InfosSystemeFactices : public InfosSysteme {
public:
    [[nodiscard]] std::string WinVer() const override {
        return "Debian GNU/Linux 12 6.1.0-18-amd64 (Build 1)";
    }
    [[nodiscard]] std::string GetCommonControlsVersion() const override { return "6.4.2"; }
    [[nodiscard]] bool Windows2000() const override { return true; }
};

class ListeDemarrageMemoire : public ListeDemarrage {
public:
    std::map<std::string, std::string> Utilisateur;
    std::map<std::string, std::string> Machine;
    bool MachineInscriptible = true;

    [[nodiscard]] std::optional<std::string> Lire(PorteeDemarrage portee,
                                                  std::string_view nom) const override;
    bool Ecrire(PorteeDemarrage portee, std::string_view nom, std::string_view commande) override;
    bool Effacer(PorteeDemarrage portee, std::string_view nom) override;
};

class MesureurFactice : public MesureurTexte {
public:
    int Hauteur = 13;
    [[nodiscard]] int HauteurTexte(const Police&, std::string_view) const override { return Hauteur; }
};

class SourceMemoireFactice : public SourceMemoire {
public:
    StatutMemoire Statut{8LL << 30, 2LL << 30, 10LL << 30, 3LL << 30, 75};
    int Lectures = 0;
    bool Echouer = false; // la lecture lève une erreur
    StatutMemoire Lire() override;
};

// Rend les relevés préparés, puis répète le dernier.
class SourceCpuFactice : public SourceCpu {
public:
    std::deque<std::vector<CompteursCpu>> Releves;
    int Lectures = 0;
    bool Lire(std::vector<CompteursCpu>& instances) override;

private:
    std::vector<CompteursCpu> m_dernier{{100, 100}};
};

// Espace des lecteurs : libre et taille par numéro ; les autres ne répondent pas.
class EspaceLecteursFactice : public EspaceLecteurs {
public:
    std::map<std::uint8_t, std::pair<std::int64_t, std::int64_t>> Espaces;
    int Questions = 0;
    ReponseSonde Espace(std::uint8_t lecteur) override {
        ++Questions;
        auto it = Espaces.find(lecteur);
        return it == Espaces.end() ? ReponseSonde{}
                                   : ReponseSonde{EtatSonde::Ok, it->second.second, it->second.first};
    }
};

class LanceurFactice : public Lanceur {
public:
    struct Appel {
        std::string Verbe, Fichier, Parametres, Repertoire;
        ModeFenetre Mode;
    };
    std::vector<Appel> Appels;
    int Reponse = LancementReussi;
    int ShellExecute(std::string_view verbe, std::string_view fichier, std::string_view parametres,
                     std::string_view repertoire, ModeFenetre mode) override {
        Appels.push_back({std::string(verbe), std::string(fichier), std::string(parametres),
                          std::string(repertoire), mode});
        return Reponse;
    }
    // L'éditeur de Windows, et une commande de redémarrage qui n'existe nulle part.
    [[nodiscard]] CommandeSysteme EditeurTexte(const std::string& /*dossier*/,
                                               const std::string& fichier) const override {
        return {"NotePad.exe", fichier, "NotePad.exe"};
    }
    [[nodiscard]] CommandeSysteme Redemarrage() const override {
        return {"redemarrer-essai", "--maintenant", "redemarrer-essai"};
    }
};

// Le fichier des réglages en mémoire ; ses copies gardées, et des échecs à la demande.
class StockageMemoire : public StockageReglages {
public:
    std::optional<std::string> Octets;
    std::map<std::string, std::string> Copies;
    std::string EchecEcriture;            // non vide : Remplacer échoue avec cette cause
    std::string EchecCopie;               // non vide : GarderCopie échoue avec cette cause
    std::optional<std::string> Substitut; // écrit à la place (un autre a écrit juste après)

    [[nodiscard]] std::string Chemin() const override { return "/essai/Pulsodex.conf"; }
    ContenuReglages Lire() override { return {Octets, {}}; }
    std::string Verrouiller() override { return {}; }
    void Deverrouiller() override {}
    std::string Remplacer(std::string_view octets) override;
    CopieReglages GarderCopie(std::string_view octets, const DateHeure& moment) override;
};

} // namespace pulsodex::test
