#include "forms.h"

#include "runtime/form_life.h"

namespace zelvar {

FrmConver& frmConver() {
    return globalForm<FrmConver>();
}

FrmSplash& frmSplash() {
    return globalForm<FrmSplash>();
}

}  // namespace zelvar
