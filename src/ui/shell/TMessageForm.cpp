#include "ui/shell/TMessageForm.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "core/commun/Trace.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/adaptateurs/Sons.h"
#include "ui/shell/BoitesSansAttente.h"

namespace pulsodex {

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("MessageForm"));
    setWindowTitle(QStringLiteral("Message Pulsodex"));
    setFixedSize(313, 115);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(12, 16, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));

    // Taille fixe : un texte trop long passe à la ligne et se coupe au bas.
    MessageLabel = new QLabel(this);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setGeometry(60, 16, 241, 53);
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextFormat(Qt::PlainText);
    MessageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OkCmd = new QPushButton(QStringLiteral("&Continuer"), this);
    OkCmd->setObjectName(QStringLiteral("OkCmd"));
    OkCmd->setGeometry(112, 80, 93, 25);
    OkCmd->setDefault(true);
    connect(OkCmd, &QPushButton::clicked, this, &QDialog::accept);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TMessageForm::Timer1Timer);
    Timer1->start(1000);
}

void TMessageForm::Timer1Timer() {
    m_clignote = !m_clignote;
    // L'urgence du bureau, une demi-seconde sur deux.
    if (m_clignote) {
        QApplication::alert(this, 500);
    }
}

void AfficheMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                    std::function<void()> fermee) {
    TraceProcedure trace("AfficheMessage");
    auto* fenetre = new TMessageForm;
    fenetre->MessageLabel->setText(Q(texte));
    if (!legende.empty()) {
        fenetre->setWindowTitle(Q(legende));
    }
    if (son != 0) {
        JouerSon(son);
    }
    MontrerSansAttendre(fenetre, [fermee = std::move(fermee)](int) {
        if (fermee) {
            fermee();
        }
    });
}

} // namespace pulsodex
