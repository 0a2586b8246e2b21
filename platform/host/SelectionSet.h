#pragma once
// The host's selection sets as the SDK's C interface offers them: a set is named by an
// ads_name, read with acedSSLength and acedSSName, and released with acedSSFree; an entity
// name becomes an object id through acdbGetObjectId. Only the previous selection ("_P") is
// offered: the objects the user last selected in the drawing, which a test sets.

#include "platform/core/model/AcDbObjectId.h"
#include "platform/core/settings/AcadErrorStatus.h"

#include <cstdint>
#include <vector>

using ads_name = std::int64_t[2];

// Result codes of the C interface.
inline constexpr int RTNORM = 5100;
inline constexpr int RTERROR = -5001;

// A new set with the previous selection for mode "_P" (or "P"); RTERROR for any other mode,
// a null name, or when there is no previous selection. Points and filter are not used.
int acedSSGet(const wchar_t* mode, const void* point1, const void* point2, const void* filter,
              ads_name set);
// RTERROR for a set that is not open.
int acedSSLength(const ads_name set, std::int32_t* length);
// The entity at index (from 0); RTERROR outside the set or for a set that is not open.
int acedSSName(const ads_name set, std::int32_t index, ads_name entity);
// RTERROR for a set that is not open.
int acedSSFree(const ads_name set);
// eInvalidInput for a name that no set handed out.
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name entity);

namespace host {

// The objects the user selected last; an empty list means there is no previous selection.
void setPreviousSelection(std::vector<AcDbObjectId> ids);
// Sets acquired and not yet freed.
int openSelectionSets();

} // namespace host
