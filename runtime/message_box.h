#pragma once

#include <QString>

class QWidget;

namespace zelvar {

// Shows a message with an OK button only and no icon, titled with the
// application's title, and waits until the user closes it. The whole
// application takes no other input meanwhile.
void showMessage(QWidget* parent, const QString& prompt);

}  // namespace zelvar
