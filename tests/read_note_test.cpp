#include "app/read_note.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

struct NoteCase
{
    const char* text;
    const char* note;
};

TEST(ReadAsNote, TellsWhichNumberWasReadWhenTextWasIgnored)
{
    const NoteCase cases[] = {
        {"70,5", "read as 70"},
        {"12abc", "read as 12"},
        {"1,000", "read as 1"},
        {" 2.50 kg", "read as 2.50"},
        {"1e3x", "read as 1e3"},
        {"-3.5.1", "read as -3.5"},
        {"12 14", "read as 12"},
        {"abc", "read as 0"},
        {",5", "read as 0"},
        {"-", "read as 0"},
        {"Enter UNIT or SYMBOL", "read as 0"},
        // The whole text is the number: nothing to tell.
        {"70", ""},
        {" 70.5 ", ""},
        {"2.5E-7", ""},
        {"-.5", ""},
        {"1e400", ""}, // too large: refused, not read as something else
        {"", ""},
        {"   ", ""},
    };
    for (const NoteCase& c : cases)
        EXPECT_EQ(ReadAsNote(c.text), c.note) << "text \"" << c.text << "\"";
}

} // namespace
} // namespace corrolab
