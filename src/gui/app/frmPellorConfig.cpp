#include "gui/app/frmPellorConfig.h"

namespace pellor {

frmPellorConfig::frmPellorConfig(const ProgramVariant& variant, const QString& programName,
                                 QWidget* parent)
    : QMainWindow(parent), m_variant(variant), m_programName(programName) {
    setObjectName(QStringLiteral("frmPellorConfig"));
    setWindowTitle(m_programName + m_variant.titleSuffix);
    resize(960, 640); // until a placement is stored for the user
}

} // namespace pellor
