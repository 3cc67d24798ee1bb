#pragma once

#include <QtGlobal>

namespace pellor {

// A handle of an open registry key, as the registry backend hands it out. 0 is no key.
using RegKeyHandle = quintptr;

// The predefined key below which all keys of this program live.
constexpr RegKeyHandle HKEY_CLASSES_ROOT = 0x80000000u;

// Results of registry operations: the Windows system error codes.
namespace RegError {
constexpr qint32 Success = 0;
constexpr qint32 FileNotFound = 2;
constexpr qint32 PathNotFound = 3;
constexpr qint32 AccessDenied = 5;
constexpr qint32 InvalidHandle = 6;
constexpr qint32 InvalidData = 13;
constexpr qint32 InvalidParameter = 87;
constexpr qint32 AlreadyExists = 183;
constexpr qint32 MoreData = 234;
constexpr qint32 NoMoreItems = 259;
constexpr qint32 BadDatabase = 1009; // the registry file cannot be parsed
constexpr qint32 CannotRead = 1012;
constexpr qint32 CannotWrite = 1013;
constexpr qint32 KeyDeleted = 1018;
} // namespace RegError

// Value types.
namespace RegType {
constexpr quint32 None = 0;
constexpr quint32 Sz = 1;
constexpr quint32 ExpandSz = 2;
constexpr quint32 Binary = 3;
constexpr quint32 Dword = 4;
constexpr quint32 MultiSz = 7;
} // namespace RegType

// Access masks of opened keys.
namespace RegAccess {
constexpr quint32 QueryValue = 0x0001;
constexpr quint32 SetValue = 0x0002;
constexpr quint32 CreateSubKey = 0x0004;
constexpr quint32 EnumerateSubKeys = 0x0008;
constexpr quint32 Notify = 0x0010;
constexpr quint32 CreateLink = 0x0020;
constexpr quint32 Read = 0x20019;
constexpr quint32 Write = 0x20006;
constexpr quint32 AllAccess = 0xF003F;
} // namespace RegAccess

// Options of key creation. Every key is kept in the registry file, so a volatile key is
// kept like a non-volatile one.
namespace RegOption {
constexpr quint32 NonVolatile = 0;
constexpr quint32 Volatile = 1;
} // namespace RegOption

// What key creation did.
namespace RegDisposition {
constexpr quint32 CreatedNewKey = 1;
constexpr quint32 OpenedExistingKey = 2;
} // namespace RegDisposition

// Flag of restoring a key from a file: replace the key's content even while other handles
// refer to it or to keys below it.
constexpr quint32 REG_FORCE_RESTORE = 0x8;

// Longest key name (one path component) and value name.
constexpr int RegMaxKeyNameLength = 255;
constexpr int RegMaxValueNameLength = 16383;

} // namespace pellor
