#pragma once

#include "core/app/ProgramVariant.h"

#include <QMainWindow>
#include <QString>

namespace pellor {

// The main window of the editor.
class frmPellorConfig : public QMainWindow {
    Q_OBJECT

public:
    // programName: the program file name without extension, the start of the window title.
    frmPellorConfig(const ProgramVariant& variant, const QString& programName,
                    QWidget* parent = nullptr);

private:
    ProgramVariant m_variant;
    QString m_programName;
};

} // namespace pellor
