#include "linearsystem.h"

#include "platform/checked.h"
#include "platform/errors.h"
#include "platform/floattext.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace tools {

namespace {
constexpr int kDigits = 15;
// The relative error a solution may carry before its 15 digits stop meaning anything: from
// 1e-12 on fewer than 12 of them can be trusted.
constexpr long double kTrustedError = 1e-12L;

// The infinity-norm condition number of `a`, ||A||·||A^-1||, the inverse found by
// Gauss-Jordan elimination with partial pivoting (n <= 8, so no estimate is needed);
// infinite when that meets an exact zero pivot.
long double conditionNumber(std::vector<std::vector<long double>> a)
{
    const size_t n = a.size();
    long double norm = 0;
    for (auto& row : a) {
        long double sum = 0;
        for (size_t j = 0; j < n; ++j)
            sum += std::fabs(row[j]);
        norm = std::max(norm, sum);
        row.resize(2 * n);
    }
    for (size_t i = 0; i < n; ++i)
        a[i][n + i] = 1;
    for (size_t k = 0; k < n; ++k) {
        size_t p = k;
        for (size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                p = i;
        if (a[p][k] == 0)
            return INFINITY;
        std::swap(a[p], a[k]);
        const long double pivot = a[k][k];
        for (long double& v : a[k])
            v /= pivot;
        for (size_t i = 0; i < n; ++i) {
            if (i == k)
                continue;
            const long double factor = a[i][k];
            for (size_t c = k; c < 2 * n; ++c)
                a[i][c] -= factor * a[k][c];
        }
    }
    long double inverseNorm = 0;
    for (const auto& row : a) {
        long double sum = 0;
        for (size_t j = n; j < 2 * n; ++j)
            sum += std::fabs(row[j]);
        inverseNorm = std::max(inverseNorm, sum);
    }
    return norm * inverseNorm; // inf when the inverse overflowed
}

long double largestEntry(const std::vector<std::vector<long double>>& w, size_t columns)
{
    long double largest = 0;
    for (const auto& row : w)
        for (size_t j = 0; j < columns; ++j)
            largest = std::max(largest, std::fabs(row[j]));
    return largest;
}

long double cellValue(const std::string& text, char sep)
{
    long double v;
    if (!platform::parseFloat(text, sep, v))
        throw platform::UserError(kInvalidCoefficients);
    return v;
}
} // namespace

LinearSystem::LinearSystem(platform::Services& services) : m_services(services) { FormCreate(); }

void LinearSystem::FormCreate()
{
    aaa.clear();
    bbb.clear();
    xxx.clear();
    pocetChange(3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            aaa[i][j] = i == j ? "1" : "0";
        bbb[i] = "0";
    }
}

void LinearSystem::pocetChange(int count)
{
    const size_t n = static_cast<size_t>(std::clamp(count, kMinEquations, kMaxEquations));
    aaa.resize(n);
    for (auto& row : aaa)
        row.resize(n);
    bbb.resize(n);
    xxx.resize(n);
}

bool LinearSystem::VyrButClick()
{
    const int n = size();
    const char sep = m_services.decimalSeparator();
    // w(i, n) holds b(i); the order matters for what a bad cell leaves behind: the solution
    // cells of the rows before it are already cleared.
    std::vector<std::vector<long double>> w(static_cast<size_t>(n), std::vector<long double>(static_cast<size_t>(n) + 1));
    try {
        for (int i = 0; i < n; ++i) {
            w[i][n] = cellValue(bbb[i], sep);
            xxx[i].clear();
            for (int j = 0; j < n; ++j)
                w[i][j] = cellValue(aaa[i][j], sep);
        }
        solve(w);
        return true;
    } catch (const platform::UserError& e) {
        m_services.beep();
        m_services.message(platform::MessageKind::Error, e.what());
    } catch (const platform::FloatError&) {
        m_services.beep();
        m_services.message(platform::MessageKind::Error, kSolveFailed);
    }
    return false;
}

void LinearSystem::solve(std::vector<std::vector<long double>>& w)
{
    using platform::divide;
    using platform::mul;
    using platform::sub;
    const int n = size();
    const char sep = m_services.decimalSeparator();
    untrusted = false;
    const std::vector<std::vector<long double>> a = w;
    const long double largestBefore = largestEntry(w, static_cast<size_t>(n));
    long double largestDuring = largestBefore;
    std::vector<int> perm(static_cast<size_t>(n));
    std::iota(perm.begin(), perm.end(), 0);
    long double det = 1;
    int rank = n;

    for (int k = 0; k < n - 1; ++k) {
        int i = k;
        while (i < n - 1 && w[perm[i]][k] == 0)
            ++i;
        std::swap(perm[k], perm[i]);
        if (i != k)
            det = -det;
        const long double p = w[perm[k]][k];
        if (p == 0) {
            --rank; // column k is skipped
            continue;
        }
        for (int r = k + 1; r < n; ++r) {
            const long double factor = divide(w[perm[r]][k], p);
            for (int c = k; c <= n; ++c)
                w[perm[r]][c] = sub(w[perm[r]][c], mul(w[perm[k]][c], factor));
        }
        largestDuring = std::max(largestDuring, largestEntry(w, static_cast<size_t>(n)));
    }

    for (int k = 0; k < n; ++k)
        det = mul(det, w[perm[k]][k]);
    determ = platform::formatGeneral(det, kDigits, sep);

    if (w[perm[n - 1]][n - 1] == 0)
        --rank;
    hodnost = std::to_string(rank);
    if (rank < n)
        return;

    std::vector<long double> x(static_cast<size_t>(n));
    for (int i = n - 1; i >= 0; --i) {
        long double s = 0;
        for (int j = i + 1; j < n; ++j)
            s = platform::add(s, mul(w[perm[i]][j], x[j]));
        x[i] = divide(sub(w[perm[i]][n], s), w[perm[i]][i]);
        xxx[i] = platform::formatGeneral(x[i], kDigits, sep);
    }
    // The first non-zero pivot is taken, however small: the entries may grow by the
    // elimination, and the error of the solution is about growth · condition · rounding unit.
    // A determinant of rounding noise shows here as an enormous condition number.
    const long double growth = largestDuring / largestBefore;
    const long double unit = std::numeric_limits<long double>::epsilon() / 2;
    untrusted = !(growth * conditionNumber(a) * unit < kTrustedError);
}

} // namespace tools
