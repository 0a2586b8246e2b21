#pragma once

// The walk of a settings path through the members that a settings part lists with
// visitMembers, shared by the parts' readSetting and writeSetting. Internal to the workshop
// settings.

#include "platform/core/workshop/WsUiMessages.h"
#include "platform/core/workshop/WsUiSettingsBase.h"

#include <cmath>
#include <string_view>
#include <type_traits>

namespace core::wsui {

inline bool isMember(const Vdn_String& component, const char* name) {
    const std::wstring& text = component.str();
    const std::string_view ascii(name);
    if (text.size() != ascii.size())
        return false;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        if (text[i] != static_cast<wchar_t>(ascii[i]))
            return false;
    }
    return true;
}

inline Acad::ErrorStatus failWith(Acad::ErrorStatus status, Vdn_String* why,
                                  const Vdn_String& reason) {
    if (why)
        *why = reason;
    return status;
}

// What the first depth components of path name, quoted, for messages.
inline Vdn_String quotedPrefix(const WsUiSettingPath& path, int depth) {
    WsUiSettingPath prefix = path;
    prefix.removeAllPathsFrom(depth);
    return L"\"" + prefix.toText() + L"\"";
}

inline Acad::ErrorStatus notAValue(const WsUiSettingPath& path, int depth, Vdn_String* why) {
    return failWith(Acad::eKeyNotFound, why,
                    quotedPrefix(path, depth) + L" names a part of the settings, not one value");
}

// Index of the element named name (without regard to case), or -1.
template <typename T> int indexOfElement(const Vdn_Array<T>& items, const Vdn_String& name) {
    for (int i = 0; i < items.length(); ++i) {
        if (items[i].name().equal(name, false))
            return i;
    }
    return -1;
}

// Why name may not be given to the element at index of items (-1: a new element), or empty.
template <typename T>
Vdn_String refusedName(const Vdn_Array<T>& items, int index, const Vdn_String& name) {
    if (name.isEmpty())
        return L"a name must not be empty";
    for (int i = 0; i < items.length(); ++i) {
        if (i != index && items[i].name().equal(name, false))
            return wsUiNameInUseText();
    }
    return {};
}

template <typename T>
Acad::ErrorStatus renameElement(Vdn_Array<T>& items, int index, const Vdn_String& name,
                                Vdn_String* why) {
    if (!items.isValidIndex(index))
        return Acad::eOutOfRange;
    T& item = items[index];
    if (item.name() == name)
        return Acad::eOk;
    if (item.isProtected())
        return failWith(Acad::eInvalidInput, why, wsUiBaseGroupsText());
    if (const Vdn_String reason = refusedName(items, index, name); !reason.isEmpty())
        return failWith(Acad::eInvalidInput, why, reason);
    item.setName(name);
    return Acad::eOk;
}

template <typename T>
Acad::ErrorStatus insertElement(Vdn_Array<T>& items, int index, const T& item, Vdn_String* why) {
    if (index < 0 || index > items.length())
        return Acad::eOutOfRange;
    if (const Vdn_String reason = refusedName(items, -1, item.name()); !reason.isEmpty())
        return failWith(Acad::eInvalidInput, why, reason);
    items.insertAt(index, item);
    return Acad::eOk;
}

// A stored value converted to the kind of out: the same kind, or an integer of another width
// that fits. False, with out unchanged, otherwise.
template <typename T> bool convertValue(const WsUiSettingValue& value, T& out) {
    if (const T* same = std::get_if<T>(&value)) {
        out = *same;
        return true;
    }
    if constexpr (std::is_same_v<T, int>) {
        if (const long* wide = std::get_if<long>(&value);
            wide && *wide >= kWsUiAnyInt.low && *wide <= kWsUiAnyInt.high) {
            out = static_cast<int>(*wide);
            return true;
        }
    } else if constexpr (std::is_same_v<T, long>) {
        if (const int* narrow = std::get_if<int>(&value)) {
            out = *narrow;
            return true;
        }
    }
    return false;
}

inline Vdn_String numberText(long number) {
    return Vdn_String::fromUtf8(std::to_string(number));
}

// Why value may not be stored in a member of its kind with range, or empty.
template <typename T> Vdn_String refusedValue(const T& value, WsUiRange range) {
    if constexpr (std::is_same_v<T, int> || std::is_same_v<T, long>) {
        if (value < range.low || value > range.high)
            return numberText(value) + L" is not between " + numberText(range.low) + L" and " +
                   numberText(range.high);
    } else if constexpr (std::is_same_v<T, Vdn_Array<double>>) {
        for (const double scale : value) {
            if (!std::isfinite(scale) || scale <= 0)
                return L"a scale must be a number above 0";
        }
    }
    return {};
}

class ReadWalk {
public:
    ReadWalk(const WsUiSettingPath& path, int depth, WsUiSettingValue& value, Vdn_String* why)
        : path_(path), depth_(depth), value_(value), why_(why) {}

    template <typename F> void leaf(const char* name, const F& member, WsUiRange = kWsUiAnyInt) {
        if (!claim(name))
            return;
        if (depth_ + 1 != path_.length())
            status_ = failWith(Acad::eKeyNotFound, why_,
                               quotedPrefix(path_, depth_ + 1) + L" is one value; it has no parts");
        else {
            value_ = member;
            status_ = Acad::eOk;
        }
    }
    template <typename R> void record(const char* name, const R& part) {
        if (claim(name))
            status_ = depth_ + 1 == path_.length()
                          ? notAValue(path_, depth_ + 1, why_)
                          : part.readSetting(path_, depth_ + 1, value_, why_);
    }
    template <typename T> void list(const char* name, const Vdn_Array<T>& items) {
        if (!claim(name))
            return;
        const int index = element(items);
        if (index >= 0)
            status_ = depth_ + 2 == path_.length()
                          ? notAValue(path_, depth_ + 2, why_)
                          : items[index].readSetting(path_, depth_ + 2, value_, why_);
    }

    Acad::ErrorStatus finish() {
        if (depth_ >= path_.length())
            return notAValue(path_, depth_, why_);
        if (!claimed_)
            return failWith(Acad::eKeyNotFound, why_,
                            quotedPrefix(path_, depth_ + 1) + L": no such setting");
        return status_;
    }

private:
    bool claim(const char* name) {
        if (claimed_ || depth_ >= path_.length() || !isMember(path_.component(depth_), name))
            return false;
        claimed_ = true;
        return true;
    }
    // The index of the element the path names in items, or -1 with the status set.
    template <typename T> int element(const Vdn_Array<T>& items) {
        if (depth_ + 1 == path_.length()) {
            status_ = notAValue(path_, depth_ + 1, why_);
            return -1;
        }
        const int index = indexOfElement(items, path_.component(depth_ + 1));
        if (index < 0)
            status_ = failWith(Acad::eKeyNotFound, why_,
                               quotedPrefix(path_, depth_ + 2) + L": no element of that name");
        return index;
    }

    const WsUiSettingPath& path_;
    const int depth_;
    WsUiSettingValue& value_;
    Vdn_String* why_;
    bool claimed_ = false;
    Acad::ErrorStatus status_ = Acad::eKeyNotFound;
};

template <typename Self>
Acad::ErrorStatus readMember(const Self& self, const WsUiSettingPath& path, int depth,
                             WsUiSettingValue& value, Vdn_String* why) {
    ReadWalk walk(path, depth, value, why);
    Self::visitMembers(self, walk);
    return walk.finish();
}

template <typename Self> class WriteWalk {
public:
    WriteWalk(const Self& self, const WsUiSettingPath& path, int depth,
              const WsUiSettingValue& value, Vdn_String* why)
        : self_(self), path_(path), depth_(depth), value_(value), why_(why) {}

    template <typename F> void leaf(const char* name, F& member, WsUiRange range = kWsUiAnyInt) {
        if (!claim(name))
            return;
        if (depth_ + 1 != path_.length()) {
            status_ = failWith(Acad::eKeyNotFound, why_,
                               quotedPrefix(path_, depth_ + 1) + L" is one value; it has no parts");
            return;
        }
        if constexpr (std::is_same_v<F, int>) {
            // A long that does not fit an int is out of range, not of another kind.
            if (const long* wide = std::get_if<long>(&value_);
                wide && (*wide < range.low || *wide > range.high)) {
                status_ =
                    failWith(Acad::eInvalidInput, why_,
                             quotedPrefix(path_, depth_ + 1) + L": " + refusedValue(*wide, range));
                return;
            }
        }
        F converted{};
        if (!convertValue(value_, converted)) {
            status_ = failWith(Acad::eNotApplicable, why_,
                               quotedPrefix(path_, depth_ + 1) + L" holds " +
                                   Vdn_String::fromUtf8(wsUiKindName(WsUiSettingValue(member))) +
                                   L", not " + Vdn_String::fromUtf8(wsUiKindName(value_)));
            return;
        }
        if (converted == member) {
            status_ = Acad::eOk;
            return;
        }
        if (lockedMember(name)) {
            status_ = failWith(Acad::eInvalidInput, why_, wsUiBaseGroupsText());
            return;
        }
        if (const Vdn_String reason = refusedValue(converted, range); !reason.isEmpty()) {
            status_ = failWith(Acad::eInvalidInput, why_,
                               quotedPrefix(path_, depth_ + 1) + L": " + reason);
            return;
        }
        member = std::move(converted);
        status_ = Acad::eOk;
    }
    template <typename R> void record(const char* name, R& part) {
        if (claim(name))
            status_ = depth_ + 1 == path_.length()
                          ? notAValue(path_, depth_ + 1, why_)
                          : part.writeSetting(path_, depth_ + 1, value_, why_);
    }
    template <typename T> void list(const char* name, Vdn_Array<T>& items) {
        if (!claim(name))
            return;
        if (depth_ + 1 == path_.length()) {
            status_ = notAValue(path_, depth_ + 1, why_);
            return;
        }
        const int index = indexOfElement(items, path_.component(depth_ + 1));
        if (index < 0) {
            status_ = failWith(Acad::eKeyNotFound, why_,
                               quotedPrefix(path_, depth_ + 2) + L": no element of that name");
            return;
        }
        if (depth_ + 2 == path_.length()) {
            status_ = notAValue(path_, depth_ + 2, why_);
            return;
        }
        // A name is unique in its list, so the list renames, not the element.
        if (depth_ + 3 == path_.length() && isMember(path_.component(depth_ + 2), T::kNameKey)) {
            const Vdn_String* name = std::get_if<Vdn_String>(&value_);
            status_ = name ? renameElement(items, index, *name, why_)
                           : failWith(Acad::eNotApplicable, why_,
                                      quotedPrefix(path_, depth_ + 3) + L" holds text, not " +
                                          Vdn_String::fromUtf8(wsUiKindName(value_)));
            return;
        }
        status_ = items[index].writeSetting(path_, depth_ + 2, value_, why_);
    }

    Acad::ErrorStatus finish() {
        if (depth_ >= path_.length())
            return notAValue(path_, depth_, why_);
        if (!claimed_)
            return failWith(Acad::eKeyNotFound, why_,
                            quotedPrefix(path_, depth_ + 1) + L": no such setting");
        return status_;
    }

private:
    bool claim(const char* name) {
        if (claimed_ || depth_ >= path_.length() || !isMember(path_.component(depth_), name))
            return false;
        claimed_ = true;
        return true;
    }
    bool lockedMember(const char* name) const {
        if constexpr (requires { self_.isLockedMember(name); })
            return self_.isLockedMember(name);
        else
            return false;
    }

    const Self& self_;
    const WsUiSettingPath& path_;
    const int depth_;
    const WsUiSettingValue& value_;
    Vdn_String* why_;
    bool claimed_ = false;
    Acad::ErrorStatus status_ = Acad::eKeyNotFound;
};

template <typename Self>
Acad::ErrorStatus writeMember(Self& self, const WsUiSettingPath& path, int depth,
                              const WsUiSettingValue& value, Vdn_String* why) {
    WriteWalk<Self> walk(self, path, depth, value, why);
    Self::visitMembers(self, walk);
    return walk.finish();
}

} // namespace core::wsui
