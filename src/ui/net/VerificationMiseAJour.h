#pragma once
// La vérification des mises à jour sur un fil à part : l'interface ne gèle
// pas, la réponse est montrée à son arrivée.
#include <QObject>

#include <cstdint>
#include <memory>
#include <thread>

#include "interfaces/Presentateur.h"
#include "net/AvisMiseAJour.h"
#include "net/MiseAJour.h"

namespace pulsodex {

class VerificationMiseAJour : public QObject {
    Q_OBJECT
public:
    explicit VerificationMiseAJour(Presentateur& boites, QObject* parent = nullptr);
    ~VerificationMiseAJour() override;
    VerificationMiseAJour(const VerificationMiseAJour&) = delete;
    VerificationMiseAJour& operator=(const VerificationMiseAJour&) = delete;

    // Lance la vérification. Depuis le menu, le sablier reste jusqu'à la
    // réponse. Une vérification déjà en cours n'est pas relancée : demandée
    // depuis le menu, elle répond comme le menu.
    void Lancer(net::ParametresMiseAJour parametres, net::OrigineVerification origine);
    // Abandonne la vérification en cours sans rien montrer (fermeture).
    void Arreter();
    [[nodiscard]] bool EnCours() const noexcept { return m_enCours; }

signals:
    // La réponse est arrivée et sa boîte éventuelle a été fermée.
    void Terminee(net::EtatMiseAJour etat);

private:
    void Arrivee(std::uint64_t generation, net::EtatMiseAJour etat);
    void Sablier(bool actif);

    Presentateur& m_boites;
    std::jthread m_fil;
    std::uint64_t m_generation = 0;
    bool m_enCours = false;
    class SablierPose;
    std::unique_ptr<SablierPose> m_sablier;
    net::OrigineVerification m_origine = net::OrigineVerification::Demarrage;
};

} // namespace pulsodex
