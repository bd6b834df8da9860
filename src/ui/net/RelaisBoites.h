#pragma once
// Boîtes demandées par un fil de service et montrées sur le fil de l'interface.
#include <QObject>

#include <atomic>
#include <cstddef>
#include <stop_token>
#include <string>

#include "core/interfaces/Presentateur.h"

namespace pulsodex {

class RelaisBoites : public QObject {
    Q_OBJECT
public:
    // Vit sur le fil de l'interface, comme le présentateur qu'il appelle.
    explicit RelaisBoites(Presentateur& boites, QObject* parent = nullptr);

    // Depuis un autre fil : ouvre une boîte à un bouton OK sur le fil de
    // l'interface (sans l'arrêter) et attend qu'elle soit fermée. Quand `arret` est demandé,
    // rend la main tout de suite, et une boîte pas encore ouverte ne s'ouvre
    // plus : l'arrêt du serveur ne peut pas attendre l'interface qui l'arrête.
    void Montrer(std::string texte, std::string legende, IconeBoite icone, const std::stop_token& arret);

    // Nombre de boîtes demandées jusqu'ici.
    [[nodiscard]] std::size_t Demandes() const noexcept { return m_demandes.load(); }

private:
    Presentateur& m_boites;
    std::atomic<std::size_t> m_demandes{0};
};

} // namespace pulsodex
