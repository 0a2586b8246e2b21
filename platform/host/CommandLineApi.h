#pragma once

#include "platform/core/settings/AcadErrorStatus.h"

// Prints on the host's command line. The format follows the Windows wide conventions: %s and
// %c take wide arguments, %S and %C narrow ones. Returns the number of characters printed.
int acutPrintf(const wchar_t* format, ...);

// Re-posts the command prompt.
void acedPostCommandPrompt();

// Posts a command as if typed on the command line; eInvalidInput for a null or empty command.
Acad::ErrorStatus acedPostCommand(const wchar_t* command);
