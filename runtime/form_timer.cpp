#include "form_timer.h"

#include <QTimer>

namespace zelvar {

QTimer* createFormTimer(QObject& form, int intervalMs) {
    auto* timer = new QTimer(&form);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    timer->start();
    return timer;
}

void setTimerEnabled(QTimer& timer, bool enabled) {
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

}  // namespace zelvar
