// Fonts and palettes need a QGuiApplication; one is made before the first test.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class TGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        Application = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { Application.reset(); }

private:
    std::unique_ptr<QGuiApplication> Application;
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TGuiEnvironment);

}  // namespace
