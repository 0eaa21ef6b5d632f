// One action of the browser view end to end, as the page sends it: a pen
// event on a key of the keyboard panel posted over loopback HTTP, the device
// handling it on its own thread, the whole screen encoded as PNG, and the
// view's JSON back in the response. The page feels immediate below 20 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <thread>

#include <httplib.h>

#include "browser_server.h"
#include "browser_session.h"
#include "command_families.h"

namespace {

// The Finnish panel's "h", in screen pixels.
const char kPenDown[] = R"({"action": "pen", "phase": "down", "x": 123, "y": 254, "waited": 80})";
const char kPenUp[] = R"({"action": "pen", "phase": "up", "x": 123, "y": 254, "waited": 80})";

void TapRoundTrip(benchmark::State& state)
{
    BrowserSession session(StandardCommands());
    std::thread device([&] { session.RunDevice(""); });
    std::string error;
    BrowserServer server(session);
    if (!session.WaitUntilReady(error) || !server.Bind(0, error)) {
        state.SkipWithError(error.c_str());
        session.Stop();
        device.join();
        return;
    }
    std::thread listener([&] { server.Listen(); });
    session.Perform({{"im register finkeys", "im select finkeys", "sip show"}, false});
    httplib::Client client("127.0.0.1", server.Port());
    bool down = true;
    size_t bytes = 0;
    for (auto _ : state) {
        httplib::Result result = client.Post("/api/action", down ? kPenDown : kPenUp, "application/json");
        if (!result || result->status != 200) {
            state.SkipWithError("the action was not done");
            break;
        }
        bytes = result->body.size();
        down = !down;
    }
    state.counters["response_bytes"] = static_cast<double>(bytes);
    session.Stop();
    server.Stop();
    listener.join();
    device.join();
}

}  // namespace

BENCHMARK(TapRoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
