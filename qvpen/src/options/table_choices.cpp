#include "table_choices.h"

#include "translit_tables.h"

const LONG kTableChoices[kTableChoiceCount] = {0,  1,  2,  3,  7,  8,  9,  15, 23, 16, 17, 24, 25, 5,
                                               10, 26, 18, 19, 11, 21, 12, 4,  6,  13, 14, 20, 22};

LPCWSTR TableChoiceName(int row)
{
    LONG number = kTableChoices[row];
    return number == 0 ? TEXT("None") : kTranslitTables[number - 1].listName;
}
