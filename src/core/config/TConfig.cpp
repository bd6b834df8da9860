#include "core/config/TConfig.h"

#include "core/commun/Produit.h"
#include "core/commun/Textes.h"
#include "core/commun/Trace.h"
#include "core/config/ReglagesSimples.h"
#include "core/interfaces/Ecran.h"
#include "core/interfaces/MesureurTexte.h"
#include "core/interfaces/Presentateur.h"
#include "core/plateforme/ListeDemarrage.h"

namespace pulsodex {

namespace {
constexpr std::string_view Racine;
} // namespace

TConfig::TConfig(Services services) : m_services(std::move(services)) {}

std::string TConfig::NomResolution(int largeur, int hauteur) {
    return std::to_string(largeur) + "x" + std::to_string(hauteur);
}

bool TConfig::MyReadBool(std::string_view section, std::string_view nom, std::string_view defaut) const {
    const std::string texte = MajusculesAscii(m_services.Reg.ReadString(section, nom, defaut));
    return texte == "TRUE" || texte == "OUI";
}

void TConfig::MyWriteBool(std::string_view section, std::string_view nom, bool valeur) {
    m_services.Reg.WriteString(section, nom, valeur ? "Oui" : "Non");
}

void TConfig::ChargeTout() {
    TraceProcedure trace("TConfig.ChargeTout");
    // Avant la question du premier lancement, que la perte d'une ligne peut ramener.
    DireLectureImparfaite();
    ChargeEnvironnement();
    ChargeAvertissements();
    ChargeEvenements();
}

void TConfig::SauveTout() {
    TraceProcedure trace("TConfig.SauveTout");
    SauveEnvironnement();
    SauveAvertissements();
    SauveEvenements();
}

void TConfig::ChargeEnvironnement() {
    TraceProcedure trace("TConfig.ChargeEnvironnement");
    Registre& reg = m_services.Reg;
    const TailleEcran taille = m_services.Affichage.Taille();
    m_section = NomResolution(taille.Largeur, taille.Hauteur);

    if (reg.ReadString(Racine, "Version", "").empty()) {
        reg.WriteString(Racine, "Version", produit::Version);
    }
    if (!reg.ReadString(Racine, "TestMiseAJour", "").empty()) {
        TestMiseAJour = MyReadBool(Racine, "TestMiseAJour", "Oui");
    } else {
        const ReponseBoite reponse = m_services.Boites.Boite(QuestionMiseAJour, produit::Titre,
                                                             IconeBoite::Question, BoutonsBoite::OuiNon);
        TestMiseAJour = reponse == ReponseBoite::Oui;
        // Sans réponse (programme arrêté pendant la question), elle sera reposée.
        if (reponse == ReponseBoite::Oui || reponse == ReponseBoite::Non) {
            MyWriteBool(Racine, "TestMiseAJour", TestMiseAJour);
        }
    }
    ChargerReglagesSimples(*this);

    const std::string fonte = SectionFonte();
    Fonte.Nom = reg.ReadString(fonte, "Nom", "MS Sans Serif");
    Fonte.Style = Lire_StyleFonte();
    Fonte.Taille = reg.ReadInteger(fonte, "Taille", 8);
    Fonte.Couleur = reg.ReadInteger(fonte, "Couleur", 0);

    DemarrageSysteme = GetDemarrage();
    Demarrage = Lire_Demarrage();
    ModeAffichageMemoire = Lire_ModeAffMem();
    ModeRafraichissementHorloge = Lire_ModeHorloge();
    Bord = Lire_Bord();
    Organisation = Lire_Organisation();
}

void TConfig::SauveEnvironnement() {
    TraceProcedure trace("TConfig.SauveEnvironnement");
    Registre& reg = m_services.Reg;
    if (PositionCourante) {
        const PositionFenetre position = PositionCourante();
        Sauve_Position(position.Haut, position.Gauche, position.Largeur);
    }
    reg.WriteString(Racine, "Version", produit::Version);
    SauveOrganisation();
    SauverReglagesSimples(*this);
    Ecrire_Demarrage(Demarrage);
    Ecrire_ModeAffMem(ModeAffichageMemoire);
    Ecrire_ModeHorloge(ModeRafraichissementHorloge);
    Ecrire_Bord(Bord);

    const std::string fonte = SectionFonte();
    reg.WriteString(fonte, "Nom", Fonte.Nom);
    reg.WriteInteger(fonte, "Taille", Fonte.Taille);
    reg.WriteInteger(fonte, "Couleur", Fonte.Couleur);
    Ecrire_StyleFonte(Fonte.Style);

    SetDemarrage(DemarrageSysteme);
    MyWriteBool(Racine, "TestMiseAJour", TestMiseAJour);
}

void TConfig::SauveMultiResolution() {
    TraceProcedure trace("TConfig.SauveMultiResolution");
    MyWriteBool(Racine, "MultiResolution", MultiResolution);
}

void TConfig::SauveOrganisation() {
    TraceProcedure trace("TConfig.SauveOrganisation");
    Ecrire_Organisation(Organisation);
}

void TConfig::SauveVerrouillage() {
    TraceProcedure trace("TConfig.SauveVerrouillage");
    MyWriteBool(m_section, "Verrouillage", Verrouillage);
}

// --- Énumérations de la section courante ---

namespace {
template <typename Code>
Code LireEnum(const Registre& reg, std::string_view section, std::string_view nom, const Enumeration& e) {
    return LireCode<Code>(e, reg.ReadString(section, nom, e.Defaut));
}
} // namespace

std::uint8_t TConfig::Lire_StyleFonte() const {
    return LireStylePolice(m_services.Reg.ReadString(SectionFonte(), "Style", "Standard"));
}
Demarrage TConfig::Lire_Demarrage() const {
    return LireEnum<pulsodex::Demarrage>(m_services.Reg, m_section, "Demarrage", enums::Demarrage);
}
ModeAffichageMemoire TConfig::Lire_ModeAffMem() const {
    return LireEnum<pulsodex::ModeAffichageMemoire>(m_services.Reg, m_section, "ModeAffichageMémoire",
                                                    enums::ModeAffichageMemoire);
}
ModeRafraichissementHorloge TConfig::Lire_ModeHorloge() const {
    return LireEnum<pulsodex::ModeRafraichissementHorloge>(
        m_services.Reg, m_section, "ModeRafraichissementHorloge", enums::ModeRafraichissementHorloge);
}
Bord TConfig::Lire_Bord() const {
    return LireEnum<pulsodex::Bord>(m_services.Reg, m_section, "Bord", enums::Bord);
}
Organisation TConfig::Lire_Organisation() const {
    return LireEnum<pulsodex::Organisation>(m_services.Reg, m_section, "Organisation", enums::Organisation);
}

void TConfig::Ecrire_StyleFonte(std::uint8_t style) {
    m_services.Reg.WriteString(SectionFonte(), "Style", EcrireStylePolice(style));
}
void TConfig::Ecrire_Demarrage(pulsodex::Demarrage valeur) {
    m_services.Reg.WriteString(m_section, "Demarrage", EcrireCode(enums::Demarrage, valeur));
}
void TConfig::Ecrire_ModeAffMem(pulsodex::ModeAffichageMemoire valeur) {
    m_services.Reg.WriteString(m_section, "ModeAffichageMémoire",
                               EcrireCode(enums::ModeAffichageMemoire, valeur));
}
void TConfig::Ecrire_ModeHorloge(pulsodex::ModeRafraichissementHorloge valeur) {
    m_services.Reg.WriteString(m_section, "ModeRafraichissementHorloge",
                               EcrireCode(enums::ModeRafraichissementHorloge, valeur));
}
void TConfig::Ecrire_Bord(pulsodex::Bord valeur) {
    m_services.Reg.WriteString(m_section, "Bord", EcrireCode(enums::Bord, valeur));
}
void TConfig::Ecrire_Organisation(pulsodex::Organisation valeur) {
    m_services.Reg.WriteString(m_section, "Organisation", EcrireCode(enums::Organisation, valeur));
}

// --- Lancement à l'ouverture de session ---

bool TConfig::GetDemarrage() const {
    TraceProcedure trace("TConfig.GetDemarrage");
    for (PorteeDemarrage portee : {PorteeDemarrage::Utilisateur, PorteeDemarrage::Machine}) {
        auto commande = m_services.Demarrages.Lire(portee, NomDemarrage);
        if (commande && !commande->empty()) {
            return true;
        }
    }
    return false;
}

void TConfig::SetDemarrage(bool actif) {
    TraceProcedure trace("TConfig.SetDemarrage");
    m_services.Demarrages.Effacer(PorteeDemarrage::Machine, NomDemarrage);
    if (actif) {
        m_services.Demarrages.Ecrire(PorteeDemarrage::Utilisateur, NomDemarrage, m_services.CheminProgramme);
    } else {
        m_services.Demarrages.Effacer(PorteeDemarrage::Utilisateur, NomDemarrage);
    }
}

int TConfig::HauteurBoite() const {
    TraceProcedure trace("TConfig.HauteurBoite");
    const int hauteur = m_services.Mesureur ? m_services.Mesureur->HauteurTexte(Fonte, "1234567890M,") : 13;
    return hauteur + 2;
}

// --- Disposition ---

int TConfig::Charge_PositionTop() const {
    return m_services.Reg.ReadInteger(m_section, "DecalageHaut", -1);
}
int TConfig::Charge_PositionLeft() const {
    return m_services.Reg.ReadInteger(m_section, "DecalageGauche", -1);
}
int TConfig::Charge_Taille() const {
    return m_services.Reg.ReadInteger(m_section, "Longueur", 180);
}

bool TConfig::Charge_Break(int bande) const {
    return m_services.Reg.ReadBool(SectionEmplacement(), "Break" + std::to_string(bande), true);
}
int TConfig::Charge_Width(int bande) const {
    return m_services.Reg.ReadInteger(SectionEmplacement(), "Width" + std::to_string(bande), -1);
}
int TConfig::Charge_Ordre(int bande) const {
    return m_services.Reg.ReadInteger(SectionEmplacement(), "Order" + std::to_string(bande), -1);
}

void TConfig::Sauve_Position(int haut, int gauche, int largeur) {
    TraceProcedure trace("TConfig.Sauve_Position");
    m_services.Reg.WriteInteger(m_section, "DecalageHaut", haut);
    m_services.Reg.WriteInteger(m_section, "DecalageGauche", gauche);
    m_services.Reg.WriteInteger(m_section, "Longueur", largeur);
}

void TConfig::Sauve_Emplacement(int bande, bool rupture, int largeur, int ordre) {
    TraceProcedure trace("TConfig.Sauve_Emplacement");
    const std::string section = SectionEmplacement();
    const std::string k = std::to_string(bande);
    m_services.Reg.WriteBool(section, "Break" + k, rupture);
    m_services.Reg.WriteInteger(section, "Width" + k, largeur);
    m_services.Reg.WriteInteger(section, "Order" + k, ordre);
}

bool TConfig::DispositionExiste(std::string_view section) const {
    return m_services.Reg.ReadInteger(section, "DecalageHaut", -1) >= 0 ||
           m_services.Reg.ReadInteger(section, "DecalageGauche", -1) >= 0;
}

} // namespace pulsodex
