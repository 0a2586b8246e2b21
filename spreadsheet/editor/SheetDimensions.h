#pragma once

class Vdn_Spread;

// Lets the user change the dimensions of an attached sheet in the dimension options
// (CDlgSSOptions): filled with the sheet's column and row counts, the height of its
// column-header row, the width of its row-header column and the column and row names. On OK
// the sheet takes the new counts, header sizes and names, and its changed flag (option 30) is
// set. True on OK; false on Cancel or when the sheet is not attached (nothing changes then).
bool editSheetDimensions(Vdn_Spread& sheet);
