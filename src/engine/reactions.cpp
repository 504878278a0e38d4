#include "engine/reactions.h"

#include <algorithm>
#include <cmath>

#include "engine/load_access.h"
#include "model/number_format.h"

namespace spanrix {

using namespace engine_detail;

namespace {

double cube(double u) { return u * u * u; }
// <u>^n: the bracket vanishes unless u is strictly positive.
double bracket(double u) { return u > 0 ? u : 0.0; }

// The load part of E*I times the deflection at x (before the sign of the load term).
double loadDeflectionSum(const BeamModel& model, double x)
{
    double sum = 0;
    for (int i = 1; i <= pointLoadCount(model); ++i)
        sum += model.pointLoadMag[i] * cube(bracket(x - model.pointLoadLoc[i])) / 6;
    for (int j = 1; j <= distLoadCount(model); ++j) {
        if (!distLoadCarries(model, j)) continue;
        const DistLoad d = distLoad(model, j);
        if (d.a < x) {
            const double u = x - d.a;
            sum += d.w0 * std::pow(u, 4) / 24 + d.k * std::pow(u, 5) / 120;
            if (d.b < x) {
                const double v = x - d.b;
                sum -= d.w0 * std::pow(v, 4) / 24
                     + d.k * (u * std::pow(v, 4) / 24 - std::pow(v, 5) / 30);
            }
        }
    }
    for (int i = 1; i <= momentCount(model); ++i) {
        const double u = bracket(x - model.momentLoc[i]);
        sum += model.momentMag[i] * u * u / 2;
    }
    return sum;
}

struct LoadSums {
    double force = 0;        // F: total downward load
    double momentAboutS1 = 0;  // M1sum
    double slopeAtEnd = 0;   // S: the load part of E*I times the slope at x = L
};

LoadSums loadSums(const BeamModel& model, double s1)
{
    const double L = model.beamLength;
    LoadSums s;
    for (int i = 1; i <= pointLoadCount(model); ++i) {
        const double P = model.pointLoadMag[i], a = model.pointLoadLoc[i];
        s.force += P;
        s.momentAboutS1 += -P * (a - s1);
        s.slopeAtEnd -= P * (L - a) * (L - a) / 2;
    }
    for (int j = 1; j <= distLoadCount(model); ++j) {
        if (!distLoadCarries(model, j)) continue;
        const DistLoad d = distLoad(model, j);
        const double W = (d.w0 + d.w1) / 2 * (d.b - d.a);
        s.force += W;
        // W * (s1 - centroid) in the form that needs no centroid, so a load whose two
        // intensities cancel (w0 + w1 = 0) still has its moment.
        s.momentAboutS1 +=
            W * s1 - (d.b - d.a) / 6 * (d.w0 * (2 * d.a + d.b) + d.w1 * (d.a + 2 * d.b));
        const double la = L - d.a, lb = L - d.b;
        s.slopeAtEnd += d.w0 / 6 * (cube(lb) - cube(la))
                      + d.k * (la * cube(lb) / 6 - std::pow(la, 4) / 24 - std::pow(lb, 4) / 8);
    }
    for (int i = 1; i <= momentCount(model); ++i) {
        s.momentAboutS1 += model.momentMag[i];
        s.slopeAtEnd -= model.momentMag[i] * (L - model.momentLoc[i]);
    }
    return s;
}

}  // namespace

void collectSupports(const BeamModel& model, ReactionSolution& r)
{
    // Solver order is by position, not by the order supports were added: the equations
    // put the first cantilever at x = 0 and the second at x = L.
    std::array<int, kMaxSupports + 1> simpleRows{};
    std::array<int, kMaxSupports + 1> cantRows{};
    int nSimple = 0, nCant = 0;
    const int rows = std::clamp(model.numFeatures, 0, kMaxFeatures);
    for (int f = 1; f <= rows && nSimple + nCant < kMaxSupports; ++f) {
        if (featureKind(model, f) != FeatureKind::Support) continue;
        const int j = featureIndex(model, f);
        if (!isLive(model, FeatureKind::Support, j)) continue;
        if (supportType(model, j) == SupportType::Cantilever)
            cantRows[++nCant] = f;
        else
            simpleRows[++nSimple] = f;
    }
    // The cantilever at x = 0 leads; any others keep feature order at the end.
    int leftCant = 0;
    for (int c = 1; c <= nCant; ++c)
        if (model.supportLoc[featureIndex(model, cantRows[c])] == 0.0) { leftCant = c; break; }
    if (leftCant == 0 && nCant > 0) leftCant = 1;

    r.activeSupportCount = 0;
    r.cantileverCount = nCant;
    auto place = [&](int f) {
        const int k = ++r.activeSupportCount;
        r.reactionPos[k] = model.supportLoc[featureIndex(model, f)];
        r.reactionFeature[k] = f;
    };
    if (nCant > 0) place(cantRows[leftCant]);
    for (int s = 1; s <= nSimple; ++s) place(simpleRows[s]);
    for (int c = 1; c <= nCant; ++c)
        if (c != leftCant) place(cantRows[c]);
}

void assembleReactionSystem(const BeamModel& model, ReactionSolution& r)
{
    const int nS = r.activeSupportCount, nC = r.cantileverCount, n = nS + nC;
    const double L = model.beamLength;
    auto& A = r.reactionMatrix;
    auto& B = r.reactionVector;
    const auto& s = r.reactionPos;
    const auto& T = r.supportLoadTerm;

    // A support layout the equations cannot describe gets an all-zero system, which
    // LU_decomp reports as singular.
    if (nC < 0 || nC > 2 || nS < (nC == 0 ? 2 : 1) || n > kMaxUnknowns) {
        for (auto& rowValues : A) rowValues.fill(0.0);
        B.fill(0.0);
        return;
    }

    for (int j = 1; j <= nS; ++j) r.supportLoadTerm[j] = -loadDeflectionSum(model, s[j]);
    const LoadSums sums = loadSums(model, s[1]);

    for (int row = 1; row <= n; ++row) {
        A[row].fill(0.0);
        B[row] = 0.0;
    }
    const int c0 = nC;  // column of R1 is c0 + 1
    // Vertical equilibrium.
    for (int i = 1; i <= nS; ++i) A[1][c0 + i] = 1;
    B[1] = sums.force;

    if (nC == 0) {
        const double d = s[2] - s[1];
        for (int i = 1; i <= nS; ++i) A[2][i] = s[i] - s[1];
        B[2] = -sums.momentAboutS1;
        // Deflection at support r relative to the line through supports 1 and 2, which
        // removes the two unknown constants of integration.
        for (int row = 3; row <= nS; ++row) {
            const double ratio = (s[row] - s[1]) / d;
            for (int i = 1; i <= nS; ++i)
                A[row][i] = cube(bracket(s[row] - s[i])) / 6
                          + cube(bracket(s[1] - s[i])) / 6 * (ratio - 1)
                          - cube(bracket(s[2] - s[i])) / 6 * ratio;
            B[row] = (T[1] - T[row]) - (T[1] - T[2]) * ratio;
        }
        return;
    }

    // Moments about the left end (s1 = 0), fixing moments first.
    A[2][1] = 1;
    if (nC == 2) A[2][2] = 1;
    for (int i = 1; i <= nS; ++i) A[2][c0 + i] = s[i];
    B[2] = -sums.momentAboutS1;
    int row = 3;
    if (nC == 2) {
        // Zero slope at the fixed right end.
        A[3][1] = -L;
        for (int i = 1; i <= nS; ++i) A[3][c0 + i] = (L - s[i]) * (L - s[i]) / 2;
        B[3] = -sums.slopeAtEnd;
        row = 4;
    }
    // Zero deflection at supports 2..nS.
    for (int j = 2; j <= nS; ++j, ++row) {
        A[row][1] = -s[j] * s[j] / 2;
        for (int i = 1; i <= nS; ++i) A[row][c0 + i] = cube(bracket(s[j] - s[i])) / 6;
        B[row] = -T[j];
    }
}

bool LU_decomp(ReactionSolution& r)
{
    const int n = r.unknownCount();
    if (n < 1 || n > kMaxUnknowns) return false;
    auto& A = r.reactionMatrix;
    std::array<double, kMaxUnknowns + 1> scale{};
    for (int i = 1; i <= n; ++i) {
        double big = 0;
        for (int j = 1; j <= n; ++j) {
            if (!std::isfinite(A[i][j])) return false;
            big = std::max(big, std::abs(A[i][j]));
        }
        if (big == 0) return false;
        scale[i] = 1 / big;
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i < j; ++i) {
            double sum = A[i][j];
            for (int k = 1; k < i; ++k) sum -= A[i][k] * A[k][j];
            A[i][j] = sum;
        }
        double big = 0;
        int imax = j;
        for (int i = j; i <= n; ++i) {
            double sum = A[i][j];
            for (int k = 1; k < j; ++k) sum -= A[i][k] * A[k][j];
            A[i][j] = sum;
            const double candidate = scale[i] * std::abs(sum);
            if (candidate >= big) {  // among equal candidates the last row wins
                big = candidate;
                imax = i;
            }
        }
        if (imax != j) {
            for (int k = 1; k <= n; ++k) std::swap(A[imax][k], A[j][k]);
            scale[imax] = scale[j];
        }
        r.pivotOrder[j] = imax;
        if (A[j][j] == 0 || !std::isfinite(A[j][j])) return false;
        if (j != n)
            for (int i = j + 1; i <= n; ++i) A[i][j] /= A[j][j];
    }
    return true;
}

void luBackSubstitute(ReactionSolution& r)
{
    const int n = r.unknownCount();
    const auto& A = r.reactionMatrix;
    auto& B = r.reactionVector;
    for (int i = 1; i <= n; ++i) {
        const int p = static_cast<int>(r.pivotOrder[i]);
        double sum = B[p];
        B[p] = B[i];
        for (int j = 1; j < i; ++j) sum -= A[i][j] * B[j];
        B[i] = sum;
    }
    for (int i = n; i >= 1; --i) {
        double sum = B[i];
        for (int j = i + 1; j <= n; ++j) sum -= A[i][j] * B[j];
        B[i] = sum / A[i][i];
    }
}

std::vector<ReactionCaption> reactionCaptions(const BeamModel& model, const ReactionSolution& r,
                                              int sigFigs)
{
    const std::string force = model.metricUnits ? " N" : " lb.";
    const std::string moment = model.metricUnits ? " N-m" : " lb.-in.";
    const int nS = r.activeSupportCount, nC = r.cantileverCount;
    auto V = [&](int k) { return displayText(r.reactionVector[static_cast<size_t>(k)], sigFigs); };

    std::vector<ReactionCaption> captions;
    for (int i = 1; i <= nS; ++i) {
        std::string text;
        if (nC >= 1 && i == 1)
            text = V(nC + 1) + force + ", " + V(1) + moment;
        else if (nC == 2 && i == nS)  // the right cantilever, last in solver order
            text = V(nS + 2) + force + ", " + V(2) + moment;
        else
            text = V(nC + i) + force;
        captions.push_back({r.reactionFeature[i], std::move(text)});
    }
    return captions;
}

}  // namespace spanrix
