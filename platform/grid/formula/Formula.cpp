#include "platform/grid/formula/Formula.h"

#include "platform/grid/formula/DependencyCollector.h"
#include "platform/grid/formula/FormulaParser.h"
#include "platform/grid/formula/FormulaPrinter.h"

namespace grid {

Formula::Formula(ExprPtr root) : root_(std::move(root)) {
    DependencyCollector collected = DependencyCollector::collect(*root_);
    precedents_ = collected.precedents();
    customCalls_ = collected.customCalls();
    volatile_ = collected.isVolatile();
}

Result Formula::parse(std::wstring_view text, CellRef host, ReferenceStyle style,
                      std::shared_ptr<const Formula>& out) {
    ExprPtr root;
    Result result = FormulaParser::parse(text, host, style, root);
    if (result)
        out = std::make_shared<const Formula>(std::move(root));
    return result;
}

std::wstring Formula::text(CellRef host, ReferenceStyle style) const {
    return FormulaPrinter::print(*root_, host, style);
}

} // namespace grid
