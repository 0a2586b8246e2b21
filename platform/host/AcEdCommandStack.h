#pragma once

#include "platform/core/settings/AcadErrorStatus.h"
#include "platform/host/AcRxObject.h"

#include <map>
#include <string>

using AcRxFunctionPtr = void (*)();

inline constexpr int ACRX_CMD_MODAL = 0;
inline constexpr int ACRX_CMD_TRANSPARENT = 1;

// The host's registered commands, kept in named groups. A global command name is unique
// across all groups.
class AcEdCommandStack : public AcRxObject {
public:
    // eInvalidInput for an empty group or name, a null function or a global name that is
    // already registered.
    Acad::ErrorStatus addCommand(const wchar_t* group, const wchar_t* globalName,
                                 const wchar_t* localName, int flags, AcRxFunctionPtr function);
    // Removes every command of group; eInvalidInput when the group has none.
    Acad::ErrorStatus removeGroup(const wchar_t* group);

    bool hasGroup(const wchar_t* group) const;
    // The function registered under globalName, or null.
    AcRxFunctionPtr lookupCmd(const wchar_t* globalName) const;

    // Forgets every command.
    void reset() { commands_.clear(); }

    static AcEdCommandStack* cast(AcRxObject* object) {
        return dynamic_cast<AcEdCommandStack*>(object);
    }

private:
    struct Command {
        std::wstring group;
        std::wstring localName;
        int flags = 0;
        AcRxFunctionPtr function = nullptr;
    };
    std::map<std::wstring, Command> commands_; // by global name
};
