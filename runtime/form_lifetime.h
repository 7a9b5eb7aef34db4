#pragma once

#include <QPointer>
#include <QWidget>
#include <concepts>

// A form's life: its single global instance is created on first use, shown
// modeless, and unloaded (closed and deleted) when it is done.
namespace zelvar {

namespace detail {
void registerGlobalForm(QWidget& form);
}

// The one instance of Form, created (and so loaded: its Form_Load runs) the
// first time it is asked for, and again after it was unloaded.
template <std::derived_from<QWidget> Form>
Form& globalForm() {
    static QPointer<Form> instance;
    if (!instance) {
        instance = new Form();
        detail::registerGlobalForm(*instance);
    }
    return *instance;
}

// Shows a loaded form modeless and gives it the keyboard focus, as a newly
// shown window gets it; returns at once.
void showForm(QWidget& form);

// Closes the form; its timers stop first, so none fires after it is gone. A
// global form is then deleted; the program ends when no window is left open.
void unloadForm(QWidget& form);

// Deletes every global form still loaded; the end of the program calls it.
void unloadAllForms();

// How many global forms are loaded now.
int loadedFormCount();

}  // namespace zelvar
