// One QApplication for the whole test program, on the offscreen platform
// unless the environment names another. Linking this object is enough.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class TQtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        Application = std::make_unique<QApplication>(ArgumentCount, Arguments);
    }
    void TearDown() override { Application.reset(); }

private:
    int ArgumentCount = 1;
    char Name[15] = "codelume_tests";
    char* Arguments[2] = {Name, nullptr};
    std::unique_ptr<QApplication> Application;
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace
