#include "browser_server.h"

#include <chrono>
#include <charconv>

#include "browser_action.h"
#include "browser_view.h"

extern const char kBrowserPage[];
extern const char kBrowserScript[];
extern const char kBrowserStyle[];

namespace {

using httplib::Request;
using httplib::Response;
using nlohmann::json;

const char kLoopback[] = "127.0.0.1";
// Each open connection holds a thread: two tabs' connections and their
// waiting requests fit with room to spare.
constexpr size_t kThreads = 24;
constexpr int kMostAwaiting = 8;
constexpr size_t kLargestBody = 4096;
constexpr auto kLongestAwait = std::chrono::seconds(20);
constexpr time_t kKeepAliveSeconds = 2;

void AnswerJson(Response& response, int status, const std::string& body)
{
    response.status = status;
    response.set_header("Cache-Control", "no-store");
    response.set_content(body, "application/json");
}

void AnswerJson(Response& response, int status, const json& body) { AnswerJson(response, status, JsonText(body)); }

void AnswerError(Response& response, int status, const std::string& error)
{
    AnswerJson(response, status, {{"error", error}});
}

void AnswerAsset(Response& response, const char* content, const char* type)
{
    response.set_header("Cache-Control", "no-store");
    response.set_content(content, type);
}

int StatusOf(BrowserSession::Status status)
{
    switch (status) {
    case BrowserSession::Status::Done: return 200;
    case BrowserSession::Status::Refused: return 409;
    case BrowserSession::Status::Stopped: return 503;
    }
    return 500;
}

std::optional<uint64_t> Version(const std::string& text)
{
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

BrowserServer::BrowserServer(BrowserSession& session) : session_(session) { Route(); }

bool BrowserServer::Bind(int port, std::string& error)
{
    port_ = port == 0 ? server_.bind_to_any_port(kLoopback) : (server_.bind_to_port(kLoopback, port) ? port : -1);
    if (port_ > 0) return true;
    error = "cannot listen on " + std::string(kLoopback) + ":" + std::to_string(port) +
            (port == 0 ? "" : ": is another program using the port? --port N chooses another");
    return false;
}

void BrowserServer::Listen() { server_.listen_after_bind(); }

void BrowserServer::Stop() { server_.stop(); }

void BrowserServer::Route()
{
    server_.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
    server_.set_payload_max_length(kLargestBody);
    server_.set_keep_alive_timeout(kKeepAliveSeconds);
    server_.set_pre_routing_handler([this](const Request& request, Response& response) {
        return Guard(request, response);
    });
    server_.Get("/", [](const Request&, Response& response) {
        AnswerAsset(response, kBrowserPage, "text/html; charset=utf-8");
    });
    server_.Get("/page.js", [](const Request&, Response& response) {
        AnswerAsset(response, kBrowserScript, "text/javascript; charset=utf-8");
    });
    server_.Get("/page.css", [](const Request&, Response& response) {
        AnswerAsset(response, kBrowserStyle, "text/css; charset=utf-8");
    });
    server_.Get("/api/view", [this](const Request&, Response& response) {
        AnswerJson(response, 200, session_.Latest());
    });
    server_.Get("/api/changes", [this](const Request& request, Response& response) {
        AwaitChange(request, response);
    });
    server_.Post("/api/action", [this](const Request& request, Response& response) { Act(request, response); });
    server_.Get("/api/script", [this](const Request&, Response& response) {
        response.set_header("Cache-Control", "no-store");
        response.set_header("Content-Disposition", "attachment; filename=\"pocketsim-session.txt\"");
        response.set_content(session_.Script(), "text/plain; charset=utf-8");
    });
    server_.set_error_handler([](const Request& request, Response& response) {
        if (!response.body.empty()) return;
        if (response.status == 404) return AnswerError(response, 404, "nothing is at " + request.path);
        if (response.status == 413)
            return AnswerError(response, 413, "a request body holds " + std::to_string(kLargestBody) + " bytes at most");
        AnswerError(response, response.status, "the request could not be served");
    });
}

// Only a page opened at this address may drive the device: a name that
// merely resolves here (DNS rebinding) or another site's page is refused.
httplib::Server::HandlerResponse BrowserServer::Guard(const Request& request, Response& response) const
{
    std::string port = std::to_string(port_);
    std::string host = request.get_header_value("Host");
    bool ownHost = host == kLoopback + (":" + port) || host == "localhost:" + port;
    std::string origin = request.get_header_value("Origin");
    bool ownOrigin = origin.empty() || origin == "http://" + host;
    if (request.remote_addr == kLoopback && ownHost && ownOrigin) return httplib::Server::HandlerResponse::Unhandled;
    AnswerError(response, 403, "the browser view answers only its own page at http://" + std::string(kLoopback) + ":" +
                                   port + "/");
    return httplib::Server::HandlerResponse::Handled;
}

void BrowserServer::Act(const Request& request, Response& response)
{
    if (request.get_header_value("Content-Type").rfind("application/json", 0) != 0)
        return AnswerError(response, 415, "an action is sent as application/json");
    Parsed<BrowserAction> action = ReadBrowserAction(request.body);
    if (!action) return AnswerError(response, 400, action.error());
    BrowserSession::Outcome outcome = session_.Perform(*action);
    AnswerJson(response, StatusOf(outcome.status), outcome.body);
}

// The page asks again as soon as it has an answer: one request per change,
// never a stream of polls.
void BrowserServer::AwaitChange(const Request& request, Response& response)
{
    std::optional<uint64_t> since = Version(request.get_param_value("since"));
    if (!since) return AnswerError(response, 400, "\"since\" must be the version of the view the page shows");
    if (++awaiting_ > kMostAwaiting) {
        --awaiting_;
        return AnswerError(response, 429, "too many pages are waiting for changes");
    }
    std::optional<json> view = session_.WaitForChange(*since, kLongestAwait);
    --awaiting_;
    if (!view) {
        response.status = 204;
        return;
    }
    AnswerJson(response, 200, *view);
}
