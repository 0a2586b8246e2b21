#pragma once

namespace core {

// The core module's options of the current drawing.
struct DocumentData {
    // Whether the spreadsheet engine shows its equation, variable and tolerance warnings.
    bool spreadsheetMessages = true;
};

// The data of the current document; one document is open at a time.
DocumentData& currentDocumentData();

} // namespace core
