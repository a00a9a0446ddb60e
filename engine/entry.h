// Calculator-style digit entry in an 11-character timecode field: eight digits, separators at 2, 5, 8.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The field as the key program sees it. Caret positions run 0..11; the selection is
// [selectionStart, selectionStart + selectionLength).
struct EntryField {
    std::array<char, 8> digits{'0', '0', '0', '0', '0', '0', '0', '0'};
    int caret = 11;
    int selectionStart = 11;
    int selectionLength = 0;
    friend bool operator==(const EntryField &, const EntryField &) = default;
};

// Digit index of a caret position (0,1,3,4,6,7,9,10 -> 0..7); empty for 2, 5, 8 and 11.
std::optional<int> DigitIndexOfCaret(int caret);

// Reads the eight digits of a field text (every character but the separators, in order).
EntryField EntryFromText(std::string_view text, int caret, int selectionStart, int selectionLength);
// d1 d2 sep d3 d4 sep d5 d6 sep d7 d8.
std::string EntryText(const std::array<char, 8> &digits, char separator);

// One key through the key program of a timecode field: a digit enters from the right at the end or
// overwrites inside, '\b' deletes, and for every key a caret before a separator moves past it and
// one character is left highlighted unless the caret is at the end. With a selection the key acts
// at selectionStart, else at caret. In the result caret == selectionStart and selectionLength is 1,
// or 0 at position 11: a Qt field shows it with setSelection(caret, 1) or setCursorPosition(11).
EntryField KeyProgram(EntryField field, char key);

// The common prelude and the key program: "." enters two zeros, every other key runs once.
EntryField TypeKey(EntryField field, char key);
