#include <QIcon>
#include <memory>

#include "forms/frm_conver.h"
#include "runtime/form_application.h"

int main(int argc, char* argv[]) {
    zelvar::FormApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelvar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/zelvar.ico")));

    std::unique_ptr<zelvar::FrmConver> frmConver;
    return app.run([&] {
        frmConver = std::make_unique<zelvar::FrmConver>();
        frmConver->show();
    });
}
