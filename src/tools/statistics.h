#pragma once
// The statistics window's table of paired observations X, Y and its two computations:
// the characteristics of X, and the relation of X and Y with a least-squares line.
#include <array>
#include <string>
#include <vector>

namespace platform {
class Services;
}

namespace tools {

// The message of every failed computation, reported once by the handler.
inline constexpr const char* kInvalidData = "Invalid data.";

// Columns of `datar`; column 0 holds the row numbers, row 0 the header.
enum class Column { Number = 0, X = 1, Y = 2 };

// Writes the characteristics of x to `out` (8 significant digits). Throws platform::FloatError
// when they do not exist (fewer than two distinct values); nothing is written then.
void describe(const std::vector<double>& x, char decimalSeparator, std::vector<std::string>& out);
// Writes the relation of x and y (same length) line by line to `out`. Throws
// platform::FloatError when X or Y has no spread; the lines written before stay.
void relate(const std::vector<double>& x, const std::vector<double>& y, char decimalSeparator,
            std::vector<std::string>& out);
// The determination coefficient's form: two decimals, at most four significant digits.
std::string formatPercent(long double value, char decimalSeparator);

class Statistics {
public:
    using Row = std::array<std::string, 3>;

    explicit Statistics(platform::Services& services);

    // datar[row][column]; always the header and at least one observation row.
    std::vector<Row> datar;
    // The lines of the output box.
    std::vector<std::string> vystup;

    int observations() const { return static_cast<int>(datar.size()) - 1; }

    void FormCreate();
    void PridButClick();
    void UberButClick();
    void VymButClick();
    // Moves the data of a column (1 or 2) the user dragged, then puts the headers back, so
    // column 1 is always X whatever was moved into it.
    void datarColumnMoved(int from, int to);
    // Moves a whole observation row, its number cell included.
    void datarRowMoved(int from, int to);
    // Replaces the target column with the clipboard's lines, one observation each.
    void import(Column target);
    // Both return false after reporting "Invalid data.".
    bool VypButClick();
    bool VztahButClick();

private:
    std::vector<double> readColumn(Column column) const;
    template <typename Work>
    bool reportInvalidData(Work work);

    platform::Services& m_services;
};

} // namespace tools
