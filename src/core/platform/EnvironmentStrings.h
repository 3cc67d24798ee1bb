#pragma once

#include <QString>
#include <QStringView>

namespace pellor {

// Replaces every %NAME% reference in the text by the value of the environment variable NAME,
// as the system expands registry texts of type REG_EXPAND_SZ: a name is looked up exactly,
// then without regard to case. A reference to a variable that is not set stays as it is (and
// scanning goes on after its closing "%"), as do "%%" and a lone "%"; values put in are not
// expanded again.
QString expandEnvironmentStrings(QStringView text);

} // namespace pellor
