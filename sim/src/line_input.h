// Where the shell reads its lines: a terminal with line editing, or a pipe.
#pragma once

#include <istream>
#include <optional>
#include <string>

class LineInput {
public:
    virtual ~LineInput() = default;
    // The next line without its end; nullopt at the end of input.
    // CONTINUATION: the line may continue the command above (a block row).
    virtual std::optional<std::string> ReadLine(bool continuation) = 0;
};

// Lines from a stream, without prompts: a pipe, a file, a test's text.
class StreamLineInput : public LineInput {
public:
    explicit StreamLineInput(std::istream& stream) : stream_(stream) {}
    std::optional<std::string> ReadLine(bool continuation) override;

private:
    std::istream& stream_;
};

// Lines typed at a terminal, with editing and history (libedit).
class EditedLineInput : public LineInput {
public:
    EditedLineInput();
    std::optional<std::string> ReadLine(bool continuation) override;
};
