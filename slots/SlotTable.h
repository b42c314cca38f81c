// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace zelmora {

// The ten line slots: for each, whether it holds a line (Drawn), y = (ANum / ADen) x + BNum / BDen,
// and the x range XFrom to XTo it is drawn over. Single precision throughout, as the lines are
// stored and drawn in single precision. Stored column after column, Drawn first as 1 or 0: slot i,
// column j is element i + 10 j. Slots 0 to 7 are chosen by the user; 8 and 9 exist but stay empty.
class SlotTable {
public:
    // The columns of numbers; Drawn, column 0, is read and written as a flag alone.
    enum Column : int { ANum = 1, BNum, XFrom, XTo, ADen, BDen };

    static constexpr int Rows = 10;
    static constexpr int Columns = 7;
    static constexpr int UserSlots = 8;

    float get(int slot, Column column) const { return Cells[index(slot, column)]; }
    void set(int slot, Column column, float value) { Cells[index(slot, column)] = value; }
    bool isDrawn(int slot) const { return Cells[index(slot, Drawn)] != 0.0f; }
    void setDrawn(int slot, bool drawn) { Cells[index(slot, Drawn)] = drawn ? 1.0f : 0.0f; }

    const std::array<float, Rows * Columns>& cells() const { return Cells; }

private:
    static constexpr int Drawn = 0;

    static constexpr std::size_t index(int slot, int column) { return static_cast<std::size_t>(slot + Rows * column); }

    std::array<float, Rows * Columns> Cells{};
};

} // namespace zelmora
