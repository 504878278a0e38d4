#pragma once

// What every spanrix-cli command shares: its exit status and how it answers the run's
// question about slow convergence.

namespace spanrix::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 2;
// A file not read, an output file not written, or standard output that failed.
inline constexpr int kExitFileAccess = 3;
// The beam refused by the analysis, or too large to analyse.
inline constexpr int kExitRefused = 4;

// The run asks after every 100 passes that miss the tolerance; Yes nine times allows
// 1000 passes in all, and the tenth question is answered No.
inline constexpr int kQuestionsAnsweredYes = 9;

}  // namespace spanrix::cli
