// Libraries opened on first use: found once, typed by their headers, and a
// missing library or symbol told in one line instead of a crash.
#include "base/shared_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace corrolab {
namespace {

TEST(SharedLibrary, OpensOnceAndCallsThroughTheHeadersType)
{
    const SharedLibrary& math = SharedLibrary::Open("libm.so.6");
    EXPECT_EQ(&SharedLibrary::Open("libm.so.6"), &math);
    const auto cosine = CORROLAB_LIBRARY_FUNCTION(math, cos);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_DOUBLE_EQ(math.Function<double(double, double)>("pow")(2.0, 10.0), 1024.0);
}

TEST(SharedLibrary, SaysWhatIsMissingInOneLine)
{
    struct Case
    {
        const char* library;
        const char* symbol; // nullptr: the opening itself fails
        const char* startsWith;
    };
    const Case cases[] = {
        {"libcorrolab-nothing.so.0", nullptr, "cannot load libcorrolab-nothing.so.0: "},
        {"/nonexistent/libzip.so.4", nullptr, "cannot load /nonexistent/libzip.so.4: "},
        {"libm.so.6", "corrolab_no_such_function", "libm.so.6 has no corrolab_no_such_function"},
        // A name with a line break in it comes back on one line.
        {"lib\nbroken.so", nullptr, "cannot load lib\\nbroken.so: "},
    };
    for (const Case& c : cases) {
        try {
            const SharedLibrary& library = SharedLibrary::Open(c.library);
            ASSERT_NE(c.symbol, nullptr) << c.library << " opened";
            library.Address(c.symbol);
            ADD_FAILURE() << c.symbol << " found";
        } catch (const std::runtime_error& error) {
            const std::string what = error.what();
            EXPECT_TRUE(what.starts_with(c.startsWith)) << what;
            EXPECT_EQ(what.find('\n'), std::string::npos) << what;
        }
    }
}

} // namespace
} // namespace corrolab
