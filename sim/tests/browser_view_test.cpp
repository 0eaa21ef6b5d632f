// The browser view without a browser: the page's actions as script lines, and
// the server answering requests over loopback HTTP from a device on a thread
// of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <thread>

#include <unistd.h>

#include <httplib.h>

#include <device/device.h>

#include "browser_action.h"
#include "browser_server.h"
#include "browser_session.h"
#include "command_families.h"
#include "scenario_runner.h"

namespace {

using nlohmann::json;

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : " | ") + line;
    return text;
}

TEST(BrowserActionTest, EachActionIsTheScriptLinesThatDoIt)
{
    struct Case {
        const char* body;
        const char* lines;
    };
    const Case kCases[] = {
        {R"({"action": "pen", "phase": "down", "x": 0, "y": 319})", "pen down 0 319"},
        {R"({"action": "pen", "phase": "up", "x": 239, "y": 0, "waited": 120.6})", "wait 120 | pen up 239 0"},
        {R"({"action": "pen", "phase": "move", "x": 5, "y": 6, "waited": 90000})", "wait 5000 | pen move 5 6"},
        {R"({"action": "hold", "waited": 250})", "wait 250"},
        {R"({"action": "clock", "ms": 86400000})", "wait 86400000"},
        {R"({"action": "write", "text": "say \"hi\"\\"})", R"(write "say \"hi\"\\")"},
        {R"({"action": "install", "package": "hebrew"})", "install hebrew"},
        {R"({"action": "input-method", "name": "qvpen"})", "im select qvpen | sip show"},
        {R"({"action": "table", "number": 26})", "translit select 26 | sip hide | sip show"},
        {R"({"action": "panel", "shown": false})", "sip hide"},
        {R"({"action": "dialog", "button": "cancel"})", "dialog cancel"},
        {R"({"action": "restart", "ignored": 1})", "device restart"},
        {R"({"action": "events-clear"})", "events clear"},
    };
    for (const Case& c : kCases) {
        Parsed<BrowserAction> action = ReadBrowserAction(c.body);
        ASSERT_TRUE(action) << c.body << ": " << action.error();
        EXPECT_EQ(Joined(action->lines), c.lines) << c.body;
        EXPECT_FALSE(action->answersMessageBox) << c.body;
    }
    Parsed<BrowserAction> answer = ReadBrowserAction(R"({"action": "answer", "answer": "retry"})");
    ASSERT_TRUE(answer);
    EXPECT_EQ(Joined(answer->lines), "msgbox answer retry");
    EXPECT_TRUE(answer->answersMessageBox);
}

TEST(BrowserActionTest, ABadActionIsRefusedWithItsReason)
{
    struct Case {
        const char* body;
        const char* error;
    };
    const Case kCases[] = {
        {"", "the body must be a JSON object"},
        {"[1]", "the body must be a JSON object"},
        {"{\"action\": \"pen\"", "the body must be a JSON object"},
        {"{\"action\": \"write\", \"text\": \"\xC0\x80\"}", "the body must be a JSON object"},
        {R"({"verb": "pen"})", "\"action\" must name the action"},
        {R"({"action": "format-disk"})", "unknown action \"format-disk\"; the actions are pen, hold,"},
        {R"({"action": "pen", "phase": "hover", "x": 1, "y": 1})", "\"phase\" must be"},
        {R"({"action": "pen", "phase": "down", "x": 240, "y": 1})", "\"x\" must be a whole number from 0 to 239"},
        {R"({"action": "pen", "phase": "down", "x": 1, "y": -1})", "\"y\" must be a whole number from 0 to 319"},
        {R"({"action": "pen", "phase": "down", "x": 1.5, "y": 1})", "\"x\" must be a whole number"},
        {R"({"action": "pen", "phase": "down", "x": 1})", "\"y\" is missing"},
        {R"({"action": "pen", "phase": "up", "x": 1, "y": 1, "waited": -4})", "\"waited\" must be a number"},
        {R"({"action": "hold", "waited": 0})", "\"waited\" must be a number of milliseconds above 0"},
        {R"({"action": "clock", "ms": 86400001})", "\"ms\" must be a whole number from 1 to 86400000"},
        {R"({"action": "write", "text": ""})", "\"text\" must hold 1 to 200 characters"},
        {R"({"action": "write", "text": "a\u0000b"})", "\"text\" must not hold U+0000"},
        {R"({"action": "write", "text": 7})", "\"text\" must be a string"},
        {R"({"action": "install", "package": "/etc"})", "\"package\" must be one of \"russian\", \"hebrew\""},
        {R"({"action": "input-method", "name": "{00000000-0000-0000-0000-000000000000}"})", "\"name\" must be one of"},
        {R"({"action": "table", "number": 27})", "\"number\" must be a whole number from 0 to 26"},
        {R"({"action": "panel", "shown": "yes"})", "\"shown\" must be true or false"},
        {R"({"action": "answer", "answer": "maybe"})", "\"answer\" must be one of ok, cancel,"},
        {R"({"action": "dialog", "button": "close"})", "\"button\" must be one of"},
    };
    for (const Case& c : kCases) {
        Parsed<BrowserAction> action = ReadBrowserAction(c.body);
        ASSERT_FALSE(action) << c.body;
        EXPECT_EQ(action.error().find(c.error), 0u) << c.body << ": " << action.error();
    }
    std::string longest(200, 'a');
    EXPECT_TRUE(ReadBrowserAction(R"({"action": "write", "text": ")" + longest + "\"}"));
    EXPECT_FALSE(ReadBrowserAction(R"({"action": "write", "text": ")" + longest + "a\"}"));
}

struct Reply {
    int status;
    json body;
};

// A device served on a free port, as "pocketsim serve --port 0" serves it.
class ServedDevice : public ::testing::Test {
protected:
    void SetUp() override { Start(""); }

    void TearDown() override { Shut(); }

    void Start(const std::string& folder)
    {
        session_ = std::make_unique<BrowserSession>(StandardCommands());
        device_ = std::thread([this, folder] { session_->RunDevice(folder); });
        std::string error;
        ASSERT_TRUE(session_->WaitUntilReady(error)) << error;
        server_ = std::make_unique<BrowserServer>(*session_);
        ASSERT_TRUE(server_->Bind(0, error)) << error;
        listener_ = std::thread([this] { server_->Listen(); });
        client_ = std::make_unique<httplib::Client>("127.0.0.1", server_->Port());
    }

    void Shut()
    {
        if (!device_.joinable()) return;
        session_->Stop();
        server_->Stop();
        if (listener_.joinable()) listener_.join();
        device_.join();
    }

    Reply Post(const std::string& body, const httplib::Headers& headers = {})
    {
        return Answer(client_->Post("/api/action", headers, body, "application/json"));
    }

    Reply Get(const std::string& path, const httplib::Headers& headers = {})
    {
        return Answer(client_->Get(path, headers));
    }

    struct Performed {
        BrowserSession::Status status;
        json body;
    };

    Performed Perform(std::vector<std::string> lines)
    {
        BrowserSession::Outcome outcome = session_->Perform(BrowserAction{std::move(lines), false});
        return {outcome.status, json::parse(outcome.body)};
    }

    uint64_t Version() { return session_->Latest()["version"].get<uint64_t>(); }

    static Reply Answer(const httplib::Result& result)
    {
        if (!result) return {0, nullptr};
        return {result->status, json::parse(result->body, nullptr, false)};
    }

    std::unique_ptr<BrowserSession> session_;
    std::unique_ptr<BrowserServer> server_;
    std::unique_ptr<httplib::Client> client_;
    std::thread device_;
    std::thread listener_;
};

TEST_F(ServedDevice, TheViewShowsTheScreenTheTextAndWhatHappened)
{
    Reply view = Get("/api/view");
    ASSERT_EQ(view.status, 200);
    EXPECT_EQ(view.body["screen"].get<std::string>().rfind("data:image/png;base64,iVBORw0KGgo", 0), 0u);
    EXPECT_EQ(view.body["text"], "");
    EXPECT_EQ(view.body["waiting"], nullptr);
    EXPECT_EQ(view.body["last"]["output"], "> device new\n  a fresh device in a temporary folder\n");

    Reply typed = Post(R"({"action": "input-method", "name": "keyboard"})");
    ASSERT_EQ(typed.status, 200) << typed.body;
    EXPECT_EQ(typed.body["version"], view.body["version"].get<uint64_t>() + 1);
    EXPECT_EQ(typed.body["panelShown"], true);
    EXPECT_EQ(typed.body["last"]["lines"], json({"im select keyboard", "sip show"}));

    Reply failed = Post(R"({"action": "dialog", "button": "ok"})");
    ASSERT_EQ(failed.status, 200) << "a command that fails is an action done: the page shows why";
    EXPECT_EQ(failed.body["last"]["error"], "shell:3: no dialog is shown\n");

    for (const char* asset : {"/", "/page.js", "/page.css"}) {
        httplib::Result page = client_->Get(asset);
        ASSERT_TRUE(page) << asset;
        EXPECT_EQ(page->status, 200) << asset;
        EXPECT_EQ(page->body.find("http://"), page->body.find("http://127.0.0.1")) << asset << ": no outside asset";
    }
}

TEST_F(ServedDevice, BadRequestsGetAClearAnswerAndChangeNothing)
{
    uint64_t version = Version();
    std::string script = session_->Script();
    std::string port = std::to_string(server_->Port());
    struct Case {
        const char* what;
        Reply reply;
        int status;
        const char* error;
    };
    const Case kCases[] = {
        {"malformed JSON", Post("{\"action\":"), 400, "the body must be a JSON object"},
        {"unknown action", Post(R"({"action": "reboot-host"})"), 400, "unknown action"},
        {"off the screen", Post(R"({"action": "pen", "phase": "down", "x": 9, "y": 320})"), 400, "\"y\" must be"},
        {"not JSON", Answer(client_->Post("/api/action", "{}", "text/plain")), 415, "an action is sent as"},
        {"oversized", Post(std::string(5000, ' ')), 413, "a request body holds 4096 bytes at most"},
        {"no box waits", Post(R"({"action": "answer", "answer": "ok"})"), 409, "no message box is waiting"},
        {"bad version", Get("/api/changes?since=-1"), 400, "\"since\" must be"},
        {"no such page", Get("/api/nothing"), 404, "nothing is at /api/nothing"},
        {"another name", Get("/api/view", {{"Host", "attacker.example:" + port}}), 403, "the browser view answers"},
        {"another site", Post(R"({"action": "remove"})", {{"Origin", "http://attacker.example"}}), 403,
         "the browser view answers"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(c.reply.status, c.status) << c.what;
        ASSERT_TRUE(c.reply.body.is_object()) << c.what;
        EXPECT_EQ(c.reply.body.value("error", "").rfind(c.error, 0), 0u) << c.what << ": " << c.reply.body;
    }
    EXPECT_EQ(Version(), version);
    EXPECT_EQ(session_->Script(), script);
    EXPECT_EQ(Get("/api/view", {{"Host", "localhost:" + port}}).status, 200);
}

// A box is modal: only its answer gets through, and the script queues the
// answer before the line that showed the box, as a script must.
TEST_F(ServedDevice, AMessageBoxWaitsForItsAnswer)
{
    Performed shown = Perform({"msgbox show \"Save changes?\" \"Notes\" 0x23", "text clear"});
    ASSERT_EQ(shown.status, BrowserSession::Status::Done);
    EXPECT_EQ(shown.body["waiting"], json({{"kind", "message box"},
                                           {"text", "Save changes?"},
                                           {"caption", "Notes"},
                                           {"buttons", {"yes", "no", "cancel"}}}));
    EXPECT_EQ(shown.body["last"]["error"],
              "the rest of the action was not done: a message box waits for its answer\n");

    Reply tap = Post(R"({"action": "pen", "phase": "down", "x": 1, "y": 1})");
    EXPECT_EQ(tap.status, 409);
    EXPECT_EQ(tap.body["error"], "a message box is waiting: answer it first");

    Reply answered = Post(R"({"action": "answer", "answer": "no"})");
    ASSERT_EQ(answered.status, 200) << answered.body;
    EXPECT_EQ(answered.body["waiting"], nullptr);
    EXPECT_NE(answered.body["last"]["output"].get<std::string>().find("answered no"), std::string::npos)
        << answered.body["last"];
    std::string script = session_->Script();
    EXPECT_EQ(script.substr(script.find('\n') + 1), "device new\nmsgbox answer no\nmsgbox show \"Save changes?\" \"Notes\" 0x23\n");
}

// Each tab waits for the next change with one request; actions from two at
// once are done one after the other.
TEST_F(ServedDevice, TwoTabsSeeOneDevice)
{
    uint64_t version = Version();
    std::future<Reply> waiting = std::async(std::launch::async, [&] {
        httplib::Client other("127.0.0.1", server_->Port());
        return Answer(other.Get("/api/changes?since=" + std::to_string(version)));
    });
    std::vector<std::future<Reply>> typing;
    for (int tab = 0; tab < 2; ++tab)
        typing.push_back(std::async(std::launch::async, [&] {
            httplib::Client mine("127.0.0.1", server_->Port());
            return Answer(mine.Post("/api/action", R"({"action": "clock", "ms": 10})", "application/json"));
        }));
    std::vector<uint64_t> versions;
    for (std::future<Reply>& reply : typing) {
        Reply done = reply.get();
        ASSERT_EQ(done.status, 200);
        versions.push_back(done.body["version"].get<uint64_t>());
    }
    std::sort(versions.begin(), versions.end());
    EXPECT_EQ(versions, (std::vector<uint64_t>{version + 1, version + 2}));
    Reply seen = waiting.get();
    ASSERT_EQ(seen.status, 200);
    EXPECT_GT(seen.body["version"].get<uint64_t>(), version);
    EXPECT_EQ(Get("/api/view").body["clock"], Get("/api/view").body["clock"]);
    EXPECT_EQ(Get("/api/changes?since=" + std::to_string(version + 1)).body["clock"].get<uint32_t>(),
              session_->Latest()["clock"].get<uint32_t>());
}

class ServedImage : public ServedDevice {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / ("browser_view_test_" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        Start(folder_.string());
    }

    void TearDown() override
    {
        Shut();
        std::filesystem::remove_all(folder_);
    }

    std::filesystem::path folder_;
};

// Stopping ends the device between actions; its image opens again as it was.
TEST_F(ServedImage, StoppingKeepsTheImageWhole)
{
    ASSERT_EQ(Perform({"reg set HKCU\\Browser Probe dword 7"}).status, BrowserSession::Status::Done);
    EXPECT_NE(session_->Script().find("device open \"" + folder_.string() + "\"\nreg set HKCU\\Browser Probe"),
              std::string::npos)
        << session_->Script();
    Shut();
    EXPECT_EQ(Perform({"text clear"}).status, BrowserSession::Status::Stopped);

    Transcript transcript;
    ScenarioRunner runner(StandardCommands(), transcript);
    EXPECT_TRUE(runner.Run("reopen", "device open \"" + folder_.string() + "\"\nreg expect HKCU\\Browser Probe dword 7\n",
                           "."));
    device::Close();
}

}  // namespace
