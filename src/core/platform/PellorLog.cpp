#include "core/platform/PellorLog.h"

namespace pellor {

Q_LOGGING_CATEGORY(lcPellor, "pellor")

} // namespace pellor
