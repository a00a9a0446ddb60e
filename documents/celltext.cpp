// What a log cell may hold so that a document saves and opens it unchanged.
#include "documents/celltext.h"

int CellMaxLength(int column)
{
    return column == kDescriptionColumn ? kDescriptionMaxLength : kFieldMaxLength;
}

bool CellTextFits(int column, QStringView text)
{
    if (text.size() > CellMaxLength(column))
        return false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QChar::Null)
            return false;
        if (ch == QLatin1Char(' ') && column != kDescriptionColumn)
            return false;
    }
    return true;
}

CellTextValidator::CellTextValidator(int column, QObject *parent) : QValidator(parent), m_column(column) {}

QValidator::State CellTextValidator::validate(QString &input, int &) const
{
    return CellTextFits(m_column, input) ? Acceptable : Invalid;
}
