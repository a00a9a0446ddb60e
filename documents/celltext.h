// What a log cell may hold so that a document saves and opens it unchanged: the in-place editor's rules.
#pragma once

#include <QStringView>
#include <QValidator>

// Cells 0..5 are space-terminated fields of at most 20 characters; the description (cell 6) takes the
// rest of its line, at most 100 characters. Lengths count UTF-16 units, as QLineEdit::maxLength does.
inline constexpr int kFieldMaxLength = 20;
inline constexpr int kDescriptionMaxLength = 100;
inline constexpr int kDescriptionColumn = 6;

// The in-place editor's maximum length for a column (0..6).
int CellMaxLength(int column);

// Whether `text` fits column `column`: not too long, no line break or zero character, and no space
// in cells 0..5.
bool CellTextFits(int column, QStringView text);

// A validator for the in-place editor of one column: refuses any edit after which the text would not
// fit (a typed space in cells 0..5, a pasted text that is too long).
class CellTextValidator final : public QValidator {
public:
    explicit CellTextValidator(int column, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_column;
};
