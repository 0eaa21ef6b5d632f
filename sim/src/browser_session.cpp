#include "browser_session.h"

#include <device/device.h>
#include <device/message_boxes.h>

#include "browser_view.h"
#include "display_text.h"
#include "shell_session.h"

namespace {

const char kScriptHeading[] =
    "# A pocketsim session recorded by the browser view; \"pocketsim run FILE\" replays it.";

}  // namespace

BrowserSession::BrowserSession(const CommandTable& commands) : commands_(commands) {}

void BrowserSession::RunDevice(const std::string& folder)
{
    Transcript transcript;
    transcript.SendOutputTo(output_);
    transcript.SendErrorsTo(errors_);
    {
        std::lock_guard lock(mutex_);
        script_ = {kScriptHeading};
        if (folder.empty())
            script_.push_back("device new");
        else
            opening_.emplace(BrowserAction{{"device open " + Quoted(folder)}, false});
    }
    device::SetMessageBoxesWaitForUser(true);
    ShellSession(commands_, transcript, *this).Run(".");
    device::SetMessageBoxesWaitForUser(false);
    device::Close();
    std::lock_guard lock(mutex_);
    stopped_ = true;
    StopWaiting("the server has stopped");
}

bool BrowserSession::WaitUntilReady(std::string& error)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !latest_.is_null() || !startError_.empty() || stopped_; });
    error = startError_;
    return startError_.empty() && !latest_.is_null();
}

BrowserSession::Outcome BrowserSession::Perform(const BrowserAction& action)
{
    Job job(action);
    std::unique_lock lock(mutex_);
    if (stopping_) return {Status::Stopped, JsonText({{"error", "the server is stopping"}})};
    waiting_.push_back(&job);
    changed_.notify_all();
    changed_.wait(lock, [&] { return job.done; });
    return job.outcome;
}

nlohmann::json BrowserSession::Latest()
{
    std::lock_guard lock(mutex_);
    return latest_;
}

std::optional<nlohmann::json> BrowserSession::WaitForChange(uint64_t since, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return version_ > since || stopping_; });
    if (version_ > since) return latest_;
    return std::nullopt;
}

std::string BrowserSession::Script()
{
    std::lock_guard lock(mutex_);
    std::string text;
    for (const std::string& line : script_) text += line + "\n";
    return text;
}

void BrowserSession::Stop()
{
    std::lock_guard lock(mutex_);
    StopWaiting("the server is stopping");
}

void BrowserSession::StopWaiting(const std::string& why)
{
    stopping_ = true;
    for (Job* job : waiting_) Refuse(*job, Status::Stopped, why);
    waiting_.clear();
    changed_.notify_all();
}

std::optional<std::string> BrowserSession::ReadLine(bool continuation)
{
    std::unique_lock lock(mutex_);
    if (running_) {
        if (std::optional<std::string> line = NextLineOf(*running_)) return line;
        // No action has lines below a command: a block asked for ends here.
        if (continuation) return std::string();
        Finish(*running_, lock);
        running_ = nullptr;
    } else if (latest_.is_null() && !opening_) {
        Job start;
        Finish(start, lock);
    }
    if (opening_ && opening_->next == 0) {
        running_ = &*opening_;
        return NextLineOf(*running_);
    }
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
        if (stopping_) return std::nullopt;
        Job* job = waiting_.front();
        waiting_.pop_front();
        if (std::optional<std::string> refusal = Admit(*job)) {
            Refuse(*job, Status::Refused, *refusal);
            continue;
        }
        running_ = job;
        return NextLineOf(*job);
    }
}

// A message box is modal: once one waits, the rest of an action waits
// with it, and is dropped.
std::optional<std::string> BrowserSession::NextLineOf(Job& job)
{
    if (stopping_ || job.next == job.action.lines.size()) return std::nullopt;
    if (job.next > 0 && !job.action.answersMessageBox && device::WaitingMessageBox()) {
        errors_ << "the rest of the action was not done: a message box waits for its answer\n";
        job.next = job.action.lines.size();
        return std::nullopt;
    }
    const std::string& line = job.action.lines[job.next++];
    Record(job, line);
    return line;
}

std::optional<std::string> BrowserSession::Admit(const Job& job)
{
    bool boxWaits = device::WaitingMessageBox() != nullptr;
    if (boxWaits && !job.action.answersMessageBox) return "a message box is waiting: answer it first";
    if (!boxWaits && job.action.answersMessageBox) return "no message box is waiting for an answer";
    return std::nullopt;
}

void BrowserSession::Record(const Job& job, const std::string& line)
{
    if (job.action.answersMessageBox) {
        script_.insert(script_.begin() + static_cast<std::ptrdiff_t>(lastOpener_), line);
        ++lastOpener_;
        return;
    }
    script_.push_back(line);
    lastOpener_ = script_.size() - 1;
}

// Looks at the device with the lock let go, so that tabs reading the latest
// view are not held up.
void BrowserSession::Finish(Job& job, std::unique_lock<std::mutex>& lock)
{
    nlohmann::json printed = TakePrinted();
    std::vector<std::string> given(job.action.lines.begin(),
                                   job.action.lines.begin() + static_cast<std::ptrdiff_t>(job.next));
    size_t scriptLines = script_.size();
    lock.unlock();
    nlohmann::json view = LookAtDevice(commands_);
    lock.lock();
    view["last"] = {{"lines", given}, {"output", printed["output"]}, {"error", printed["error"]}};
    view["scriptLines"] = scriptLines;
    view["version"] = ++version_;
    latest_ = std::move(view);
    if (&job == &*opening_ && !printed["error"].get<std::string>().empty()) {
        startError_ = printed["error"];
        stopping_ = true;
    }
    job.outcome = {Status::Done, JsonText(latest_)};
    job.done = true;
    changed_.notify_all();
}

void BrowserSession::Refuse(Job& job, Status status, const std::string& error)
{
    job.outcome = {status, JsonText({{"error", error}})};
    job.done = true;
    changed_.notify_all();
}

nlohmann::json BrowserSession::TakePrinted()
{
    nlohmann::json printed = {{"output", output_.str()}, {"error", errors_.str()}};
    output_.str({});
    errors_.str({});
    return printed;
}
