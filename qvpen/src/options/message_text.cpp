#include "dialog_texts.h"

namespace {

const LCID kEnglish = 1033;

LPCWSTR FindMessage(int id, LCID language)
{
    for (const DialogStringTable& row : kMessageTexts) {
        if (row.language != language) continue;
        for (int pair = 0; pair < row.pairCount; ++pair)
            if (row.pairs[pair].controlId == id) return row.pairs[pair].text;
        return nullptr;
    }
    return nullptr;
}

}  // namespace

LPCWSTR MessageText(int id, LCID language)
{
    LPCWSTR text = FindMessage(id, language);
    if (!text) text = FindMessage(id, kEnglish);
    return text ? text : TEXT("");
}
