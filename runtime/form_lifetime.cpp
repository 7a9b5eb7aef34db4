#include "form_lifetime.h"

#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace zelvar {
namespace {

// Only the user-interface thread creates and unloads forms.
std::vector<QPointer<QWidget>> globalForms;

void forgetUnloaded() {
    std::erase_if(globalForms, [](const QPointer<QWidget>& form) { return form.isNull(); });
}

}  // namespace

namespace detail {

void registerGlobalForm(QWidget& form) {
    form.setAttribute(Qt::WA_DeleteOnClose);
    forgetUnloaded();
    globalForms.emplace_back(&form);
}

}  // namespace detail

void showForm(QWidget& form) {
    form.show();
    form.raise();
    // Wayland leaves activation to the compositor and warns when asked.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        form.activateWindow();
}

void unloadForm(QWidget& form) {
    for (QTimer* timer : form.findChildren<QTimer*>())
        timer->stop();
    form.close();
}

void unloadAllForms() {
    forgetUnloaded();
    // Deleting a form may delete others it owns; take them one at a time.
    while (!globalForms.empty()) {
        QPointer<QWidget> form = globalForms.back();
        globalForms.pop_back();
        delete form.data();
    }
}

int loadedFormCount() {
    forgetUnloaded();
    return int(globalForms.size());
}

}  // namespace zelvar
