#pragma once
// A square system A·x = b of 2 … 8 equations solved by Gaussian elimination in extended
// precision. A pivot is zero only when it is exactly 0: the first row with a non-zero entry is
// taken, and there is no tolerance anywhere.
#include <string>
#include <vector>

namespace platform {
class Services;
}

namespace tools {

// Messages of the solve, each reported once by `VyrButClick`.
inline constexpr const char* kInvalidCoefficients = "Invalid coefficients.";
inline constexpr const char* kSolveFailed = "Error while computing the solution of the system.";
// The warning beside a solution that cannot be trusted (`untrusted`); the window shows the
// language file's text instead.
inline constexpr const char* kUntrustedSolution =
    "The system is ill-conditioned: the solution may be wrong in the digits shown.";

inline constexpr int kMinEquations = 2;
inline constexpr int kMaxEquations = 8;

class LinearSystem {
public:
    explicit LinearSystem(platform::Services& services);

    // The grid texts: aaa[i][j] is a(i, j), bbb[i] is b(i), xxx[j] is x(j).
    std::vector<std::vector<std::string>> aaa;
    std::vector<std::string> bbb;
    std::vector<std::string> xxx;
    std::string determ;
    std::string hodnost;
    // After a solve with full rank: the elimination's growth or the matrix's condition number
    // says the solution cannot be trusted to the digits shown (a determinant that is rounding
    // noise, a Hilbert matrix). The result is shown all the same.
    bool untrusted = false;

    int size() const { return static_cast<int>(bbb.size()); }

    // Size 3, A the identity, b zero.
    void FormCreate();
    // Resizes the grids to `count` equations (clamped to 2 … 8); cells inside both sizes keep
    // their text, new cells are empty.
    void pocetChange(int count);
    // Solves; false after an error message. A singular system is no error: it shows a
    // determinant of 0, a rank below n and no solution.
    bool VyrButClick();

private:
    void solve(std::vector<std::vector<long double>>& w);

    platform::Services& m_services;
};

} // namespace tools
