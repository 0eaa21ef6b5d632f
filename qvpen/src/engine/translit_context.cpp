#include "translit_context.h"

void TranslitContext::CharacterDown(UINT count, const UINT* characters)
{
    if (count == 1) {
        prevIn = composed ? 0 : curIn;
        prevOut = lastOut;
        curIn = static_cast<WCHAR>(characters[0]);
    } else {
        curIn = prevIn = lastOut = prevOut = 0;
    }
    composed = false;
}

void TranslitContext::Substituted(const TranslitRule& rule)
{
    composed = rule.IsTwoCharacter();
    lastOut = static_cast<WCHAR>(rule.result);
    noErase = false;
}

void TranslitContext::PassedThrough()
{
    noErase = false;
    lastOut = 0;
}

void TranslitContext::BackspaceReleased()
{
    lastOut = prevOut;
    curIn = prevIn;
    prevIn = prevOut = 0;
    if (composed) noErase = true;
    composed = false;
}

void TranslitContext::OtherKeyReleased()
{
    curIn = prevIn = lastOut = prevOut = 0;
    noErase = false;
}

void TranslitContext::StringSent() { curIn = prevIn = 0; }

bool TranslitContext::Matches(const TranslitRule& rule) const
{
    if (rule.input != curIn) return false;
    return rule.previous == 0 || rule.previous == prevIn || rule.previous == prevOut;
}
