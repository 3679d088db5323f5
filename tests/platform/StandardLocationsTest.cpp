#include "platform/StandardLocations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace sorvale::platform {
namespace {

// Sets an environment variable for the life of the object, then puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value)
        : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(StandardLocations, TheHomeFolderComesFromHomeWhenItIsAbsolute) {
    {
        ScopedVariable home("HOME", "/home/someone");
        EXPECT_EQ(homeFolder(), "/home/someone");
    }
    ScopedVariable relative("HOME", "relative/home");
    EXPECT_TRUE(homeFolder().is_absolute());
}

#ifndef __APPLE__
TEST(StandardLocations, TheTrashFollowsTheDataHomeOfTheUser) {
    {
        ScopedVariable dataHome("XDG_DATA_HOME", nullptr);
        EXPECT_EQ(trashFilesFolder("/home/u"), "/home/u/.local/share/Trash/files");
    }
    {
        ScopedVariable dataHome("XDG_DATA_HOME", "/data/u");
        EXPECT_EQ(trashFilesFolder("/home/u"), "/data/u/Trash/files");
    }
    // A relative value is invalid by the XDG rules and is ignored.
    ScopedVariable dataHome("XDG_DATA_HOME", "share");
    EXPECT_EQ(trashFilesFolder("/home/u"), "/home/u/.local/share/Trash/files");
}
#endif

} // namespace
} // namespace sorvale::platform
