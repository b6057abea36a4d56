#include "helper_request.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kItemCount = 6;
constexpr std::size_t kProductItem = 0;
constexpr std::size_t kPathItem = 4;
constexpr std::size_t kCommandItem = 5;

bool hasDotSteps(const fs::path& path)
{
    for (const fs::path& step : path)
        if (step == "." || step == "..")
            return true;
    return false;
}

// Only the settings file in the program's own data folder may go.
bool isSettingsFile(const fs::path& path, std::string& reason)
{
    if (!path.is_absolute() || hasDotSteps(path)) {
        reason = "the path must be absolute and direct";
        return false;
    }
    if (path.filename() != "kfzkosten.ini" || path.parent_path().filename() != "tarvo") {
        reason = "only tarvo/kfzkosten.ini may be deleted";
        return false;
    }
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || status.type() != fs::file_type::regular) {
        reason = "not a plain file";
        return false;
    }
    return true;
}

} // namespace

HelperResult carryOut(const std::vector<std::string>& items, std::string& reason)
{
    if (items.size() != kItemCount || items[kProductItem] != "Tarvolo") {
        reason = "expected the six items of Tarvolo";
        return HelperResult::Refused;
    }
    if (items[kCommandItem] != "del") {
        reason = "unknown command";
        return HelperResult::Refused;
    }
    const fs::path path(items[kPathItem]);
    if (!isSettingsFile(path, reason))
        return HelperResult::Refused;
    std::error_code ec;
    if (!fs::remove(path, ec)) {
        reason = ec ? ec.message() : "already gone";
        return HelperResult::Failed;
    }
    return HelperResult::Done;
}
