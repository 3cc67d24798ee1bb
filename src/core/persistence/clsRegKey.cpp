#include "core/persistence/clsRegKey.h"

#include "core/platform/EnvironmentStrings.h"
#include "core/platform/NumberText.h"

#include <cmath>

namespace pellor {

namespace {

// Text of registry data: the bytes up to the first NUL.
QString textBeforeNul(const QByteArray& data) {
    const qsizetype nul = data.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? data : data.first(nul));
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool hasNoText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
    case QMetaType::QByteArrayList:
        return true;
    default:
        return false;
    }
}

QByteArray dwordBytes(qint32 n) {
    const auto u = quint32(n);
    QByteArray bytes(4, '\0');
    for (int b = 0; b < 4; ++b)
        bytes[b] = char((u >> (8 * b)) & 0xff);
    return bytes;
}

} // namespace

qint32 clsRegKey::OpenReg(RegKeyHandle hKeyParent, const QString& lpszKeyName, quint32 samDesired) {
    RegKeyHandle key = 0;
    const qint32 rc = m_registry.openKey(hKeyParent, lpszKeyName, samDesired, &key);
    if (rc != RegError::Success)
        return rc;
    const qint32 closed = CloseReg();
    m_key = key;
    return closed;
}

qint32 clsRegKey::CreateKey(RegKeyHandle hKeyParent, const QString& lpszKeyName, quint32 dwOptions,
                            quint32 samDesired, quint32* lpdwDisposition) {
    RegKeyHandle key = 0;
    quint32 disposition = 0;
    const qint32 rc =
        m_registry.createKey(hKeyParent, lpszKeyName, dwOptions, samDesired, &key, &disposition);
    if (lpdwDisposition)
        *lpdwDisposition = disposition;
    if (rc != RegError::Success)
        return rc;
    CloseReg();
    m_key = key;
    return rc;
}

qint32 clsRegKey::CloseReg() {
    if (m_key == 0)
        return RegError::Success;
    const qint32 rc = m_registry.closeKey(m_key);
    m_key = 0;
    return rc;
}

RegKeyHandle clsRegKey::Detach() {
    const RegKeyHandle key = m_key;
    m_key = 0;
    return key;
}

qint32 clsRegKey::QueryValue(QVariant& value, const QString& lpszValueName) {
    quint32 type = 0;
    QByteArray data;
    if (m_registry.queryValue(m_key, lpszValueName, &type, &data) != RegError::Success)
        return -1;
    switch (type) {
    case RegType::Sz:
        value = textBeforeNul(data);
        return RegError::Success;
    case RegType::ExpandSz:
        value = expandEnvironmentStrings(textBeforeNul(data));
        return RegError::Success;
    case RegType::Binary:
        value = data;
        return RegError::Success;
    case RegType::Dword: {
        if (data.size() > 4)
            return RegError::MoreData;
        quint32 n = 0;
        for (qsizetype b = data.size() - 1; b >= 0; --b)
            n = (n << 8) | static_cast<unsigned char>(data.at(b));
        value = qint32(n);
        return RegError::Success;
    }
    case RegType::MultiSz: {
        if (data.size() < 1)
            return -1;
        QList<QByteArray> parts = data.split('\0');
        while (!parts.isEmpty() && parts.last().isEmpty())
            parts.removeLast(); // the terminating NULs
        QStringList texts;
        for (const QByteArray& part : parts)
            texts.append(QString::fromUtf8(part));
        value = texts;
        return RegError::Success;
    }
    default:
        return -1;
    }
}

qint32 clsRegKey::SetValue(const QVariant& value, const QString& lpszValueName) {
    if (value.typeId() == QMetaType::Bool)
        return m_registry.setValue(m_key, lpszValueName, RegType::Dword,
                                   dwordBytes(value.toBool() ? -1 : 0));
    if (isNumber(value)) {
        const std::optional<qint32> n = NumberText::toLong(value.toDouble());
        if (!n)
            return RegError::InvalidParameter;
        return m_registry.setValue(m_key, lpszValueName, RegType::Dword, dwordBytes(*n));
    }
    if (value.typeId() == QMetaType::QByteArray)
        return m_registry.setValue(m_key, lpszValueName, RegType::Binary, value.toByteArray());
    if (hasNoText(value))
        return RegError::InvalidParameter;
    return m_registry.setValue(m_key, lpszValueName, RegType::Sz,
                               value.toString().toUtf8() + QByteArray(1, '\0'));
}

qint32 clsRegKey::DeleteValue(const QString& lpszValue) {
    return m_registry.deleteValue(m_key, lpszValue);
}

qint32 clsRegKey::DeleteSubKey(const QString& lpszSubKey) {
    return m_registry.deleteKey(m_key, lpszSubKey);
}

qint32 clsRegKey::RecurseDeleteKey(const QString& lpszKey) {
    // An empty name would open the held key itself and empty it before failing.
    if (lpszKey.isEmpty())
        return RegError::InvalidParameter;
    clsRegKey key(m_registry);
    qint32 rc = key.OpenReg(m_key, lpszKey, RegAccess::AllAccess);
    if (rc != RegError::Success)
        return rc;
    while (true) {
        QString first;
        if (m_registry.enumKey(key.m_hKey(), 0, &first) != RegError::Success) {
            rc = DeleteSubKey(lpszKey);
            break;
        }
        rc = key.RecurseDeleteKey(first);
        if (rc != RegError::Success)
            break;
    }
    key.CloseReg();
    return rc;
}

qint32 clsRegKey::enumNames(bool subKeys, QStringList& result) {
    RegistryKeyInfo info;
    qint32 rc = m_registry.queryInfoKey(m_key, &info);
    if (rc != RegError::Success)
        return rc;
    const quint32 count = subKeys ? info.subKeys : info.values;
    QStringList names;
    names.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        QString name;
        rc = subKeys ? m_registry.enumKey(m_key, i, &name) : m_registry.enumValue(m_key, i, &name);
        if (rc != RegError::Success)
            return rc;
        names.append(name);
    }
    result = names;
    return RegError::Success;
}

qint32 clsRegKey::EnumSubKeyNames(QStringList& vntKeyNames) {
    return enumNames(true, vntKeyNames);
}

qint32 clsRegKey::EnumValueNames(QStringList& vntValueNames) {
    return enumNames(false, vntValueNames);
}

} // namespace pellor
