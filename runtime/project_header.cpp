#include "project_header.h"

namespace zelvar {

QString versionText(const ProjectHeader& project) {
    return QStringLiteral("%1.%2.%3").arg(project.major).arg(project.minor).arg(project.revision);
}

}  // namespace zelvar
