#include "platform/core/model/MacroRecalculation.h"

#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/text/NamedItems.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/grid/formula/ArrayExpr.h"
#include "platform/grid/formula/CallExpr.h"
#include "platform/grid/formula/EvalContext.h"
#include "platform/grid/formula/Formula.h"
#include "platform/grid/formula/FormulaEvaluator.h"
#include "platform/grid/formula/LiteralExpr.h"
#include "platform/grid/formula/NameExpr.h"
#include "platform/grid/formula/OperatorChainExpr.h"
#include "platform/grid/formula/ParenExpr.h"
#include "platform/grid/formula/PercentExpr.h"
#include "platform/grid/formula/RangeExpr.h"
#include "platform/grid/formula/ReferenceExpr.h"
#include "platform/grid/formula/UnaryExpr.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <vector>

namespace core {
namespace {

// A variable of the macro: a module's constraint variable, or a general variable (module -1).
struct VariableRef {
    int module = -1;
    int index = -1;
    friend auto operator<=>(const VariableRef&, const VariableRef&) = default;
};

struct Equation {
    std::string where;
    VariableRef target;
    Vdn_String targetName; // "Module.Name"
    grid::FormulaPtr formula;
    std::vector<std::pair<std::wstring, VariableRef>> names; // upper-case name -> variable
};

// Collects the names a formula uses, each once (without regard to case), as first written;
// the parser bounds the depth of the tree.
class NameCollector : private grid::ExprVisitor {
public:
    static std::vector<std::wstring> collect(const grid::Expr& root) {
        NameCollector collector;
        root.accept(collector);
        return collector.names_;
    }

private:
    void visit(const grid::LiteralExpr&) override {}
    void visit(const grid::ArrayExpr&) override {} // an inline array holds only values
    void visit(const grid::ReferenceExpr&) override {}
    void visit(const grid::RangeExpr&) override {}
    void visit(const grid::UnaryExpr& expr) override { expr.operand().accept(*this); }
    void visit(const grid::PercentExpr& expr) override { expr.operand().accept(*this); }
    void visit(const grid::OperatorChainExpr& expr) override {
        for (const grid::ExprPtr& operand : expr.operands())
            operand->accept(*this);
    }
    void visit(const grid::ParenExpr& expr) override { expr.inner().accept(*this); }
    void visit(const grid::CallExpr& expr) override {
        for (const grid::ExprPtr& arg : expr.args())
            arg->accept(*this);
    }
    void visit(const grid::NameExpr& expr) override {
        for (const std::wstring& known : names_) {
            if (Vdn_String(known).equal(expr.name(), false))
                return;
        }
        names_.push_back(expr.name());
    }

    std::vector<std::wstring> names_;
};

// A copy of a formula tree with every name replaced by its variable's value.
class NameSubstitution : private grid::ExprVisitor {
public:
    explicit NameSubstitution(const std::map<std::wstring, grid::Value>& values)
        : values_(values) {}

    grid::ExprPtr copy(const grid::Expr& expr) {
        expr.accept(*this);
        return std::move(result_);
    }

private:
    void visit(const grid::LiteralExpr& expr) override {
        result_ = std::make_unique<grid::LiteralExpr>(expr.value());
    }
    void visit(const grid::ArrayExpr& expr) override {
        result_ = std::make_unique<grid::ArrayExpr>(expr.array());
    }
    void visit(const grid::ReferenceExpr& expr) override {
        result_ = std::make_unique<grid::ReferenceExpr>(expr.reference());
    }
    void visit(const grid::RangeExpr& expr) override {
        result_ = std::make_unique<grid::RangeExpr>(expr.first(), expr.last());
    }
    void visit(const grid::UnaryExpr& expr) override {
        result_ = std::make_unique<grid::UnaryExpr>(expr.signs(), copy(expr.operand()));
    }
    void visit(const grid::PercentExpr& expr) override {
        result_ = std::make_unique<grid::PercentExpr>(copy(expr.operand()), expr.count());
    }
    void visit(const grid::OperatorChainExpr& expr) override {
        std::vector<grid::ExprPtr> operands;
        for (const grid::ExprPtr& operand : expr.operands())
            operands.push_back(copy(*operand));
        result_ = std::make_unique<grid::OperatorChainExpr>(std::move(operands), expr.operators());
    }
    void visit(const grid::ParenExpr& expr) override {
        result_ = std::make_unique<grid::ParenExpr>(copy(expr.inner()));
    }
    void visit(const grid::CallExpr& expr) override {
        std::vector<grid::ExprPtr> args;
        for (const grid::ExprPtr& arg : expr.args())
            args.push_back(copy(*arg));
        result_ = std::make_unique<grid::CallExpr>(expr.name(), expr.builtin(), std::move(args));
    }
    void visit(const grid::NameExpr& expr) override {
        const auto found = values_.find(Vdn_String(expr.name()).toUpper().str());
        result_ = std::make_unique<grid::LiteralExpr>(
            found == values_.end() ? grid::Value::error(grid::ErrorCode::Name) : found->second);
    }

    const std::map<std::wstring, grid::Value>& values_;
    grid::ExprPtr result_;
};

// Formulas of equations read no cells.
class NoCells : public grid::EvalContext {
public:
    const grid::Value& cellValue(grid::CellRef) const override { return empty_; }
    void
    forEachValue(const grid::CellRange&,
                 const std::function<bool(grid::CellRef, const grid::Value&)>&) const override {}
    grid::CellRef usedExtent() const override { return {}; }
    std::shared_ptr<const grid::CustomFunction> customFunction(const std::wstring&) const override {
        return nullptr;
    }

private:
    grid::Value empty_;
};

std::string quoted(const Vdn_String& text) {
    return "\"" + text.toUtf8() + "\"";
}

// Splits "NAME = formula" at its first "=".
bool splitEquation(const Vdn_String& text, Vdn_String& target, Vdn_String& formula) {
    const int equals = text.find(L"=");
    if (equals < 0)
        return false;
    target = text.substr(0, equals).trim();
    formula = text.substr(equals + 1).trim();
    return !target.isEmpty() && !formula.isEmpty();
}

class EquationSet {
public:
    explicit EquationSet(const Vdn_DbMacro& macro) : macro_(macro) {}

    bool build() {
        for (int m = 0; m < macro_.modules.length(); ++m) {
            const Vdn_Module& module = macro_.modules[m];
            for (int e = 0; e < module.equations.length(); ++e) {
                if (!addEquation(m, e))
                    return false;
            }
        }
        return sort();
    }

    const std::vector<Equation>& ordered() const { return ordered_; }
    const std::string& where() const { return where_; }
    const std::string& reason() const { return reason_; }

    Vdn_String valueOf(const VariableRef& ref) const {
        return ref.module < 0 ? macro_.generalVariables[ref.index].value
                              : macro_.modules[ref.module].variables[ref.index].value;
    }

private:
    bool fail(std::string where, std::string reason) {
        where_ = std::move(where);
        reason_ = std::move(reason);
        return false;
    }

    // The variable a formula's name stands for in module m.
    std::optional<VariableRef> resolve(int m, const Vdn_String& name, std::string& problem) const {
        const int own = indexOfName(macro_.modules[m].variables, name);
        if (own >= 0)
            return VariableRef{m, own};
        const int general = indexOfName(macro_.generalVariables, name);
        if (general >= 0)
            return VariableRef{-1, general};
        std::optional<VariableRef> found;
        Vdn_StringArray owners;
        for (int other = 0; other < macro_.modules.length(); ++other) {
            const int index = indexOfName(macro_.modules[other].variables, name);
            if (index < 0)
                continue;
            found = VariableRef{other, index};
            owners.append(macro_.modules[other].name);
        }
        if (owners.length() > 1) {
            problem = quoted(name) + " is a variable of several modules (" +
                      arrToStr(owners, L',').toUtf8() + "); give it to one module only";
            return std::nullopt;
        }
        if (!found)
            problem = "no variable is named " + quoted(name);
        return found;
    }

    bool addEquation(int m, int e) {
        const Vdn_Module& module = macro_.modules[m];
        const std::string where =
            "modules[" + std::to_string(m) + "].equations[" + std::to_string(e) + "]";
        Vdn_String targetName;
        Vdn_String formulaText;
        if (!splitEquation(module.equations[e], targetName, formulaText))
            return fail(where, "expected NAME = formula, found " + quoted(module.equations[e]));
        const int target = indexOfName(module.variables, targetName);
        if (target < 0)
            return fail(where, "the module has no variable " + quoted(targetName));
        Equation equation;
        equation.where = where;
        equation.target = VariableRef{m, target};
        equation.targetName = module.name + L"." + module.variables[target].name;
        for (const Equation& known : equations_) {
            if (known.target == equation.target)
                return fail(where, quoted(equation.targetName) + " is derived by " + known.where +
                                       " already");
        }
        const grid::Result parsed = grid::Formula::parse(
            formulaText.str(), grid::CellRef{1, 1}, grid::ReferenceStyle::A1, equation.formula);
        if (!parsed)
            return fail(where, "the formula does not parse at character " +
                                   std::to_string(parsed.where().column) + ": " +
                                   Vdn_String(parsed.message()).toUtf8());
        if (!equation.formula->precedents().empty())
            return fail(where, "the formula refers to a cell; equations name variables (a "
                               "variable whose name reads as a cell, such as \"T1\", cannot be "
                               "used in an equation)");
        if (!equation.formula->customCalls().empty())
            return fail(where, "the formula calls " +
                                   quoted(Vdn_String(equation.formula->customCalls().front())) +
                                   ", which is not a function");
        for (const std::wstring& name : NameCollector::collect(equation.formula->root())) {
            std::string problem;
            const std::optional<VariableRef> ref = resolve(m, Vdn_String(name), problem);
            if (!ref)
                return fail(where, problem);
            equation.names.emplace_back(Vdn_String(name).toUpper().str(), *ref);
        }
        equations_.push_back(std::move(equation));
        return true;
    }

    int equationDeriving(const VariableRef& ref) const {
        for (std::size_t i = 0; i < equations_.size(); ++i) {
            if (equations_[i].target == ref)
                return static_cast<int>(i);
        }
        return -1;
    }

    // Orders the equations so that each comes after those deriving what it reads (Kahn's
    // algorithm, taking the first ready equation in file order); what remains forms cycles.
    bool sort() {
        const std::size_t count = equations_.size();
        std::vector<std::vector<int>> readBy(count);
        std::vector<int> waitingFor(count, 0);
        for (std::size_t i = 0; i < count; ++i) {
            for (const auto& [name, ref] : equations_[i].names) {
                const int source = equationDeriving(ref);
                if (source < 0)
                    continue;
                readBy[static_cast<std::size_t>(source)].push_back(static_cast<int>(i));
                ++waitingFor[i];
            }
        }
        std::vector<bool> done(count, false);
        for (std::size_t step = 0; step < count; ++step) {
            std::size_t next = count;
            for (std::size_t i = 0; i < count && next == count; ++i) {
                if (!done[i] && waitingFor[i] == 0)
                    next = i;
            }
            if (next == count)
                return failCycle(done);
            done[next] = true;
            ordered_.push_back(equations_[next]);
            for (const int reader : readBy[next])
                --waitingFor[static_cast<std::size_t>(reader)];
        }
        return true;
    }

    // Reports one cycle among the equations not done: from the first of them, follow what
    // each reads among them until an equation repeats.
    bool failCycle(const std::vector<bool>& done) {
        std::size_t start = 0;
        while (done[start])
            ++start;
        std::vector<std::size_t> path{start};
        for (;;) {
            const Equation& current = equations_[path.back()];
            std::size_t next = equations_.size();
            for (const auto& [name, ref] : current.names) {
                const int source = equationDeriving(ref);
                if (source >= 0 && !done[static_cast<std::size_t>(source)]) {
                    next = static_cast<std::size_t>(source);
                    break;
                }
            }
            if (next == equations_.size()) // cannot happen: each left waits for another
                return fail(current.where, "the equations depend on each other in a circle");
            const auto seen = std::find(path.begin(), path.end(), next);
            if (seen != path.end()) {
                std::string cycle;
                for (auto it = seen; it != path.end(); ++it)
                    cycle += equations_[*it].targetName.toUtf8() + " -> ";
                cycle += equations_[next].targetName.toUtf8();
                return fail(equations_[next].where,
                            "the equations depend on each other in a circle: " + cycle);
            }
            path.push_back(next);
        }
    }

    const Vdn_DbMacro& macro_;
    std::vector<Equation> equations_;
    std::vector<Equation> ordered_;
    std::string where_;
    std::string reason_;
};

grid::Value variableValue(const Vdn_String& text) {
    if (text.trim().isEmpty())
        return grid::Value::number(0);
    if (isNumber(text))
        return grid::Value::number(text.trim().toDouble());
    return grid::Value::text(text.str());
}

// The text a derived value is stored as: numbers to 15 significant digits, as spreadsheets
// show them (0.1 + 0.2 gives "0.3", not the double's "0.30000000000000004"), in their
// shortest form; booleans as 1 and 0.
std::optional<Vdn_String> valueText(const grid::Value& value) {
    if (value.isText())
        return Vdn_String(value.asText());
    if (value.isBoolean())
        return Vdn_String(value.asBoolean() ? L"1" : L"0");
    if (!value.isNumber())
        return std::nullopt;
    const double number = value.asNumber() == 0 ? 0.0 : value.asNumber(); // no "-0"
    char buffer[64];
    auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), number, std::chars_format::general, 15);
    double shown = 0;
    std::from_chars(buffer, result.ptr, shown);
    // The shortest text of the rounded value ("1e+20", "2.5").
    result = std::to_chars(std::begin(buffer), std::end(buffer), shown);
    return Vdn_String::fromUtf8(std::string(buffer, result.ptr));
}

} // namespace

bool MacroRecalculation::check(const Vdn_DbMacro& macro, std::string& where, std::string& reason) {
    EquationSet equations(macro);
    if (equations.build())
        return true;
    where = equations.where();
    reason = equations.reason();
    return false;
}

bool MacroRecalculation::run(Vdn_DbMacro& macro, Vdn_String& message) {
    EquationSet equations(macro);
    if (!equations.build()) {
        message = Vdn_String::fromUtf8(equations.where() + ": " + equations.reason());
        return false;
    }
    // Values are computed into a copy; the macro changes only when every equation succeeds.
    Vdn_DbMacro result = macro;
    const NoCells noCells;
    for (const Equation& equation : equations.ordered()) {
        std::map<std::wstring, grid::Value> values;
        for (const auto& [name, ref] : equation.names) {
            const Vdn_String text = ref.module < 0
                                        ? result.generalVariables[ref.index].value
                                        : result.modules[ref.module].variables[ref.index].value;
            values[name] = variableValue(text);
        }
        const grid::ExprPtr substituted = NameSubstitution(values).copy(equation.formula->root());
        grid::FormulaEvaluator evaluator(noCells, grid::CellRef{1, 1});
        const grid::Value value = evaluator.evaluateFormula(*substituted);
        const std::optional<Vdn_String> text = valueText(value);
        if (!text) {
            message = Vdn_String::fromUtf8(
                equation.where + ": " + equation.targetName.toUtf8() + " cannot be computed: " +
                (value.isError() ? Vdn_String(grid::errorText(value.asError())).toUtf8()
                                 : std::string("no value")));
            return false;
        }
        result.modules[equation.target.module].variables[equation.target.index].value = *text;
    }
    // A constraint driven by a variable shows the variable's value.
    for (Vdn_Module& module : result.modules) {
        for (Vdn_Constraint& constraint : module.constraints) {
            const int index = indexOfName(module.variables, constraint.variable);
            if (!constraint.variable.isEmpty() && index >= 0)
                constraint.value = module.variables[index].value;
        }
    }
    macro = std::move(result);
    return true;
}

Vdn_StringArray MacroRecalculation::order(const Vdn_DbMacro& macro) {
    EquationSet equations(macro);
    Vdn_StringArray names;
    if (!equations.build())
        return names;
    for (const Equation& equation : equations.ordered())
        names.append(equation.targetName);
    return names;
}

bool MacroRecalculation::isDerived(const Vdn_DbMacro& macro, const Vdn_String& moduleName,
                                   const Vdn_String& variable) {
    const int m = indexOfName(macro.modules, moduleName);
    return m >= 0 && isDerived(macro.modules[m], variable);
}

bool MacroRecalculation::isDerived(const Vdn_Module& module, const Vdn_String& variable) {
    for (const Vdn_String& equation : module.equations) {
        Vdn_String target;
        Vdn_String formula;
        if (splitEquation(equation, target, formula) && target.equal(variable, false))
            return true;
    }
    return false;
}

} // namespace core
