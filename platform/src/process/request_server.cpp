#include "process/request_server.h"

#include <aygshell.h>
#include <pkfuncs.h>
#include <winbase.h>

namespace platform::process {

namespace {

using Answered = std::optional<WireMessage>;

WireWriter Reply(Request kind) { return WireWriter(kind); }

WireWriter& WithResult(WireWriter& reply, BOOL result)
{
    return reply.Word(result ? TRUE : FALSE).Word(result ? ERROR_SUCCESS : GetLastError());
}

Answered Hello(const ProgramStart& start)
{
    return Reply(Request::Hello).Text(start.imageFolder).WideText(start.programPath).WideText(start.commandLine).Take();
}

Answered Sleeping(WireReader& fields)
{
    uint32_t milliseconds = 0;
    if (!fields.Word(milliseconds)) return std::nullopt;
    Sleep(milliseconds);
    return Reply(Request::Sleep).Take();
}

Answered CurrentIm()
{
    CLSID current = {};
    WireWriter reply = Reply(Request::GetCurrentIm);
    WithResult(reply, SHSipInfo(SPI_GETCURRENTIM, 0, &current, 0)).Bytes(&current, sizeof current);
    return reply.Take();
}

Answered SetCurrentIm(WireReader& fields)
{
    CLSID wanted = {};
    if (!fields.Bytes(&wanted, sizeof wanted)) return std::nullopt;
    WireWriter reply = Reply(Request::SetCurrentIm);
    return WithResult(reply, SHSipInfo(SPI_SETCURRENTIM, 0, &wanted, 0)).Take();
}

Answered Signal(WireReader& fields)
{
    uint32_t launchNumber = 0;
    if (!fields.Word(launchNumber)) return std::nullopt;
    SignalStarted(launchNumber);
    return Reply(Request::SignalStarted).Take();
}

Answered IoControl(WireReader& fields)
{
    uint32_t code = 0;
    if (!fields.Word(code)) return std::nullopt;
    WireWriter reply = Reply(Request::KernelIoControl);
    return WithResult(reply, KernelIoControl(code, nullptr, 0, nullptr, 0, nullptr)).Take();
}

}  // namespace

std::optional<WireMessage> Answer(const WireMessage& request, const ProgramStart& start)
{
    WireReader fields(request);
    switch (static_cast<Request>(request.kind)) {
    case Request::Hello: return Hello(start);
    case Request::TickCount: return Reply(Request::TickCount).Word(GetTickCount()).Take();
    case Request::Sleep: return Sleeping(fields);
    case Request::GetCurrentIm: return CurrentIm();
    case Request::SetCurrentIm: return SetCurrentIm(fields);
    case Request::SignalStarted: return Signal(fields);
    case Request::KernelIoControl: return IoControl(fields);
    }
    return std::nullopt;
}

}  // namespace platform::process
