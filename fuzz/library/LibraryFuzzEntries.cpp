// Fuzz entries for the section library's readers of outside input: cutting lists, cutting-stock
// table files, the library's groups and types, the standard templates.
#include "fuzz/FuzzEntry.h"
#include "library/StandardTemplates.h"
#include "library/csp/CspTableFile.h"
#include "library/csp/CuttingListFile.h"
#include "library/csp/CuttingOptimizer.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/sections/SectionLibraryFile.h"
#include "platform/core/text/TextCodec.h"

#include <cmath>
#include <string>
#include <vector>

using fuzz::bytesOf;
using fuzz::require;

// A cutting list read as parts and as stock gives sound rows or reasons; parts that read are
// planned (from the stock read, or from 12000 mm bars), and a plan cuts every piece once.
TESSA_FUZZ_ENTRY(library_cutting_list) {
    const std::wstring text = core::TextCodec::decode(bytesOf(data, size));
    csp::CuttingProblem problem;
    std::vector<std::string> problems;
    const bool partsRead = csp::CuttingListFile::parseParts(text, "f", problem.parts, problems);
    require(partsRead == problems.empty());
    std::int64_t pieces = 0;
    for (const csp::CutPart& part : problem.parts) {
        require(!part.mark.empty() && std::isfinite(part.length) && part.length > 0 &&
                part.quantity > 0);
        pieces += std::min<std::int64_t>(part.quantity, 1'000'000);
    }
    problems.clear();
    if (!csp::CuttingListFile::parseStock(text, "f", problem.stock, problems) ||
        problem.stock.empty())
        problem.stock = {{12000, std::nullopt}};
    if (pieces > 2000)
        return; // large plans are the benchmark's business
    problem.kerf = 3;
    const csp::CuttingResult result = csp::CuttingOptimizer().solve(problem);
    require(result.ok() != !result.reason().empty());
    if (result.ok()) {
        std::int64_t cut = 0;
        for (const csp::PlannedBar& bar : result.plan().bars)
            cut += static_cast<std::int64_t>(bar.cuts.size());
        require(cut == pieces);
    }
}

// The groups and types read or are refused with a reason; what reads writes back to a text that
// reads back the same. The same bytes as a standard-templates file give templates whose name
// order stays within their values.
TESSA_FUZZ_ENTRY(library_section_library) {
    const std::string_view bytes = bytesOf(data, size);
    DlgEditLibData library;
    Vdn_String problem;
    if (core::readSectionLibraryText(bytes, library, problem)) {
        DlgEditLibData again;
        require(core::readSectionLibraryText(core::sectionLibraryText(library), again, problem));
        require(again.groups == library.groups && again.types == library.types);
    } else {
        require(!problem.isEmpty());
    }
    StandardTemplates templates;
    if (templates.readLines(core::splitLines(core::TextCodec::decode(bytes)), problem)) {
        for (int number = 1; number <= StandardTemplates::kCount; ++number) {
            if (const SectionTemplate* entry = templates.find(number)) {
                for (const int value : entry->nameOrder)
                    require(value >= 0 && value < entry->valueNames.length());
            }
        }
    }
}

// A cutting-stock table file gives rows that write back (unless a cell holds a line break the
// decoder let through, which writing refuses) and read again as the same rows.
TESSA_FUZZ_ENTRY(library_csp_table) {
    const std::wstring text = core::TextCodec::decode(bytesOf(data, size));
    const Vdn_Array<Vdn_StringArray> rows = csp::CspTableFile::parse(text);
    std::wstring written;
    std::string problem;
    if (!csp::CspTableFile::format(rows, written, problem)) {
        require(!problem.empty());
        return;
    }
    require(csp::CspTableFile::parse(written) == rows);
}
