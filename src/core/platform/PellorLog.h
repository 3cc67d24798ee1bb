#pragma once

#include <QLoggingCategory>

namespace pellor {

// Diagnostics of the program (category "pellor"); there is no log file of its own.
Q_DECLARE_LOGGING_CATEGORY(lcPellor)

} // namespace pellor
