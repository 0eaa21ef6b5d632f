#include "transcript.h"

void Transcript::SendOutputTo(std::ostream& stream) { outputs_.push_back(&stream); }

void Transcript::SendErrorsTo(std::ostream& stream) { errors_.push_back(&stream); }

void Transcript::Command(std::string_view source) { WriteLines(outputs_, "> ", source); }

void Transcript::BlockLine(std::string_view source) { WriteLines(outputs_, ">   ", source); }

void Transcript::Output(std::string_view text)
{
    WriteLines(outputs_, "  ", text);
    Capture(text);
}

void Transcript::Capture(std::string_view text)
{
    if (captures_.empty()) return;
    captures_.back() += text;
    if (!text.empty() && text.back() != '\n') captures_.back() += '\n';
}

void Transcript::BeginCapture() { captures_.emplace_back(); }

std::string Transcript::EndCapture()
{
    std::string text = std::move(captures_.back());
    captures_.pop_back();
    return text;
}

void Transcript::Note(std::string_view text)
{
    WriteLines(outputs_, "", text);
    Capture(text);
}

void Transcript::Error(std::string_view text) { WriteLines(errors_, "", text); }

void Transcript::WriteLines(const std::vector<std::ostream*>& streams, std::string_view prefix, std::string_view text)
{
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    do {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::string_view lead = line.empty() ? prefix.substr(0, prefix.find_last_not_of(' ') + 1) : prefix;
        for (std::ostream* stream : streams) *stream << lead << line << '\n';
    } while (!text.empty());
    for (std::ostream* stream : streams) stream->flush();
}
