#include "run_time_error.h"

#include <QApplication>
#include <new>

#include "message_box.h"

namespace zelvar {

RunTimeErrorRaised::RunTimeErrorRaised(RunTimeError error)
    : std::runtime_error(error.description.toStdString()), error_(std::move(error)) {}

RunTimeError runTimeErrorOf(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RunTimeErrorRaised& raised) {
        return raised.error();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryError;
    } catch (const std::exception& other) {
        const QString what = QString::fromLocal8Bit(other.what());
        if (what.isEmpty())
            return kInternalError;
        return {kInternalError.number, kInternalError.description + QStringLiteral(": ") + what};
    } catch (...) {
        return kInternalError;
    }
}

QString runTimeErrorText(const RunTimeError& error) {
    return QStringLiteral("Run-time error %1:\n\n%2").arg(error.number).arg(error.description);
}

void reportRunTimeError(const RunTimeError& error) {
    showMessage(QApplication::activeWindow(), runTimeErrorText(error));
}

}  // namespace zelvar
