#pragma once

#include "platform/ui/windows/WinTypes.h"

#include <string>

class CButtonST;
class CWnd;

// Makes the template's control id in parent the icon button button: it shows icon and tells tip
// when the pointer rests on it. Returns false, leaving button unattached, when the template has
// no control id (a template of an older program), so a dialog opens without the button.
bool attachIconButton(CButtonST& button, CWnd* parent, int id, UINT icon, const std::wstring& tip);
