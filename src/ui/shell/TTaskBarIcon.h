#pragma once
// Icône de la zone de notification : présente seulement quand le programme
// y est rangé ; un clic gauche le fait revenir.
#include <QObject>
#include <QSystemTrayIcon>

namespace pulsodex {

inline constexpr int LongueurBulleMax = 63;

class TTaskBarIcon : public QObject {
    Q_OBJECT
public:
    TTaskBarIcon(const QIcon& icone, const QString& bulle, QObject* parent = nullptr);
    ~TTaskBarIcon() override;

    // Faux quand le bureau n'a pas de zone de notification.
    bool AjouterIcone();
    bool RetirerIcone();
    [[nodiscard]] bool Visible() const { return m_icone.isVisible(); }
    [[nodiscard]] QString Bulle() const { return m_icone.toolTip(); }
    [[nodiscard]] static bool ZoneDisponible();
    // Notification de la souris (clic gauche relâché seulement).
    void Activee(QSystemTrayIcon::ActivationReason raison);

    // Vrai : la fenêtre restaurée garde une entrée dans la barre des tâches.
    bool AfficherApplication = true;

signals:
    void Restaurer();

private:
    QSystemTrayIcon m_icone;
};

// Coupe une bulle à 63 caractères.
QString BulleCoupee(const QString& bulle);

} // namespace pulsodex
