#pragma once
// La fenêtre de message du programme : icône, texte, « &Continuer » ; son
// titre réclame l'attention chaque seconde tant qu'elle est ouverte.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <string_view>

class QLabel;
class QPushButton;
class QTimer;

namespace pulsodex {

class TMessageForm : public QDialog {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* MessageLabel = nullptr;
    QPushButton* OkCmd = nullptr;
    QTimer* Timer1 = nullptr;
    [[nodiscard]] bool Clignote() const { return m_clignote; }

    void Timer1Timer();

private:
    bool m_clignote = false;
};

// Ouvre une nouvelle fenêtre modale (légende vide : « Message Pulsodex »),
// précédée du son donné, et rend la main aussitôt ; fermee (vide : rien) est
// appelée quand elle se ferme, et elle se libère.
void AfficheMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                    std::function<void()> fermee = {});

} // namespace pulsodex
