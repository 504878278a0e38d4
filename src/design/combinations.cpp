#include "design/combinations.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"

namespace spanrix::design {

namespace {

struct Term {
    double factor;
    LoadCase loadCase;
};
using Terms = std::vector<Term>;

using enum LoadCase;

// ASCE 7-16 2.3.1 and 2.4.1, each "or" expanded, L in combinations 3 and 4 at 1.0.
const std::vector<Terms>& standardTerms(Method method)
{
    static const std::vector<Terms> strength{
        {{1.4, D}},
        {{1.2, D}, {1.6, L}, {0.5, Lr}},
        {{1.2, D}, {1.6, L}, {0.5, S}},
        {{1.2, D}, {1.6, Lr}, {1.0, L}},
        {{1.2, D}, {1.6, Lr}, {0.5, W}},
        {{1.2, D}, {1.6, S}, {1.0, L}},
        {{1.2, D}, {1.6, S}, {0.5, W}},
        {{1.2, D}, {1.0, W}, {1.0, L}, {0.5, Lr}},
        {{1.2, D}, {1.0, W}, {1.0, L}, {0.5, S}},
        {{0.9, D}, {1.0, W}},
    };
    static const std::vector<Terms> allowable{
        {{1.0, D}},
        {{1.0, D}, {1.0, L}},
        {{1.0, D}, {1.0, Lr}},
        {{1.0, D}, {1.0, S}},
        {{1.0, D}, {0.75, L}, {0.75, Lr}},
        {{1.0, D}, {0.75, L}, {0.75, S}},
        {{1.0, D}, {0.6, W}},
        {{1.0, D}, {0.75, L}, {0.45, W}, {0.75, Lr}},
        {{1.0, D}, {0.75, L}, {0.45, W}, {0.75, S}},
        {{0.6, D}, {0.6, W}},
    };
    return method == Method::Strength ? strength : allowable;
}

// "1.2D", "L", "0.5Lr": the factor is left out when it is 1.
std::string termText(double factor, LoadCase c)
{
    const double size = std::abs(factor);
    return (size == 1.0 ? std::string() : numberText(size)) + std::string(loadCaseName(c));
}

Combination combinationOfTerms(const Terms& terms)
{
    Combination combination;
    for (const Term& t : terms) {
        const bool first = combination.name.empty();
        if (t.factor < 0)
            combination.name += first ? "-" : " - ";
        else if (!first)
            combination.name += " + ";
        combination.name += termText(t.factor, t.loadCase);
        combination.factors[caseSlot(t.loadCase)] = t.factor;
    }
    return combination;
}

}  // namespace

std::string_view methodName(Method method)
{
    return method == Method::Strength ? "lrfd" : "asd";
}

std::optional<Method> methodFromName(std::string_view name)
{
    if (name == "lrfd") return Method::Strength;
    if (name == "asd") return Method::AllowableStress;
    return std::nullopt;
}

std::vector<Combination> combinationsFor(Method method, const CasesPresent& present)
{
    std::vector<Combination> out;
    auto add = [&](const Terms& terms) {
        Combination c = combinationOfTerms(terms);
        const bool seen = std::any_of(out.begin(), out.end(),
                                      [&](const Combination& o) { return o.name == c.name; });
        if (!c.name.empty() && !seen) out.push_back(std::move(c));
    };
    for (Terms terms : standardTerms(method)) {
        std::erase_if(terms, [&](const Term& t) { return !present[caseSlot(t.loadCase)]; });
        add(terms);
        // Wind acts both ways: the same combination with the wind reversed.
        for (Term& t : terms) {
            if (t.loadCase != W) continue;
            t.factor = -t.factor;
            add(terms);
        }
    }
    return out;
}

Combination combinationOf(const std::array<double, kLoadCaseCount>& factors)
{
    Terms terms;
    for (LoadCase c : kLoadCases)
        if (factors[caseSlot(c)] != 0.0) terms.push_back({factors[caseSlot(c)], c});
    return combinationOfTerms(terms);
}

}  // namespace spanrix::design
