#include "key_label.h"

void CopyLabel(LPCWSTR label, WCHAR* text, int size)
{
    int length = 0;
    for (; label && label[length] && length < size - 1; ++length) text[length] = label[length];
    text[length] = 0;
}
