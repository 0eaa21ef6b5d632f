// Where a run writes: the transcript (commands as "> line", their output
// indented beneath) to every output stream, errors to every error stream.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class Transcript {
public:
    void SendOutputTo(std::ostream& stream);
    void SendErrorsTo(std::ostream& stream);

    void Command(std::string_view source);
    void BlockLine(std::string_view source);
    void Output(std::string_view text);  // may hold several lines
    void Note(std::string_view text);    // a line of its own, not indented
    void Error(std::string_view text);

    // Keeps what commands print from here on, until the matching EndCapture;
    // a capture begun inside another keeps the inner command's output alone.
    void BeginCapture();
    std::string EndCapture();

private:
    void Capture(std::string_view text);
    static void WriteLines(const std::vector<std::ostream*>& streams, std::string_view prefix, std::string_view text);

    std::vector<std::ostream*> outputs_;
    std::vector<std::ostream*> errors_;
    std::vector<std::string> captures_;
};
