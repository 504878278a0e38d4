#pragma once

// The ASCE 7-16 load combinations (earthquake and rain left out), strength and allowable
// stress, as the cases present on a beam reduce them.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/beam_model.h"

namespace spanrix::design {

enum class Method { Strength, AllowableStress };

// "lrfd" and "asd", as the command line names them.
std::string_view methodName(Method method);
std::optional<Method> methodFromName(std::string_view name);

// Whether a case is applied part by part in whatever pattern is worst (live, roof live and
// snow loads); dead and wind loads always act as entered.
inline constexpr bool isPatterned(LoadCase c)
{
    return c == LoadCase::L || c == LoadCase::Lr || c == LoadCase::S;
}

// A factored sum of load cases: the factor of each case (0 when it takes no part), by
// caseSlot, and its name as the standard writes it ("1.2D + 1.6L", "0.9D - W").
struct Combination {
    std::string name;
    std::array<double, kLoadCaseCount> factors{};

    double factor(LoadCase c) const { return factors[caseSlot(c)]; }
    bool operator==(const Combination&) const = default;
};

using CasesPresent = std::array<bool, kLoadCaseCount>;

// The combinations of a method on the cases present: every term of an absent case dropped,
// a combination with wind taken with the wind as entered and reversed, and a name met
// before (or left empty) dropped, in the standard's order.
std::vector<Combination> combinationsFor(Method method, const CasesPresent& present);

// A combination of the given factors named from them ("D + L + Lr + S"), for checks that
// combine service loads of their own.
Combination combinationOf(const std::array<double, kLoadCaseCount>& factors);

}  // namespace spanrix::design
