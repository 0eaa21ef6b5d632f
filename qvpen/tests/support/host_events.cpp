#include "host_events.h"

ExpectedCallback KeyDown(const std::string& character)
{
    return {"SendCharEvents(0x00, 0x80, 1, \"" + character + "\")"};
}

ExpectedCallback KeyUp(const std::string& character)
{
    return {"SendCharEvents(0x00, 0x10040, 1, \"" + character + "\")"};
}

HostEvents Passed(const std::string& character) { return {KeyDown(character), KeyUp(character)}; }

HostEvents Erase()
{
    return {{"SendCharEvents(0x08, 0x80, 1, \"\\b\")"}, {"SendCharEvents(0x08, 0x10040, 1, \"\\b\")"}};
}

HostEvents BackspaceStroke() { return {{"SendVirtualKey(0x08, 0x0)"}, {"SendVirtualKey(0x08, 0x2)"}}; }

HostEvents Join(std::initializer_list<HostEvents> parts)
{
    HostEvents joined;
    for (const HostEvents& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}
