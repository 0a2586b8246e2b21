#pragma once

#include "library/csp/CutPart.h"
#include "library/csp/StockLength.h"

#include <string>
#include <string_view>
#include <vector>

namespace csp {

// The comma-separated cutting lists of the program: parts as rows "mark,length,quantity",
// stock as rows "length,quantity" where an empty quantity means as many as needed. Lengths are
// in mm ("2500", "2500.5"). The separator may also be ';' or a tab (the first row decides);
// fields may be quoted ("B,1"), blanks around fields and blank rows are passed over, and empty
// fields after the last one are allowed (as spreadsheets write them). A first row whose length
// is not a number is a header.
//
// Every bad row is reported as "FILE:LINE: what is wrong"; rows read are only given back when
// all are good.
class CuttingListFile {
public:
    static bool readParts(const std::string& path, std::vector<CutPart>& parts,
                          std::vector<std::string>& problems);
    static bool readStock(const std::string& path, std::vector<StockLength>& stock,
                          std::vector<std::string>& problems);

    // The same from text already read; name is the file name used in problems.
    static bool parseParts(std::wstring_view text, const std::string& name,
                           std::vector<CutPart>& parts, std::vector<std::string>& problems);
    static bool parseStock(std::wstring_view text, const std::string& name,
                           std::vector<StockLength>& stock, std::vector<std::string>& problems);
};

} // namespace csp
