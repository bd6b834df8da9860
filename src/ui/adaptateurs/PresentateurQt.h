#pragma once
// Boîtes de message Qt, en texte brut, avec des boutons en français.
#include "core/interfaces/Presentateur.h"

class QMessageBox;

namespace pulsodex {

class PresentateurQt final : public Presentateur {
public:
    // Sans interaction (capture d'image), chaque boîte prend sa réponse la
    // plus prudente sans s'afficher ; son texte va sur la sortie d'erreur.
    explicit PresentateurQt(bool interactif = true) : m_interactif(interactif) {}
    ~PresentateurQt() override;
    PresentateurQt(const PresentateurQt&) = delete;
    PresentateurQt& operator=(const PresentateurQt&) = delete;

    void Ouvrir(std::string_view texte, std::string_view legende, IconeBoite icone, BoutonsBoite boutons,
                SuiteBoite suite) override;
    void OuvrirMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                       std::function<void()> fermee) override;
    void FermerTout() override;
    ReponseBoite Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                       BoutonsBoite boutons) override;
    void Son(std::uint16_t son) override;

    static ReponseBoite ReponsePrudente(BoutonsBoite boutons);

private:
    bool m_interactif;
};

// La boîte de message Qt, pas encore montrée, et la réponse qu'elle a reçue.
QMessageBox* CreerBoite(std::string_view texte, std::string_view legende, IconeBoite icone,
                        BoutonsBoite boutons);
// Sans bouton cliqué (fin du programme) : Annuler.
ReponseBoite ReponseDe(const QMessageBox& boite);

} // namespace pulsodex
