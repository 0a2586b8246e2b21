#pragma once

#include "platform/core/model/Vdn_Bill.h"
#include "platform/core/text/Vdn_StringArray.h"

class AcTransaction;

// The core module's pictures of bill items, made for outputs that show an item under its row.
//
// Pictures are drawn on the picture surface, which initBMPDialog opens and closeBMPDialog
// closes around a feed; createImage fails while it is closed. The image parameters are:
//  view     -1 a side view of the item (a bar to the scale of the bill's longest item),
//           0 or more an end view (an I-shaped section)
//  size     the picture's height in pixels (8 to 400; 0 or less: 40); pictures are three
//           times as wide as high
//  detail   reserved; passed on unchanged
//  lines    draws the item's centre line
//  colour   steel blue instead of grey
// They are taken by reference because a renderer may adjust them to what it could draw.

// Renders the picture of the item whose position mark is the row's first field into a new
// temporary ".bmp" file and names it in fileName. False, with fileName empty, without bill
// or transaction, while the surface is closed, for a row without fields or for an item the
// bill does not hold.
bool createImage(const Vdn_StringArray& row, Vdn_String& fileName, int& view, int& size,
                 int& detail, bool& lines, bool& colour, Vdn_Bill* bill,
                 AcTransaction* transaction);
// Opens the picture surface with the given frame height (pixels); opening it again resizes.
void initBMPDialog(int size);
void closeBMPDialog();
// Removes the file; false when it does not exist or cannot be removed.
bool deleteFile(const Vdn_String& name);

namespace core {

// The picture surface's state, for those who want to know whether a feed opened it.
struct BillPictureSurface {
    bool open = false;
    int size = 0;
    int timesOpened = 0;
    int timesClosed = 0;
};
const BillPictureSurface& billPictureSurface();
// Back to a closed surface with no history (a new program run).
void resetBillPictureSurface();

} // namespace core
