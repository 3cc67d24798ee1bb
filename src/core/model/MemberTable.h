#pragma once

#include "core/model/MemberInfo.h"
#include "core/model/SerialObject.h"

#include <optional>
#include <type_traits>

// Builders for the static member tables of serializable classes. A table lists every
// member once, in interface order; the serializer, the CSV columns and debugging dumps
// all walk it, so no second list of member names exists anywhere.
namespace pellor::members {

template <class T> struct Declared;
template <> struct Declared<QString> { static constexpr MemberType type = MemberType::String; };
template <> struct Declared<bool> { static constexpr MemberType type = MemberType::Boolean; };
template <> struct Declared<qint16> { static constexpr MemberType type = MemberType::Integer; };
template <> struct Declared<qint32> { static constexpr MemberType type = MemberType::Long; };
template <> struct Declared<float> { static constexpr MemberType type = MemberType::Single; };
template <> struct Declared<double> { static constexpr MemberType type = MemberType::Double; };
template <> struct Declared<Variant> { static constexpr MemberType type = MemberType::Variant; };
template <class X> struct Declared<std::shared_ptr<X>> {
    static constexpr MemberType type = MemberType::Object;
};

// Assignment conversion of a variant to a declared type.
template <class T> std::optional<T> convert(const Variant& v);
template <> inline std::optional<QString> convert<QString>(const Variant& v) {
    return v.toString();
}
template <> inline std::optional<bool> convert<bool>(const Variant& v) {
    return v.toBool();
}
template <> inline std::optional<qint16> convert<qint16>(const Variant& v) {
    return v.toInteger();
}
template <> inline std::optional<qint32> convert<qint32>(const Variant& v) {
    return v.toLong();
}
template <> inline std::optional<float> convert<float>(const Variant& v) {
    return v.toSingle();
}
template <> inline std::optional<double> convert<double>(const Variant& v) {
    return v.toDouble();
}
template <> inline std::optional<Variant> convert<Variant>(const Variant& v) {
    return v;
}
template <class X> std::optional<std::shared_ptr<X>> convertObject(const Variant& v) {
    if (!v.isObject())
        return std::nullopt;
    ObjectRef o = v.toObject();
    if (!o)
        return std::shared_ptr<X>();
    auto typed = std::dynamic_pointer_cast<X>(o);
    if (!typed)
        return std::nullopt;
    return typed;
}

template <class> struct PointerTraits;
template <class C, class T> struct PointerTraits<T C::*> {
    using Class = C;
    using Type = T;
};
template <class C, class R> struct PointerTraits<R (C::*)() const> {
    using Class = C;
    using Type = std::remove_cvref_t<R>;
};
template <class C, class R, class A> struct PointerTraits<R (C::*)(A)> {
    using Class = C;
    using Type = std::remove_cvref_t<A>;
    using Result = R;
};

template <class T> constexpr bool isSharedPtr = false;
template <class X> constexpr bool isSharedPtr<std::shared_ptr<X>> = true;

template <class T> std::optional<T> assign(const Variant& v) {
    if constexpr (isSharedPtr<T>)
        return convertObject<typename T::element_type>(v);
    else
        return convert<T>(v);
}

// A public field, read and written.
template <auto Field> MemberInfo field(const char* name) {
    using C = typename PointerTraits<decltype(Field)>::Class;
    using T = typename PointerTraits<decltype(Field)>::Type;
    MemberInfo m;
    m.name = name;
    m.type = Declared<T>::type;
    m.get = [](const SerialObject& o) -> Variant {
        return Variant(static_cast<const C&>(o).*Field);
    };
    m.set = [](SerialObject& o, const Variant& v) -> bool {
        auto c = assign<T>(v);
        if (!c)
            return false;
        static_cast<C&>(o).*Field = std::move(*c);
        return true;
    };
    return m;
}

// A property computed by a const member function; read-only.
template <auto Getter>
MemberInfo readOnly(const char* name, std::optional<MemberType> declared = std::nullopt) {
    using C = typename PointerTraits<decltype(Getter)>::Class;
    using T = typename PointerTraits<decltype(Getter)>::Type;
    MemberInfo m;
    m.name = name;
    m.type = declared ? *declared : Declared<T>::type;
    m.readOnly = true;
    m.get = [](const SerialObject& o) -> Variant {
        return Variant((static_cast<const C&>(o).*Getter)());
    };
    return m;
}

// A property with a getter and a setter member function.
template <auto Getter, auto Setter>
MemberInfo property(const char* name, std::optional<MemberType> declared = std::nullopt) {
    using C = typename PointerTraits<decltype(Getter)>::Class;
    using T = typename PointerTraits<decltype(Setter)>::Type;
    MemberInfo m = readOnly<Getter>(name, declared ? declared : std::optional(Declared<T>::type));
    m.readOnly = false;
    // Setters return void, or bool when they can refuse a value.
    m.set = [](SerialObject& o, const Variant& v) -> bool {
        using R = typename PointerTraits<decltype(Setter)>::Result;
        auto c = assign<T>(v);
        if (!c)
            return false;
        if constexpr (std::is_same_v<R, bool>) {
            return (static_cast<C&>(o).*Setter)(std::move(*c));
        } else {
            (static_cast<C&>(o).*Setter)(std::move(*c));
            return true;
        }
    };
    return m;
}

// The enumerator member of a collection class.
template <auto Fn> MemberInfo enumerator(const char* name) {
    using C = typename PointerTraits<decltype(Fn)>::Class;
    MemberInfo m;
    m.name = name;
    m.kind = MemberKind::Enumerator;
    m.type = MemberType::Object;
    m.readOnly = true;
    m.enumerate = [](const SerialObject& o) { return (static_cast<const C&>(o).*Fn)(); };
    return m;
}

// A method called by name with arguments.
template <class C, bool (C::*Fn)(const std::vector<Variant>&, Variant&)>
MemberInfo method(const char* name) {
    MemberInfo m;
    m.name = name;
    m.kind = MemberKind::Method;
    m.invoke = [](SerialObject& o, const std::vector<Variant>& args, Variant& result) {
        return (static_cast<C&>(o).*Fn)(args, result);
    };
    return m;
}

} // namespace pellor::members

#define PELLOR_FIELD(Class, name) ::pellor::members::field<&Class::name>(#name)
