#include <clocale>
#include <cstdlib>
#include <cstdio>
#include <locale>
#include <stdexcept>

#include <gtest/gtest.h>

// TRELVANI_TEST_LOCALE names a locale to run the whole suite under, so that
// locale independence is shown rather than assumed. A locale that cannot be
// set fails the run instead of silently testing the C locale.
int main(int argc, char** argv) {
    if (const char* name = std::getenv("TRELVANI_TEST_LOCALE"); name != nullptr && *name != '\0') {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            std::fprintf(stderr, "locale %s is not available\n", name);
            return 2;
        }
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            std::fprintf(stderr, "C++ locale %s is not available\n", name);
            return 2;
        }
        const std::lconv* conventions = std::localeconv();
        std::printf("running under %s (decimal point '%s')\n", name, conventions->decimal_point);
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
