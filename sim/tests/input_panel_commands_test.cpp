#include <gtest/gtest.h>

#include <device/sip.h>
#include <device/text_editor.h>

#include "fresh_device.h"
#include "script_run.h"

using InputPanelCommandsTest = FreshDevice;

TEST_F(InputPanelCommandsTest, RefusalsNameWhatWasAskedAndWhy)
{
    ExpectFailures({
        {"sip show\nwrite \"a\"\n",
         "test.txt:2: cannot write: the letter recogniser's writing area is not shown in the input panel\n"},
        {"im register notes\n",
         "test.txt:1: unknown library \"notes\": write finkeys, qvpen or a device path such as \\Windows\\x.dll\n"},
        {"im select {11111111-2222-3333-4444-555555555555}\n",
         "test.txt:1: could not select {11111111-2222-3333-4444-555555555555}: it cannot be created; keyboard stays "
         "current\n"},
        {"im expect-current finkeys\n", "test.txt:1: expected input method finkeys, found keyboard\n"},
        {"sip show\nsip expect-rect 0 214 240 200\n",
         "test.txt:2: expected the input panel at 0 214 240 200, found it at 0 214 240 294\n"},
        {"sip show\nsip expect-on no\n", "test.txt:2: expected the input method to report the panel off, found it on\n"},
        {"sip expect-on maybe\n", "test.txt:1: write yes or no, not \"maybe\"\n"},
        {"text expect \"a\\tb\"\n", "test.txt:1: expected the text \"a\\tb\", found \"\"\n"},
        {"sip hide\ntap 10 10\n", "test.txt:2: the input panel is not shown: \"sip show\" first\n"},
        {"sip show\npress 5 5\nmove 300 5\nrelease 300 5\nrelease 1 1\n",
         "test.txt:5: device fault: pen up while the pen is up\n"},
        {"sip show\ntap 10 1.5\n", "test.txt:2: bad number \"1.5\": write a whole number in decimal, e.g. -12\n"},
    });
}

TEST_F(InputPanelCommandsTest, ALibraryThatDoesNotLoadIsReportedWithThePlatformsReason)
{
    struct Case {
        const char* script;
        const char* start;  // the loader's own words follow
    };
    const Case cases[] = {
        {"im register \\Windows\\none.dll\n", "test.txt:1: could not load \\Windows\\none.dll: ERROR_MOD_NOT_FOUND (126), "},
        {"file put \\Windows\\plain.dll \"text\"\nim unregister \\Windows\\plain.dll\n",
         "test.txt:2: could not load \\Windows\\plain.dll: "},
    };
    for (const Case& c : cases) {
        ScriptRun run = RunScript(c.script);
        EXPECT_FALSE(run.passed) << c.script;
        EXPECT_TRUE(run.errors.starts_with(c.start)) << run.errors;
        EXPECT_GT(run.errors.size(), std::string(c.start).size() + 1) << "the loader says why: " << run.errors;
    }
}
