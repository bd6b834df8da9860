#pragma once
// La vérification des mises à jour sur un fil à part : l'interface ne gèle
// pas, la réponse est montrée à son arrivée.
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>

#include "core/interfaces/Presentateur.h"
#include "core/net/AvisMiseAJour.h"
#include "core/net/MiseAJour.h"

namespace pulsodex {

class VerificationMiseAJour : public QObject {
    Q_OBJECT
public:
    using Verifier =
        std::function<net::EtatMiseAJour(const net::ParametresMiseAJour&, const std::stop_token&)>;
    // verifier : la requête elle-même (remplacée dans les essais).
    explicit VerificationMiseAJour(Presentateur& boites, Verifier verifier = net::VerifierMiseAJour,
                                   QObject* parent = nullptr);
    ~VerificationMiseAJour() override;
    VerificationMiseAJour(const VerificationMiseAJour&) = delete;
    VerificationMiseAJour& operator=(const VerificationMiseAJour&) = delete;

    // Lance la vérification. Depuis le menu, le sablier reste jusqu'à la
    // réponse. Une vérification déjà en cours n'est pas relancée : demandée
    // depuis le menu, elle répond comme le menu.
    void Lancer(net::ParametresMiseAJour parametres, net::OrigineVerification origine);
    // Abandonne la vérification en cours sans rien montrer (fermeture). Le fil
    // n'est pas attendu : une résolution de nom peut tarder ; il finit seul.
    void Arreter();
    [[nodiscard]] bool EnCours() const noexcept { return m_enCours; }

signals:
    // La réponse est arrivée et sa boîte éventuelle a été fermée.
    void Terminee(net::EtatMiseAJour etat);

private:
    void Arrivee(std::uint64_t generation, net::EtatMiseAJour etat);
    void Sablier(bool actif);

    Presentateur& m_boites;
    Verifier m_verifier;
    struct Lien;
    std::shared_ptr<Lien> m_lien; // ce que le fil partage avec l'objet
    std::stop_source m_arret;
    std::uint64_t m_generation = 0;
    bool m_enCours = false;
    class SablierPose;
    std::unique_ptr<SablierPose> m_sablier;
    net::OrigineVerification m_origine = net::OrigineVerification::Demarrage;
};

} // namespace pulsodex
