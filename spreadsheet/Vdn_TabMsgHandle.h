#pragma once

// What a control that handles the Tab key itself tells its dialog.
enum Vdn_TabMsgHandle {
    tmhHandled = 0,     // the control keeps the key
    tmhNotHandled = 1,  // not the control's business: the dialog goes on as usual
    tmhPastLast = 2,    // Tab on the last place: the dialog moves to the next control
    tmhBeforeFirst = 3, // Shift+Tab on the first place: the dialog moves to the previous one
};
