// The contents of the controls a player sees, as plain data. The face draws
// them; the core only reads and writes these fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Label {
    std::string caption;
    bool visible = true;
};

struct Button {
    std::string caption;
    std::string hint;
    bool showHint = false;
    bool visible = true;
};

struct CheckBox {
    std::string caption;
    bool checked = false;
    bool visible = true;
};

struct Edit {
    std::string text;
};

// A group of radio buttons; itemIndex -1 when none is selected.
struct RadioGroup {
    std::string caption;
    std::vector<std::string> items;
    int32_t itemIndex = -1;
    bool visible = true;
};

// An up-down control: two arrows and a position that the arrows move.
struct UpDown {
    int32_t min = 0;
    int32_t max = 100;
    int32_t position = 0;
};

// A frame with a caption around other controls.
struct GroupBox {
    std::string caption;
};

class StringGrid {
public:
    StringGrid(int32_t spalten, int32_t zeilen) : colCount_(spalten), rowCount_(zeilen),
        zellen_(static_cast<std::size_t>(spalten * zeilen)) {}
    int32_t colCount() const { return colCount_; }
    int32_t rowCount() const { return rowCount_; }
    void setzeRowCount(int32_t zeilen) {
        rowCount_ = zeilen;
        zellen_.resize(static_cast<std::size_t>(colCount_ * zeilen));
    }
    // Cells outside the grid read empty and ignore writes.
    const std::string& cell(int32_t spalte, int32_t zeile) const {
        static const std::string leer;
        return gueltig(spalte, zeile) ? zellen_[index(spalte, zeile)] : leer;
    }
    void setCell(int32_t spalte, int32_t zeile, std::string text) {
        if (gueltig(spalte, zeile)) zellen_[index(spalte, zeile)] = std::move(text);
    }

private:
    bool gueltig(int32_t s, int32_t z) const { return s >= 0 && z >= 0 && s < colCount_ && z < rowCount_; }
    std::size_t index(int32_t s, int32_t z) const { return static_cast<std::size_t>(z * colCount_ + s); }
    int32_t colCount_;
    int32_t rowCount_;
    std::vector<std::string> zellen_;
};
