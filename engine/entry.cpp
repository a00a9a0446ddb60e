// Calculator-style digit entry in an 11-character timecode field.
#include "engine/entry.h"

#include <algorithm>

#include "engine/timecode.h"

namespace {

constexpr int kEnd = 11;

// Caret position just before digit i: 0, 1, 3, 4, 6, 7, 9, 10.
constexpr int CaretOfDigit(int i)
{
    return i + i / 2;
}

constexpr bool IsSeparator(char c)
{
    return c == ':' || c == ';';
}

} // namespace

std::optional<int> DigitIndexOfCaret(int caret)
{
    if (caret < 0 || caret >= kEnd || caret % 3 == 2)
        return std::nullopt;
    return caret - caret / 3;
}

EntryField EntryFromText(std::string_view text, int caret, int selectionStart, int selectionLength)
{
    EntryField field;
    std::size_t next = 0;
    for (char c : text) {
        if (IsSeparator(c))
            continue;
        if (next == field.digits.size())
            break;
        field.digits[next++] = IsDigit(c) ? c : '0';
    }
    field.caret = std::clamp(caret, 0, kEnd);
    field.selectionStart = std::clamp(selectionStart, 0, kEnd);
    field.selectionLength = std::clamp(selectionLength, 0, kEnd - field.selectionStart);
    return field;
}

std::string EntryText(const std::array<char, 8> &digits, char separator)
{
    return {digits[0], digits[1], separator, digits[2], digits[3], separator,
            digits[4], digits[5], separator, digits[6], digits[7]};
}

EntryField KeyProgram(EntryField field, char key)
{
    const int length = field.selectionLength;
    // With a selection the key acts where it starts, otherwise at the caret.
    const int p = length > 0 ? field.selectionStart : field.caret;
    auto &digits = field.digits;
    int caret = p;

    if (IsDigit(key)) {
        const bool whole = length >= kEnd;
        if (whole)
            digits.fill('0');
        if (whole || p == kEnd) {
            // Enter from the right, as on a pocket calculator.
            std::shift_left(digits.begin(), digits.end(), 1);
            digits.back() = key;
            caret = kEnd;
        } else {
            if (const auto index = DigitIndexOfCaret(p))
                digits[static_cast<std::size_t>(*index)] = key;
            caret = p + 1;
        }
    } else if (key == '\b') {
        if (length <= 1) {
            const auto index = p == kEnd ? std::optional<int>(7) : DigitIndexOfCaret(p);
            if (index) {
                // The digit goes; the ones before it close up from the left.
                const auto end = digits.begin() + *index + 1;
                std::shift_right(digits.begin(), end, 1);
            }
            digits.front() = '0';
        } else {
            for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
                const int at = CaretOfDigit(i);
                if (at >= field.selectionStart && at < field.selectionStart + length)
                    digits[static_cast<std::size_t>(i)] = '0';
            }
        }
        caret = p;
    }

    // Every key: a caret before a separator moves past it, and the digit under it is highlighted.
    if (caret == 2 || caret == 5 || caret == 8)
        ++caret;
    field.caret = caret;
    field.selectionStart = caret;
    field.selectionLength = caret < kEnd ? 1 : 0;
    return field;
}

EntryField TypeKey(EntryField field, char key)
{
    if (key == '.')
        return KeyProgram(KeyProgram(field, '0'), '0');
    return KeyProgram(field, key);
}
