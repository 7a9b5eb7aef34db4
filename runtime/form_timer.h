#pragma once

class QObject;
class QTimer;

namespace zelvar {

// A form's timer: ticks every intervalMs milliseconds, on time rather than
// early (Qt's default timers may fire up to 5% early), and is enabled from
// its creation.
QTimer* createFormTimer(QObject& form, int intervalMs);

// Sets the timer's Enabled. Enabling a timer that already runs changes
// nothing: it keeps counting from when it started.
void setTimerEnabled(QTimer& timer, bool enabled);

}  // namespace zelvar
