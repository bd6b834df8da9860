#pragma once
// Les tâches de l'agenda lancées sur un fil à part : le fil de l'interface ne
// les attend jamais (un programme gardé sur un montage réseau mort bloquerait
// son lancement). Un fil resté bloqué n'est pas attendu à la fin, et les
// tâches encore en attente derrière lui sont alors abandonnées.
#include <chrono>
#include <functional>
#include <memory>

#include "core/app/Agenda.h"

namespace pulsodex {

class FileTaches {
public:
    // executer : lance une tâche et note son échec ; appelé sur le fil de la file.
    explicit FileTaches(std::function<void(const TacheALancer&)> executer);
    ~FileTaches();
    FileTaches(const FileTaches&) = delete;
    FileTaches& operator=(const FileTaches&) = delete;

    void Ajouter(TacheALancer tache);
    // Attend que la file soit vide, au plus le délai ; vrai si elle l'est.
    bool AttendreVide(std::chrono::milliseconds delai);

private:
    struct Etat;
    std::shared_ptr<Etat> m_etat;
};

} // namespace pulsodex
